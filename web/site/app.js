'use strict';
// The main window frmMRVDate: its handlers, named as the window's, on the
// conversion compiled to WebAssembly (mrvcore.js) and the modal windows and
// menu of windows.js.
(() => {
  const $ = (id) => document.getElementById(id);
  const MRV = window.MRV;
  const txtInputBox = $('txtInputBox');
  const cmdConvert = $('cmdConvert');
  const lblDateBox = $('lblDateBox');
  const lblDatePrefix = $('lblDatePrefix');
  const optDate = [0, 1, 2].map((i) => $('optDate' + i));
  const prefixes = ['SC', 'EY', 'AW'];
  const calendarNames = ['Space Century', 'Earth Year', 'After War'];

  let awaitingFirstEntry = true;

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

  // The core's C functions over its memory; text goes in and out as UTF-8.
  function converterOf(core) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const separator = encoder.encode(decimalSeparator() + '\0');
    const separatorAt = core._malloc(separator.length);
    core.HEAPU8.set(separator, separatorAt);
    let buffer = 0;
    let capacity = 0;
    const cString = (at) => decoder.decode(core.HEAPU8.subarray(at, core.HEAPU8.indexOf(0, at)));
    const refusals = [1, 2].map((kind) => ({
      text: cString(core._mrv_refusal_text(kind, 0)),
      title: cString(core._mrv_refusal_text(kind, 1)),
    }));
    const convert = (calendar, text) => {
      const bytes = encoder.encode(text);
      if (bytes.length + 1 > capacity) {
        core._free(buffer);
        capacity = bytes.length * 2 + 16;
        buffer = core._malloc(capacity);
      }
      core.HEAPU8.set(bytes, buffer);
      const kind = core._mrv_convert(calendar, buffer, bytes.length, separatorAt);
      if (kind !== 0) return { kind };
      const at = core._mrv_result_line();
      return { kind, line: decoder.decode(core.HEAPU8.subarray(at, at + core._mrv_result_length())) };
    };
    return { convert, outOfRange: refusals[0], yearZero: refusals[1] };
  }

  let converter = null;
  // Compiled as the page loads; the factory hands back the module, whose
  // `ready` settles once it can run.
  const made = window.createMrvCore();
  const ready = Promise.resolve(made.ready || made).then((core) => {
    converter = converterOf(core);
    window.mrvReadyAt = performance.now();
    document.documentElement.dataset.ready = 'true';
  });

  // Focus: the date box selects its whole entry whenever it receives the
  // focus, except when the focus merely comes back to it (from another
  // window or tab, a dialog, the menu).
  let quiet = false;
  let windowLeft = false;
  function txtInputBox_GotFocus() {
    txtInputBox.select();
  }
  txtInputBox.addEventListener('focus', () => {
    const returning = quiet || MRV.state.quiet || windowLeft;
    windowLeft = false;
    if (!returning) txtInputBox_GotFocus();
  });
  window.addEventListener('blur', () => {
    windowLeft = document.activeElement === txtInputBox;
  });
  document.addEventListener('focusin', (e) => {
    if (e.target !== txtInputBox) windowLeft = false;
  });

  // Gives the date box the focus; one that already has it raises no "got
  // focus", as in the window.
  function giveFocusToInputBox() {
    if (document.activeElement !== txtInputBox) txtInputBox.focus();
  }

  // Puts the focus back without selecting anything: caret and selection as
  // they were when it left.
  function returnFocus(to) {
    const start = txtInputBox.selectionStart;
    const end = txtInputBox.selectionEnd;
    const direction = txtInputBox.selectionDirection;
    quiet = true;
    const usable = to && to !== document.body && to.isConnected && !to.closest('[hidden]');
    (usable ? to : txtInputBox).focus();
    quiet = false;
    if (document.activeElement === txtInputBox) txtInputBox.setSelectionRange(start, end, direction);
  }

  function setResult(line) {
    lblDateBox.textContent = line;
  }

  function optDate_Click(index) {
    if (index >= 0 && index < 3) {
      lblDatePrefix.textContent = prefixes[index];
      $('lblDatePrefixSpoken').textContent = 'on the ' + calendarNames[index] + ' calendar';
    }
    awaitingFirstEntry = false;
    giveFocusToInputBox();
  }

  function txtInputBox_Change() {
    if (awaitingFirstEntry) {
      optDate[0].checked = true;
      optDate_Click(0);
      awaitingFirstEntry = false;
    }
  }

  function cmdConvert_Click() {
    if (!converter) {
      ready.then(cmdConvert_Click);
      return;
    }
    const outcome = converter.convert(optDate.findIndex((o) => o.checked), txtInputBox.value);
    if (outcome.kind === 0) {
      setResult(outcome.line);
      // Convert, then the date box: the box gets the focus again and selects.
      if (document.activeElement === txtInputBox) txtInputBox_GotFocus();
      else txtInputBox.focus();
    } else if (outcome.kind === 1) {
      ShowOutOfRange();
    } else {
      // The year-zero notice leaves the entry as typed.
      const { text, title } = converter.yearZero;
      MRV.messageBox(text, title, 'information', () => {
        setResult('');
        returnFocus(txtInputBox);
      });
    }
  }

  function ShowOutOfRange() {
    const { text, title } = converter.outOfRange;
    MRV.messageBox(text, title, 'critical', () => {
      setResult('');
      returnFocus(txtInputBox);
      txtInputBox_GotFocus();
    });
  }

  txtInputBox.addEventListener('input', txtInputBox_Change);
  cmdConvert.addEventListener('click', cmdConvert_Click);
  optDate.forEach((option, index) => option.addEventListener('click', () => optDate_Click(index)));

  // The Help menu's commands; each puts the focus back where it was.
  let beforeMenu = null;
  const leaveMenu = () => returnFocus(beforeMenu);
  MRV.commands.open = () => {
    beforeMenu = document.activeElement;
    MRV.openMenu(leaveMenu);
  };
  MRV.commands.mnuHelpInstructions = () =>
    MRV.showModal($('frmInstructions'), $('frmInstructions_cmdOK'), leaveMenu);
  MRV.commands.mnuHelpAbout = () => MRV.showModal($('frmAbout'), $('frmAbout_cmdOK'), leaveMenu);
  MRV.commands.mnuHelpWebsite = () =>
    window.open($('mnuHelpWebsite').dataset.href, '_blank', 'noopener');

  // Access keys act at once, on the key going down, so keys typed right
  // after them reach the control they chose. Enter converts from anywhere.
  const accessKeys = {
    s: () => { optDate[0].checked = true; optDate_Click(0); },
    e: () => { optDate[1].checked = true; optDate_Click(1); },
    a: () => { optDate[2].checked = true; optDate_Click(2); },
    d: giveFocusToInputBox,
    c: cmdConvert_Click,
    h: MRV.commands.open,
  };
  document.addEventListener('keydown', (e) => {
    if (MRV.modalKey(e) || MRV.menuOpen() || e.ctrlKey || e.metaKey) return;
    if (e.altKey) {
      // The letter as typed, or where no letter comes with Alt (macOS), the key's place.
      const key = /^[a-z]$/i.test(e.key) ? e.key.toLowerCase() : e.code.replace(/^Key/, '').toLowerCase();
      const act = accessKeys[key];
      if (act) {
        e.preventDefault();
        act();
      }
    } else if (e.key === 'Enter' && !e.isComposing) {
      e.preventDefault();
      cmdConvert_Click();
    }
  });

  // One of the seven pictures, drawn afresh at every load.
  const picture = Math.floor(Math.random() * 7);
  const imgMain = $('imgMainPicture');
  imgMain.dataset.index = String(picture);
  imgMain.src = 'pictures/library' + picture + '.png';

  // Narrower than the window: scale it down to the screen.
  const stage = $('stage');
  const frame = $('frmMRVDate');
  function fit() {
    frame.style.transform = '';
    stage.style.width = stage.style.height = '';
    const width = frame.offsetWidth;
    const height = frame.offsetHeight;
    const scale = Math.min(1, (document.documentElement.clientWidth - 16) / width);
    if (scale < 1) {
      frame.style.transform = 'scale(' + scale + ')';
      stage.style.width = width * scale + 'px';
      stage.style.height = height * scale + 'px';
    }
  }
  fit();
  window.addEventListener('resize', fit);
  txtInputBox.focus();

  // Installable and offline where the page is served; a page opened from a
  // folder has neither (and asking would only fill the console).
  if (/^https?:$/.test(location.protocol)) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator) {
      window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
    }
  }
})();
