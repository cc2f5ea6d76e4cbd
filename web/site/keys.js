'use strict';
// The keyboard: access keys and Enter.
{
  const MRV = window.MRV;
  const { chooseCalendar, cmdConvert_Click } = MRV.frmMRVDate;

  // Access keys act at once, on the key going down, so keys typed right
  // after them reach the control they chose. Enter converts from anywhere.
  const accessKeys = {
    s: () => chooseCalendar(0),
    e: () => chooseCalendar(1),
    a: () => chooseCalendar(2),
    d: MRV.focus.giveFocusToInputBox,
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

}
