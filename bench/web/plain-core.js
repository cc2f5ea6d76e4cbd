'use strict';
// The anchor page's stand-in for the core: the same functions over a plain
// byte array, no WebAssembly. It answers every entry with the entry itself
// ("0" as the year zero), and the window's rules with no effects: enough
// for the page to load as it does.
var createMrvCore = () => {
  const HEAPU8 = new Uint8Array(1 << 16);
  const encoder = new TextEncoder();
  let top = 16;
  const put = (bytes) => {
    const at = top;
    HEAPU8.set(bytes, at);
    HEAPU8[at + bytes.length] = 0;
    top += bytes.length + 1;
    return at;
  };
  const texts = [1, 2].map(() => [put(encoder.encode('refused')), put(encoder.encode('Refused'))]);
  let line = 0;
  let length = 0;
  return Promise.resolve({
    HEAPU8,
    _malloc: (n) => { const at = top; top += n; return at; },
    _free: () => {},
    _mrv_refusal_text: (kind, part) => texts[kind - 1][part],
    _mrv_convert: (calendar, at, n) => {
      if (n === 1 && HEAPU8[at] === 48) return 2;
      line = at;
      length = n;
      return 0;
    },
    _mrv_result_line: () => line,
    _mrv_result_length: () => length,
    // The window's rules: every event answers no effects.
    _mrv_effects: () => 0,
    _mrv_optDate_Click: () => 0,
    _mrv_txtInputBox_Change: () => 0,
    _mrv_txtInputBox_GotFocus: () => 0,
    _mrv_cmdConvert_Click: () => 0,
    _mrv_mnuHelp_Click: () => 0,
  });
};
window.mrvCoreReady = createMrvCore();
