"""A phone in headless Chromium (its mobile emulation: size, pixel ratio,
touch), the system's colour scheme, taps as touch events, and axe-core run
in the page, for the page's tests and its screenshots."""
import json
import pathlib

from selenium.webdriver.support.ui import WebDriverWait

PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
DESKTOP = {"width": 1024, "height": 768, "deviceScaleFactor": 1, "mobile": False}
AXE = pathlib.Path(__file__).resolve().parent / "node_modules" / "axe-core" / "axe.min.js"


def emulate(d, screen, dark=False):
    """The next loads see `screen` (PHONE: touch and a coarse pointer) and
    the system's light or dark setting."""
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", screen)
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                      {"enabled": screen["mobile"], "maxTouchPoints": 5 if screen["mobile"] else 1})
    # As the window in front: focus styles show as a user sees them.
    d.execute_cdp_cmd("Emulation.setFocusEmulationEnabled", {"enabled": True})
    d.execute_cdp_cmd("Emulation.setEmulatedMedia",
                      {"features": [{"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})


def tap(d, element_id):
    """A finger's tap at the middle of the element, as touch events."""
    x, y = d.execute_script("""
        const r = document.getElementById(arguments[0]).getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2];""", element_id)
    point = [{"x": x, "y": y, "radiusX": 4, "radiusY": 4, "force": 1, "id": 0}]
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def type_text(d, text):
    """Text as an on-screen keyboard commits it (no key events)."""
    d.execute_cdp_cmd("Input.insertText", {"text": text})


def wait_for(d, script, what, *args):
    """Waits until the script returns something true, and returns it."""
    try:
        return WebDriverWait(d, 10).until(lambda d: d.execute_script(script, *args))
    except Exception as failure:
        raise AssertionError(f"waited in vain for {what}") from failure


def axe_violations(d, exclude=()):
    """axe-core's findings on the page as it stands, but for the elements
    `exclude` selects: [(rule, [targets])]."""
    d.execute_script(AXE.read_text())
    found = d.execute_async_script("""
        const done = arguments[arguments.length - 1];
        axe.run({ include: [document], exclude: arguments[0] })
          .then((r) => done(JSON.stringify(r.violations)), (e) => done(String(e)));""", [[s] for s in exclude])
    return [(v["id"], [n["target"] for n in v["nodes"]]) for v in json.loads(found)]
