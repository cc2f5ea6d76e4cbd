"""<mrv-date> in headless Chromium, as a page that imports the package
uses it: docs/embedding.md's page (the package's files as installed), and a
page of an esbuild bundle with the inline form, a refusal and the
interactive form, driven by real key events, then axe-core's rules in light
and dark. Usage: element_test.py APP_FOLDER (the package installed in it,
element-bundle.js beside, from check_npm.sh)."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "web"))
from browser import chromium, static_server  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from touch import DESKTOP, axe_violations, emulate, wait_for  # noqa: E402

LINE_2002 = "SC 338.30  -  EY 2002 AD  -  BW 84"
NOT_A_DATE = 'Sorry, "{}" is not a date.  Please type a number: BC and BW years with a minus.'
PAGE = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>mrv-date</title>
<meta name="color-scheme" content="light dark">
<style>@media (prefers-color-scheme: dark) { body { background: #1e1e1e; color: #f0f0f0; } }</style>
<script type="module" src="./element-bundle.js"></script></head>
<body><main>
<h1>Dates</h1>
<p>Signed in <mrv-date id="inline" calendar="ey" value="2002"></mrv-date>.</p>
<p><mrv-date id="refusal" calendar="ey" value="753 BC"></mrv-date></p>
<mrv-date id="form" interactive></mrv-date>
</main></body></html>
"""
SHOWN = "return document.getElementById(arguments[0])?.shadowRoot?.querySelector('[part=result]')?.innerText"
FOCUSED = "return document.getElementById('form').shadowRoot.activeElement?.id"


def shown(d, element_id, expected):
    wait_for(d, SHOWN + " === arguments[1]", f"#{element_id} to show {expected!r}", element_id, expected)


def keys(d, *sequence):
    ActionChains(d).send_keys(*sequence).perform()


def alt(d, letter):
    ActionChains(d).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


def interactive(d):
    """The converter by keyboard alone: Tab in, the arrows choose a
    calendar, typing and Enter convert, Alt and a letter act."""
    d.find_element("tag name", "body").click()
    keys(d, Keys.TAB)
    wait_for(d, FOCUSED + " === 'calendar-sc'", "the focus on Space Century after Tab")
    keys(d, Keys.ARROW_DOWN, Keys.TAB)
    wait_for(d, FOCUSED + " === 'date'", "the focus in the date box")
    assert d.execute_script("return document.getElementById('form').calendar") == "ey"
    keys(d, "2002", Keys.ENTER)
    shown(d, "form", LINE_2002)
    assert d.execute_script("const i = document.getElementById('form').shadowRoot.getElementById('date');"
                            "return i.selectionStart === 0 && i.selectionEnd === i.value.length"), \
        "the entry is not selected after a result"
    alt(d, "s")
    wait_for(d, FOCUSED + " === 'calendar-sc'", "Alt+S to choose Space Century")
    alt(d, "d")
    wait_for(d, FOCUSED + " === 'date'", "Alt+D to reach the date box")
    keys(d, "19O4", Keys.ENTER)
    shown(d, "form", NOT_A_DATE.format("19O4"))
    alt(d, "a")
    alt(d, "d")
    keys(d, "2284")
    alt(d, "c")
    shown(d, "form", "SC 361.98  -  EY 4370 AD  -  AW 2284")
    prefix = d.execute_script("return document.getElementById('form').shadowRoot.querySelector('.prefix').textContent")
    assert prefix == "AW", f"the prefix shows {prefix!r} on After War"


def main(app):
    with static_server(app) as (_, url), chromium(900, 700) as d:
        d.get(url + "page.html")  # docs/embedding.md's page, the package's own files
        wait_for(
            d, "return document.querySelector('mrv-date')?.shadowRoot?.textContent?.includes(arguments[0])",
            "the documented page's inline date", LINE_2002)
        print("element: docs/embedding.md's page shows the date from the package's files")
        (pathlib.Path(app) / "element.html").write_text(PAGE)
        for dark in (False, True):
            emulate(d, DESKTOP, dark)
            d.get(url + "element.html")
            shown(d, "inline", LINE_2002)
            shown(d, "refusal", NOT_A_DATE.format("753 BC"))
            interactive(d)
            found = axe_violations(d)
            assert not found, f"axe-core ({'dark' if dark else 'light'}): {found}"
            background = d.execute_script(
                "return getComputedStyle(document.getElementById('form')).backgroundColor")
            assert (background == "rgb(43, 43, 43)") == dark, f"background {background} when dark is {dark}"
            result = d.execute_script("const f = document.getElementById('form');"
                                      "f.style.setProperty('--mrv-date-result-color', 'rgb(0, 0, 255)');"
                                      "return getComputedStyle(f.shadowRoot.querySelector('output')).color")
            assert result == "rgb(0, 0, 255)", f"the page's result colour gives {result}"
            print(f"element: inline, refusal, interactive by keys, axe-core clean ({'dark' if dark else 'light'})")
            if len(sys.argv) > 2:
                d.save_screenshot(f"{sys.argv[2]}/element-{'dark' if dark else 'light'}.png")


if __name__ == "__main__":
    main(sys.argv[1])
