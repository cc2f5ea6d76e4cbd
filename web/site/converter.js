'use strict';
// The conversion compiled to WebAssembly (mrvcore.js), bound to the page:
// MRV.converterReady settles with the converter once the core can run;
// until then the page works and a Convert waits for it (app.js).
{
  // Numbers are written with the separator of the browser's language.
  function decimalSeparator() {
    try {
      const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
        .find((p) => p.type === 'decimal');
      if (part) return part.value;
    } catch (e) {
      // an unknown language tag: the plain point
    }
    return '.';
  }

  // The core's outcomes, by the values it gives them.
  window.MRV.Outcome = { Converted: 0, OutOfRange: 1, YearZero: 2, NotANumber: 3, NothingTyped: 4 };

  // The core's C functions over its memory; text goes in and out as UTF-8.
  // The entry is read by the core's rule for typed entries, with the
  // separator numbers are written with.
  function converterOf(core) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const separator = encoder.encode(decimalSeparator() + '\0');
    const separatorAt = core._malloc(separator.length);
    core.HEAPU8.set(separator, separatorAt);
    let buffer = 0;
    let capacity = 0;
    const convert = (calendar, text) => {
      const bytes = encoder.encode(text);
      if (bytes.length + 1 > capacity) {
        core._free(buffer);
        capacity = bytes.length * 2 + 16;
        buffer = core._malloc(capacity);
      }
      core.HEAPU8.set(bytes, buffer);
      const kind = core._mrv_convert(calendar, buffer, bytes.length, separatorAt, 0);
      // The result line, or the message that names the entry.
      const at = core._mrv_result_line();
      return { kind, text: decoder.decode(core.HEAPU8.subarray(at, at + core._mrv_result_length())) };
    };
    return { convert };
  }

  // The core's script comes async (index.html), so the page shows and
  // takes typing while it loads; it compiles without blocking either.
  const coreScript = document.getElementById('mrvcore');
  const loaded = window.mrvCoreReady ? Promise.resolve()
    : new Promise((resolve) => coreScript.addEventListener('load', resolve));
  window.MRV.converterReady = loaded.then(() => window.mrvCoreReady).then(converterOf);
}
