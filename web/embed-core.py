"""Writes the page's mrvcore.js: the loader template with the core's
WebAssembly inside, gzip-compressed (which shrinks it to some 60 %) and
then base64-encoded, with no file time, so a build gives the same bytes.
Usage: embed-core.py MODULE.wasm TEMPLATE OUT"""
import base64
import gzip
import pathlib
import sys

wasm, template, out = (pathlib.Path(a) for a in sys.argv[1:])
packed = base64.b64encode(gzip.compress(wasm.read_bytes(), compresslevel=9, mtime=0)).decode("ascii")
out.write_text(template.read_text().replace("@MRV_CORE_WASM@", packed))
