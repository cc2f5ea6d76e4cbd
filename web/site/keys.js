'use strict';
// The keyboard: access keys, Enter, and the access keys' underlined letters
// on a touch screen; and the on-screen keyboard the date box asks for.
{
  const MRV = window.MRV;
  const { chooseCalendar, cmdConvert_Click } = MRV.frmMRVDate;
  const root = document.documentElement;

  // Access keys act at once, on the key going down, so keys typed right
  // after them reach the control they chose. Enter converts from anywhere.
  // Each is the letter after the "&" of its control's caption (texts.js).
  const captions = window.mrvTexts.frmMRVDate;
  const letter = (caption) => /&([^&])/.exec(caption)[1].toLowerCase();
  const accessKeys = {
    [letter(captions.optDate[0])]: () => chooseCalendar(0),
    [letter(captions.optDate[1])]: () => chooseCalendar(1),
    [letter(captions.optDate[2])]: () => chooseCalendar(2),
    [letter(captions.Frame1)]: MRV.focus.giveFocusToInputBox,
    [letter(captions.cmdConvert)]: cmdConvert_Click,
    [letter(captions.mnuHelp)]: MRV.commands.open,
  };
  // A menu entry's shortcut with Ctrl is the design's (the markup's data-ctrl-key).
  const shortcut = (e) => e.ctrlKey && !e.altKey &&
    MRV.menuEntries.find((entry) => entry.dataset.ctrlKey === e.key.toLowerCase());
  document.addEventListener('keydown', (e) => {
    if (MRV.modalKey(e) || MRV.menuOpen()) return;
    const entry = shortcut(e);
    if (entry) {
      e.preventDefault();
      MRV.commands[entry.id]();
    }
    if (e.ctrlKey || e.metaKey) return;
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

  // The touch layout underlines the access keys once a keyboard's Alt or Tab
  // is used (an on-screen keyboard has neither), until the next touch.
  document.addEventListener('keydown', (e) => {
    if (e.altKey || e.key === 'Tab') root.dataset.keyboard = 'true';
  }, true);
  document.addEventListener('pointerdown', (e) => {
    if (e.pointerType === 'touch') delete root.dataset.keyboard;
  }, true);

  // The iPhone's decimal pad has no minus sign, which BC and BW dates need:
  // there the full keyboard, whose number row has digits, point and minus.
  if (/\biP(hone|od)\b/.test(navigator.userAgent)) {
    document.getElementById('txtInputBox').inputMode = 'text';
  }
}
