"""Lighthouse's four scores for the page on a phone (its default: a mid-range
phone on a slow 4G network, simulated), served from 127.0.0.1 by the same
static server as the tests, in RUNS runs (5 by default), one after the
other, each in a fresh browser; and the audits that cost points.
Usage: lighthouse.py SITE_FOLDER [RUNS] (Lighthouse installed by npm ci in bench/web)"""
import json
import os
import pathlib
import subprocess
import sys

here = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent.parent / "tests" / "web"))
from browser import static_server  # noqa: E402

CATEGORIES = ("performance", "accessibility", "best-practices", "seo")

runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5


def lighthouse(url):
    run = subprocess.run(
        [str(here / "node_modules" / ".bin" / "lighthouse"), url, "--output=json", "--output-path=stdout", "--quiet",
         "--only-categories=" + ",".join(CATEGORIES),
         "--chrome-flags=--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage"],
        env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"), capture_output=True, text=True, check=True)
    return json.loads(run.stdout)


with static_server(pathlib.Path(sys.argv[1]).resolve()) as (_, url):
    for number in range(1, runs + 1):
        report = lighthouse(url)
        print(f"Lighthouse {report['lighthouseVersion']}, mobile, run {number} of {runs}: " + ", ".join(
            f"{name} {round(report['categories'][name]['score'] * 100)}" for name in CATEGORIES))
        for name in CATEGORIES:
            for ref in report["categories"][name]["auditRefs"]:
                audit = report["audits"][ref["id"]]
                if ref["weight"] and audit["score"] is not None and audit["score"] < 1:
                    print(f"  {name}: {audit['title']} ({audit.get('displayValue') or audit['score']})")
