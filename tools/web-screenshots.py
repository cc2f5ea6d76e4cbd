"""Renders the built page as the README shows it, a conversion made, to PNG:
on a desktop (1024 x 768, the window cut out) and on a phone (390 px wide at
twice its pixels, down to the picture), each light and dark.
Usage: web-screenshots.py SITE_FOLDER OUT_FOLDER"""
import base64
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import chromium, static_server  # noqa: E402
from touch import DESKTOP, PHONE, emulate, wait_for  # noqa: E402

site, out = (pathlib.Path(a).resolve() for a in sys.argv[1:3])
out.mkdir(parents=True, exist_ok=True)
SHOW = """
const picture = document.getElementById('imgMainPicture');
picture.srcset = 'pictures/library3.png 1x, pictures/library3@2x.png 2x, pictures/library3@3x.png 3x';
picture.src = 'pictures/library3.png';
document.getElementById('optDate0').click();
document.getElementById('txtInputBox').value = '361.98';
document.getElementById('cmdConvert').click();
document.activeElement.blur();"""

with static_server(site) as (_, url), chromium() as d:
    for name, screen in (("", DESKTOP), ("-phone", dict(PHONE, deviceScaleFactor=2))):
        for scheme in ("light", "dark"):
            emulate(d, screen, scheme == "dark")
            d.get(url)
            wait_for(d, "return document.documentElement.dataset.ready", "the page")
            d.execute_script(SHOW)
            wait_for(d, "return document.getElementById('imgMainPicture').complete", "the picture")
            clip = {"x": 0, "y": 0, "width": screen["width"], "height": screen["height"], "scale": 1}
            # The desktop's window with a margin of the page; the phone's screen
            # down to the window's end.
            box = d.execute_script("""
                const r = document.getElementById('frmMRVDate').getBoundingClientRect();
                return [r.left - 24, r.top - 24, r.width + 48, r.height + 48];""")
            if screen is DESKTOP:
                clip.update(zip(("x", "y", "width", "height"), box))
            else:
                clip["height"] = min(clip["height"], box[1] + box[3] - 24)
            shot = d.execute_cdp_cmd("Page.captureScreenshot", {"format": "png", "clip": clip})
            path = out / f"screenshot-web{name}-{scheme}.png"
            path.write_bytes(base64.b64decode(shot["data"]))
            print(path)
