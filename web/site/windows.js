'use strict';
// The modal windows (message box, Instructions, About) and the Help menu.
// Each hands the focus back through a callback, so the main window decides
// whether the date box selects its entry (app.js).
window.MRV = (() => {
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

  // The Help menu: Alt+H or a click opens it with its first entry focused;
  // arrows move, Enter or an entry's letter chooses, Escape or Tab leaves.
  const mnuHelp = $('mnuHelp');
  const menu = $('mnuHelpMenu');
  const entries = [...menu.querySelectorAll('[role=menuitem]')];
  let leaveMenu = () => {};

  function menuOpen() {
    return !menu.hidden;
  }

  // `left` puts the focus back where it was when the menu opened.
  function openMenu(left) {
    if (menuOpen()) return;
    leaveMenu = left;
    menu.hidden = false;
    mnuHelp.setAttribute('aria-expanded', 'true');
    entries[0].focus();
  }

  function closeMenu(restore) {
    if (!menuOpen()) return;
    menu.hidden = true;
    mnuHelp.setAttribute('aria-expanded', 'false');
    if (restore) leaveMenu();
  }

  const commands = {};
  function choose(entry) {
    closeMenu(entry.id === 'mnuHelpWebsite');
    commands[entry.id]();
  }

  // The button never takes the focus from the control that has it.
  mnuHelp.addEventListener('mousedown', (e) => e.preventDefault());
  mnuHelp.addEventListener('click', () => (menuOpen() ? closeMenu(true) : commands.open()));
  for (const entry of entries) {
    entry.addEventListener('click', () => choose(entry));
    entry.addEventListener('mouseenter', () => entry.focus());
  }
  menu.addEventListener('keydown', (e) => {
    const at = entries.indexOf(document.activeElement);
    const key = e.key.toLowerCase();
    const move = { arrowdown: at + 1, arrowup: at - 1, home: 0, end: entries.length - 1 }[key];
    const letter = entries.find((entry) => entry.dataset.key === key);
    e.stopPropagation();
    if (move !== undefined) {
      entries[(move + entries.length) % entries.length].focus();
    } else if (key === 'enter' || key === ' ') {
      if (at >= 0) choose(entries[at]);
    } else if (letter && !e.ctrlKey) {
      choose(letter);
    } else if (key === 'escape' || key === 'tab' || (e.altKey && (key === 'h' || key === 'alt'))) {
      closeMenu(true);
    } else {
      return; // other keys do nothing, and stay the browser's
    }
    e.preventDefault();
  });
  document.addEventListener('pointerdown', (e) => {
    if (menuOpen() && !menu.contains(e.target) && e.target !== mnuHelp && !mnuHelp.contains(e.target))
      closeMenu(true);
  });

  return { state, showModal, modalKey, messageBox, openMenu, closeMenu, menuOpen, commands };
})();
