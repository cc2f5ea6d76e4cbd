"""How soon the page can convert, against a plain page with the same
controls and no WebAssembly (the same files with plain-core.js standing in
for the core), in the same headless Chromium, loaded in turn for ROUNDS
rounds with the browser's caches and the service worker bypassed, as at a
first visit. Also the weight of what the page loads before it can convert,
and the longest task on its main thread while it loads with the processor
slowed 4x (tasks.py), against the plain page's in the same rounds.
Usage: readiness.py SITE_FOLDER [ROUNDS [SLOW_ROUNDS]]"""
import pathlib
import shutil
import statistics
import sys
import tempfile

here = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent.parent / "tests" / "web"))
from browser import chromium, static_server, watch_ready  # noqa: E402
from tasks import longest_tasks  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

site = pathlib.Path(sys.argv[1]).resolve()
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 40
slow_rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 10

READY = "return window.readyObservedAt"
WEIGHT = """
  return [performance.getEntriesByType('navigation')[0], ...performance.getEntriesByType('resource')]
    .filter((e) => e.startTime <= window.readyObservedAt && !e.name.includes('/pictures/'))
    .reduce((sum, e) => sum + e.decodedBodySize, 0);"""


def ready_after(d, url):
    """Milliseconds from the start of the navigation until the page can convert."""
    d.get("about:blank")
    d.get(url)
    return WebDriverWait(d, 20).until(lambda d: d.execute_script(READY))


with tempfile.TemporaryDirectory() as root:
    root = pathlib.Path(root)
    shutil.copytree(site, root / "page")
    shutil.copytree(site, root / "plain")
    shutil.copy(here / "plain-core.js", root / "plain" / "mrvcore.js")
    with static_server(root) as (_, url), chromium() as d:
        watch_ready(d)
        d.execute_cdp_cmd("Network.enable", {})
        d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        d.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        times = {"page": [], "plain": []}
        for _ in range(3):  # warm-up: the browser's own first-load costs
            ready_after(d, url + "page/")
            ready_after(d, url + "plain/")
        for _ in range(rounds):
            for name in times:
                times[name].append(ready_after(d, url + name + "/"))
        ready_after(d, url + "page/")
        weight = d.execute_script(WEIGHT)
        anchor_weight = 0
        ready_after(d, url + "plain/")
        anchor_weight = d.execute_script(WEIGHT)
        d.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        longest = {"page": [], "plain": []}
        for _ in range(slow_rounds):
            for name in longest:
                longest[name].append(longest_tasks(d, url + name + "/", READY))

page = statistics.median(times["page"])
plain = statistics.median(times["plain"])
print(f"ready to convert: page {page:.1f} ms, plain page {plain:.1f} ms: {page / plain:.2f}x "
      f"(median of {rounds} interleaved loads each; goal <= 1.2x)")
print(f"loaded before it can convert, pictures aside: {weight} bytes ({weight / 1024:.1f} KiB) uncompressed; "
      f"plain page {anchor_weight} bytes (goal <= 100 KB)")
for which, what in enumerate(("any task", "a task running the page's scripts or WebAssembly")):
    page_task, plain_task = (statistics.median(t[which] for t in longest[name]) for name in ("page", "plain"))
    print(f"longest main-thread task while loading, processor slowed 4x, {what}: page {page_task:.1f} ms "
          f"(longest of all {max(t[which] for t in longest['page']):.1f} ms), plain page {plain_task:.1f} ms "
          f"(longest of all {max(t[which] for t in longest['plain']):.1f} ms): {page_task / plain_task:.2f}x "
          f"(median of {slow_rounds} interleaved loads each; goal <= 50 ms)")
