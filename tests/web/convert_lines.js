'use strict';
// The batch converter's line format, on the WebAssembly core under Node:
// each line of standard input (one trailing "\r" removed) is converted and
// answered with its result line or the refusal's message, byte for byte as
// mrvdate-convert --from CALENDAR writes it.
// Usage: node convert_lines.js MRVCORE_JS sc|ey|aw SEPARATOR < entries
const fs = require('fs');
const path = require('path');

const [modulePath, calendarName, separator] = process.argv.slice(2);
const calendar = { sc: 0, ey: 1, aw: 2 }[calendarName];
if (calendar === undefined || !separator) {
  process.stderr.write('usage: node convert_lines.js MRVCORE_JS sc|ey|aw SEPARATOR < entries\n');
  process.exit(2);
}

const made = require(path.resolve(modulePath))();
Promise.resolve(made.ready || made).then((core) => {
  const input = fs.readFileSync(0);
  const sep = Buffer.from(separator + '\0');
  const sepAt = core._malloc(sep.length);
  core.HEAPU8.set(sep, sepAt);
  const cString = (at) => Buffer.from(core.HEAPU8.subarray(at, core.HEAPU8.indexOf(0, at)));
  const refusals = [null, cString(core._mrv_refusal_text(1, 0)), cString(core._mrv_refusal_text(2, 0))];
  let capacity = 1 << 16;
  let buffer = core._malloc(capacity);

  const out = Buffer.alloc(1 << 20);
  let used = 0;
  const flush = () => {
    fs.writeSync(1, out, 0, used);
    used = 0;
  };
  const write = (bytes) => {
    if (used + bytes.length + 1 > out.length) flush();
    if (bytes.length + 1 > out.length) {
      fs.writeSync(1, bytes);
    } else {
      out.set(bytes, used);
      used += bytes.length;
    }
    out[used++] = 10;
  };

  let start = 0;
  while (start < input.length) {
    let end = input.indexOf(10, start);
    if (end < 0) end = input.length;
    let last = end;
    if (last > start && input[last - 1] === 13) last--;
    const length = last - start;
    if (length + 1 > capacity) {
      core._free(buffer);
      capacity = length * 2;
      buffer = core._malloc(capacity);
    }
    core.HEAPU8.set(input.subarray(start, last), buffer);
    const kind = core._mrv_convert(calendar, buffer, length, sepAt, 1); // read as --lenient
    if (kind === 0) {
      const at = core._mrv_result_line();
      write(core.HEAPU8.subarray(at, at + core._mrv_result_length()));
    } else {
      write(refusals[kind]);
    }
    start = end + 1;
  }
  flush();
});
