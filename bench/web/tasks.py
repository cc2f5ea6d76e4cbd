"""The longest task on the page's main thread while it loads, from the
browser's own timeline trace, taken through its DevTools endpoint (the
Tracing domain, over Debian's trio-websocket): every top-level task of the
page's renderer main thread from its navigation until it is ready and its
load event has run; and the longest of those that ran the page's own
scripts or its WebAssembly (the others are the browser's own: committing
the navigation, parsing, style, layout and paint)."""
import itertools
import json

import trio
from selenium.webdriver.support.ui import WebDriverWait
from trio_websocket import open_websocket_url

CATEGORIES = "toplevel,blink.user_timing,devtools.timeline,__metadata"
TASK = "ThreadControllerImpl::RunTask"
SCRIPT = {"EvaluateScript", "FunctionCall", "v8.compileModule", "v8.wasm.compiledModule", "v8.wasm.streamFromResponseCallback"}


async def _traced(url, load):
    """The trace events recorded while `load()` runs (in a thread)."""
    ids = itertools.count(1)
    events = []
    async with open_websocket_url(url, max_message_size=1 << 28) as ws:
        async def send(method, **params):
            await ws.send_message(json.dumps({"id": next(ids), "method": method, "params": params}))

        async def until(method):
            while True:
                message = json.loads(await ws.get_message())
                if message.get("method") == "Tracing.dataCollected":
                    events.extend(message["params"]["value"])
                if message.get("method") == method or (method is None and "id" in message):
                    return message

        await send("Tracing.start", traceConfig={"includedCategories": CATEGORIES.split(",")},
                   transferMode="ReportEvents")
        await until(None)
        await trio.to_thread.run_sync(load)
        await send("Tracing.end")
        await until("Tracing.tracingComplete")
    return events


def longest_tasks(driver, url, ready_script):
    """Milliseconds of the longest main-thread task of loading `url`, and
    of the longest one that ran the page's code."""
    driver.get("about:blank")

    def load():
        driver.get(url)
        WebDriverWait(driver, 60).until(lambda d: d.execute_script(ready_script)
                                        and d.execute_script("return document.readyState") == "complete")

    events = trio.run(_traced, driver.devtools_url, load)
    main = {(e["pid"], e["tid"]) for e in events
            if e.get("name") == "thread_name" and e.get("args", {}).get("name") == "CrRendererMain"}
    starts = [e for e in events if e.get("name") == "navigationStart"
              and e.get("args", {}).get("data", {}).get("documentLoaderURL", "").startswith(url)]
    if not starts:
        raise RuntimeError(f"no navigation to {url} in the trace")
    start = starts[-1]
    thread = [e for e in events if e["pid"] == start["pid"] and (e["pid"], e["tid"]) in main
              and e.get("ph") == "X" and e["ts"] >= start["ts"]]
    tasks = [e for e in thread if e.get("name") == TASK]
    scripts = [e["ts"] for e in thread if e.get("name") in SCRIPT]
    ran_script = [t for t in tasks if any(t["ts"] <= at <= t["ts"] + t.get("dur", 0) for at in scripts)]

    def longest(of):
        return max((e.get("dur", 0) / 1000 for e in of), default=0.0)

    return longest(tasks), longest(ran_script)
