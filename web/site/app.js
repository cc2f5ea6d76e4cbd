'use strict';
// The main window frmMRVDate: its handlers, named as the window's, on the
// converter (converter.js), the date box's focus rules (focus.js) and the
// modal windows and menu (windows.js, menu.js).
{
  const $ = (id) => document.getElementById(id);
  const MRV = window.MRV;
  const { Outcome } = MRV;
  const { txtInputBox_GotFocus, giveFocusToInputBox, returnFocus } = MRV.focus;
  const txtInputBox = $('txtInputBox');
  const cmdConvert = $('cmdConvert');
  const lblDateBox = $('lblDateBox');
  const lblDatePrefix = $('lblDatePrefix');
  const optDate = [0, 1, 2].map((i) => $('optDate' + i));
  // The windows' texts, made by the build (texts.js).
  const { prefixes, names: calendarNames } = window.mrvTexts.calendars;
  const refusals = window.mrvTexts.refusals;

  let awaitingFirstEntry = true;

  let converter = null;
  const ready = MRV.converterReady.then((made) => {
    converter = made;
    document.documentElement.dataset.ready = 'true';
  });

  // The line's three pieces are kept whole where a narrow screen wraps it.
  function setResult(line) {
    lblDateBox.replaceChildren(...line.split(/(  -  )/).map((piece, i) => {
      if (i % 2) return piece;
      const span = document.createElement('span');
      span.textContent = piece;
      return span;
    }));
  }

  function optDate_Click(index) {
    if (index >= 0 && index < prefixes.length) {
      lblDatePrefix.textContent = prefixes[index];
      $('lblDatePrefixSpoken').textContent = 'on the ' + calendarNames[index] + ' calendar';
    }
    awaitingFirstEntry = false;
    giveFocusToInputBox();
  }

  // An access key acts as a click on the option.
  function chooseCalendar(index) {
    optDate[index].checked = true;
    optDate_Click(index);
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
    if (outcome.kind === Outcome.Converted) {
      setResult(outcome.text);
      // Convert, then the date box: the box gets the focus again and selects.
      if (document.activeElement === txtInputBox) txtInputBox_GotFocus();
      else txtInputBox.focus();
    } else if (outcome.kind === Outcome.OutOfRange) {
      ShowOutOfRange(refusals.OutOfRange);
    } else if (outcome.kind === Outcome.NotANumber) {
      // The core's message, naming the entry as typed.
      ShowOutOfRange({ ...refusals.NotANumber, message: outcome.text });
    } else if (outcome.kind === Outcome.YearZero) {
      // The year-zero notice leaves the entry as typed.
      const { message, title, icon } = refusals.YearZero;
      MRV.messageBox(message, title, icon, () => {
        setResult('');
        returnFocus(txtInputBox);
      });
    } else {
      // Nothing typed: nothing changes, the entry wants typing.
      giveFocusToInputBox();
    }
  }

  // The out-of-range box, or the not-a-number one that behaves the same.
  function ShowOutOfRange({ message, title, icon }) {
    MRV.messageBox(message, title, icon, () => {
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

  MRV.frmMRVDate = { chooseCalendar, cmdConvert_Click };
  txtInputBox.focus();
}
