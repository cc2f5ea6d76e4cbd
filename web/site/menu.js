'use strict';
// The Help menu: Alt+H or a click opens it with its first entry focused;
// arrows move, Enter or an entry's letter chooses, Escape or Tab leaves. Its
// commands are the main window's (app.js), which puts the focus back.
{
  const $ = (id) => document.getElementById(id);
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
  // The focus goes back before the command runs, so that a web page it
  // opens leaves the date box as a window left.
  function choose(entry) {
    closeMenu(true);
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
    } else if (key === 'escape' || key === 'tab' || (e.altKey && (key === mnuHelp.dataset.key || key === 'alt'))) {
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

  Object.assign(window.MRV, { openMenu, closeMenu, menuOpen, commands, menuEntries: entries });
}
