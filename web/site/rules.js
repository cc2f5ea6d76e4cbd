'use strict';
// The main window's rules and the conversion, compiled to WebAssembly
// (mrvcore.js), bound to the page: MRV.rulesReady settles with them once
// the core can run; until then the page works and its events wait (app.js).
// Each event answers the effects the window must carry out, in order.
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

  // The effects as window_rules.cpp writes them: each a name of a byte's
  // length, a 32-bit index, then text, control, title and icon, each a
  // 32-bit length and its UTF-8.
  function effectsAt(core, at, length) {
    const bytes = core.HEAPU8.slice(at, at + length);
    const view = new DataView(bytes.buffer);
    const decoder = new TextDecoder();
    let i = 0;
    const text = (n) => decoder.decode(bytes.subarray(i, (i += n)));
    const number = () => view.getInt32((i += 4) - 4, true);
    const effects = [];
    while (i < bytes.length) {
      const kind = text(bytes[i++]);
      const index = number();
      const [value, control, title, icon] = [0, 1, 2, 3].map(() => text(number()));
      effects.push({ kind, index, text: value, control, title, icon });
    }
    return effects;
  }

  // The rules' C functions over the core's memory; text goes in as UTF-8.
  function rulesOf(core) {
    const encoder = new TextEncoder();
    const separator = encoder.encode(decimalSeparator() + '\0');
    const separatorAt = core._malloc(separator.length);
    core.HEAPU8.set(separator, separatorAt);
    let buffer = 0;
    let capacity = 0;
    const answer = (length) => effectsAt(core, core._mrv_effects(), length);
    const cmdConvert_Click = (option, entry) => {
      const bytes = encoder.encode(entry);
      if (bytes.length + 1 > capacity) {
        core._free(buffer);
        capacity = bytes.length * 2 + 16;
        buffer = core._malloc(capacity);
      }
      core.HEAPU8.set(bytes, buffer);
      return answer(core._mrv_cmdConvert_Click(option, buffer, bytes.length, separatorAt));
    };
    return {
      optDate_Click: (index) => answer(core._mrv_optDate_Click(index)),
      txtInputBox_Change: () => answer(core._mrv_txtInputBox_Change()),
      txtInputBox_GotFocus: () => answer(core._mrv_txtInputBox_GotFocus()),
      cmdConvert_Click,
      mnuHelp_Click: (command) => answer(core._mrv_mnuHelp_Click(command)),
    };
  }

  // The core's script comes async (index.html), so the page shows and
  // takes typing while it loads; it compiles without blocking either.
  const coreScript = document.getElementById('mrvcore');
  const loaded = window.mrvCoreReady ? Promise.resolve()
    : new Promise((resolve) => coreScript.addEventListener('load', resolve));
  window.MRV.rulesReady = loaded.then(() => window.mrvCoreReady).then(rulesOf);
}
