// The WebAssembly core, compiled once for every caller in the page or the
// process, and the passing of texts into and out of its memory.
import createCore from './core.js';

let core = null;
let loading = null;

export function load() {
  loading ??= Promise.resolve(createCore()).then((made) => {
    core = made;
  });
  return loading;
}

export function loaded() {
  if (!core) throw new Error('mrvdate: await load() before converting');
  return core;
}

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Calls `call(at, length, separatorAt)` with the entry and the separator in
// the core's memory (each NUL-terminated) and frees them after.
export function withTexts(entry, separator, call) {
  const c = loaded();
  const bytes = encoder.encode(entry);
  const sep = encoder.encode(separator);
  const at = c._malloc(bytes.length + sep.length + 2);
  c.HEAPU8.set(bytes, at);
  c.HEAPU8[at + bytes.length] = 0;
  c.HEAPU8.set(sep, at + bytes.length + 1);
  c.HEAPU8[at + bytes.length + 1 + sep.length] = 0;
  try {
    return call(at, bytes.length, at + bytes.length + 1);
  } finally {
    c._free(at);
  }
}

export function text(at) {
  const heap = loaded().HEAPU8;
  return decoder.decode(heap.subarray(at, heap.indexOf(0, at)));
}

export function calendarNumber(calendar) {
  const number = typeof calendar === 'string' ? ['sc', 'ey', 'aw'].indexOf(calendar.toLowerCase()) : -1;
  if (number < 0) {
    throw new TypeError(`mrvdate: calendar must be "sc", "ey" or "aw", not ${JSON.stringify(calendar) ?? String(calendar)}`);
  }
  return number;
}
