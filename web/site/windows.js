'use strict';
// The modal windows: the message box, Instructions and About. Each hands the
// focus back through a callback, so the main window decides whether the
// date box selects its entry (app.js).
window.MRV = {};
{
  const $ = (id) => document.getElementById(id);
  let current = null; // the open modal window: { dialog, ok, closed }
  // True while the browser hands the focus back by itself on closing a
  // dialog: that is no "got focus" of the date box.
  const state = { quiet: false };

  // Shows a dialog modally with its OK button focused; `closed` runs once it
  // is gone. Escape closes only the message box, whose one button is OK.
  function showModal(dialog, ok, closed) {
    current = { dialog, ok, closed };
    dialog.showModal();
    ok.focus();
  }

  function closeModal() {
    const shown = current;
    if (!shown) return;
    current = null;
    state.quiet = true;
    shown.dialog.close();
    state.quiet = false;
    shown.closed();
  }

  for (const id of ['msgBox', 'frmInstructions', 'frmAbout']) {
    $(id + '_cmdOK').addEventListener('click', closeModal);
    // Escape is the browser's cancel; these windows have no cancel button.
    $(id).addEventListener('cancel', (e) => e.preventDefault());
  }
  $('frmInstructions_txtInstructions').addEventListener('mousedown', (e) => e.preventDefault());

  // Keys while a modal window is open: Enter and Space press the focused
  // button (the browser's own), Alt+O presses OK, Escape closes the message
  // box only. Nothing reaches the main window.
  function modalKey(e) {
    if (!current) return false;
    const key = e.key.toLowerCase();
    if (key === 'escape') {
      e.preventDefault();
      if (current.dialog.id === 'msgBox') closeModal();
    } else if (e.altKey && !e.ctrlKey && (key === 'o' || e.code === 'KeyO')) {
      e.preventDefault();
      if (current.dialog.id !== 'msgBox') current.ok.click();
    } else if (key === 'enter' && !(document.activeElement instanceof HTMLButtonElement ||
                                     document.activeElement instanceof HTMLAnchorElement)) {
      e.preventDefault();
      current.ok.click();
    }
    return true;
  }

  // A refusal: `icon` is "critical" or "information".
  function messageBox(text, title, icon, closed) {
    $('msgBox_title').textContent = title;
    $('msgBox_text').textContent = text;
    $('msgBox_icon').className = 'msgIcon ' + icon;
    showModal($('msgBox'), $('msgBox_cmdOK'), closed);
  }

  Object.assign(window.MRV, { state, showModal, modalKey, messageBox });
}
