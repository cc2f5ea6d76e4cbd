'use strict';
// The date box's focus: it tells the main window (app.js) whenever it
// receives the focus, except when the focus merely comes back to it (from
// another window or tab, a dialog, the menu).
{
  const MRV = window.MRV;
  const txtInputBox = document.getElementById('txtInputBox');
  let quiet = false;
  let windowLeft = false;

  txtInputBox.addEventListener('focus', () => {
    const returning = quiet || MRV.state.quiet || windowLeft;
    windowLeft = false;
    if (!returning) MRV.frmMRVDate.txtInputBox_GotFocus();
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

  MRV.focus = { giveFocusToInputBox, returnFocus };
}
