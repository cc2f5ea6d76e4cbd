'use strict';
// The main window frmMRVDate: its events go to the window's rules (rules.js,
// the same as every front end's) and it only carries out the effects they
// answer, on the date box's focus (focus.js) and the modal windows and menu
// (windows.js, menu.js). Events before the rules are ready wait, in order.
{
  const $ = (id) => document.getElementById(id);
  const MRV = window.MRV;
  const { giveFocusToInputBox, returnFocus } = MRV.focus;
  const txtInputBox = $('txtInputBox');
  const lblDateBox = $('lblDateBox');
  const optDate = [0, 1, 2].map((i) => $('optDate' + i));
  // The windows' texts, made by the build (texts.js).
  const { prefixes, names: calendarNames } = window.mrvTexts.calendars;

  // The line's three pieces are kept whole where a narrow screen wraps it.
  function setResult(line) {
    lblDateBox.replaceChildren(...line.split(/(  -  )/).map((piece, i) => {
      if (i % 2) return piece;
      const span = document.createElement('span');
      span.textContent = piece;
      return span;
    }));
  }

  // What each effect does on the page. The page is centred by its style and
  // draws its picture as it loads (picture.js); a page has no beep of its
  // own, and no end.
  const effects = {
    SetPrefix({ text }) {
      $('lblDatePrefix').textContent = text;
      const name = calendarNames[prefixes.indexOf(text)];
      if (name) $('lblDatePrefixSpoken').textContent = 'on the ' + name + ' calendar';
    },
    CheckOption: ({ index }) => { optDate[index].checked = true; },
    SetResult: ({ text }) => setResult(text),
    // A control that has the focus already raises no "got focus".
    GiveFocus({ control }) {
      if (document.activeElement !== $(control)) $(control).focus();
    },
    SelectEntry: () => txtInputBox.select(),
    OpenWebPage: () => window.open($('frmMRVDate').dataset.projectPage, '_blank', 'noopener'),
  };
  // The effects that wait: the rest of the event's effects follow the OK.
  const waits = {
    ShowBox({ text, title, icon }, then) {
      const before = document.activeElement;
      MRV.messageBox(text, title, icon, () => {
        returnFocus(before);
        then();
      });
    },
    ShowWindow: ({ control }, then) => MRV.showModal($(control), $(control + '_cmdOK'), then),
  };

  function carryOut(answered, done) {
    for (let i = 0; i < answered.length; i++) {
      const effect = answered[i];
      if (waits[effect.kind]) {
        waits[effect.kind](effect, () => carryOut(answered.slice(i + 1), done));
        return;
      }
      if (effects[effect.kind]) effects[effect.kind](effect);
    }
    done();
  }

  // `event` asks the rules; `done` runs once its effects are carried out.
  // A "got focus" that waits is dropped once another event follows it: the
  // entry it would select has changed since.
  let rules = null;
  let waiting = [];
  function send(event, done = () => {}) {
    if (rules) {
      carryOut(event(rules), done);
      return;
    }
    if (event !== gotFocus) waiting = waiting.filter((w) => w.event !== gotFocus);
    waiting.push({ event, done });
  }
  MRV.rulesReady.then((made) => {
    rules = made;
    document.documentElement.dataset.ready = 'true';
    for (const { event, done } of waiting.splice(0)) send(event, done);
  });

  const gotFocus = (r) => r.txtInputBox_GotFocus();
  // The option is checked as it is clicked (the access keys check it too),
  // and again when a click that waited reaches the rules.
  function chooseCalendar(index) {
    optDate[index].checked = true;
    send((r) => {
      optDate[index].checked = true;
      return r.optDate_Click(index);
    });
  }
  // The entry and the option as they are when the rules read them.
  const cmdConvert_Click = () =>
    send((r) => r.cmdConvert_Click(optDate.findIndex((o) => o.checked), txtInputBox.value));

  txtInputBox.addEventListener('input', () => send((r) => r.txtInputBox_Change()));
  $('cmdConvert').addEventListener('click', cmdConvert_Click);
  optDate.forEach((option, index) => option.addEventListener('click', () => chooseCalendar(index)));

  // The Help menu's commands, the design's (menu.js); each puts the focus
  // back where it was, after any window it shows.
  let beforeMenu = null;
  const leaveMenu = () => returnFocus(beforeMenu);
  MRV.commands.open = () => {
    beforeMenu = document.activeElement;
    MRV.openMenu(leaveMenu);
  };
  for (const entry of MRV.menuEntries) {
    MRV.commands[entry.id] = () => send((r) => r.mnuHelp_Click(Number(entry.dataset.command)), leaveMenu);
  }

  MRV.frmMRVDate = { chooseCalendar, cmdConvert_Click, txtInputBox_GotFocus: () => send(gotFocus) };
  txtInputBox.focus();
}
