// <mrv-date>: one date shown on the three calendars, or with `interactive`
// a small converter (date box, the three calendars, the result), in a
// shadow root of its own, with the window's texts and its reading of
// entries. Importing this module defines the element.
import { calendarNumber, load, loaded, text, withTexts } from './loader.js';
import texts from './texts.js';

const form = texts.frmMRVDate;
const calendarNames = ['sc', 'ey', 'aw'];

// "&Convert": the caption without its "&", and the access key's letter.
function caption(designed) {
  const at = designed.indexOf('&');
  return { text: designed.replace('&', ''), key: at < 0 ? '' : designed[at + 1].toLowerCase(), at };
}

// The caption as nodes, its access key's letter underlined.
function captionNodes(designed) {
  const { text: plain, at } = caption(designed);
  if (at < 0) return [document.createTextNode(plain)];
  const letter = document.createElement('u');
  letter.textContent = plain[at];
  return [document.createTextNode(plain.slice(0, at)), letter, document.createTextNode(plain.slice(at + 1))];
}

// Numbers are written with the decimal separator of the browser's language.
function decimalSeparator() {
  try {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  } catch {
    return '.';
  }
}

const style = `
:host { --mrv-fg: var(--mrv-date-color, #000); --mrv-bg: var(--mrv-date-background, #f0f0f0);
  --mrv-result: var(--mrv-date-result-color, #b00000); --mrv-border: var(--mrv-date-border, #767676); }
@media (prefers-color-scheme: dark) {
  :host { --mrv-fg: var(--mrv-date-color, #f0f0f0); --mrv-bg: var(--mrv-date-background, #2b2b2b);
    --mrv-result: var(--mrv-date-result-color, #ff6b6b); --mrv-border: var(--mrv-date-border, #8a8a8a); }
}
:host { display: inline; }
:host([interactive]) { display: inline-block; color: var(--mrv-fg); background: var(--mrv-bg);
  border: 1px solid var(--mrv-border); padding: 0.75em; font: inherit; }
/* The program's texts keep their double spaces. */
.line, output { white-space: pre; }
.refusal { white-space: pre-wrap; }
form { display: grid; gap: 0.5em; margin: 0; }
fieldset { border: 1px solid var(--mrv-border); margin: 0; padding: 0.25em 0.75em 0.5em; }
legend { padding: 0 0.25em; }
fieldset label { display: block; }
.entry { display: flex; gap: 0.5em; align-items: center; }
input[type=text] { font: inherit; color: var(--mrv-fg); background: var(--mrv-bg); border: 1px solid var(--mrv-border);
  padding: 0.2em 0.3em; min-width: 0; flex: 1; }
button { font: inherit; color: var(--mrv-fg); background: var(--mrv-bg); border: 1px solid var(--mrv-border); padding: 0.2em 1em; }
:focus-visible { outline: 2px solid var(--mrv-fg); outline-offset: 1px; }
output { display: block; min-height: 1.3em; color: var(--mrv-result); font-weight: bold; }
`;

function element(name, properties = {}, children = []) {
  const made = Object.assign(document.createElement(name), properties);
  made.append(...children);
  return made;
}

export class MrvDateElement extends HTMLElement {
  static observedAttributes = ['calendar', 'value', 'interactive'];

  #root = this.attachShadow({ mode: 'open' });
  ready = load();

  get calendar() { return this.getAttribute('calendar') ?? 'sc'; }
  set calendar(value) { this.setAttribute('calendar', value); }
  get value() { return this.getAttribute('value') ?? ''; }
  set value(value) { this.setAttribute('value', value); }
  get interactive() { return this.hasAttribute('interactive'); }
  set interactive(on) { this.toggleAttribute('interactive', Boolean(on)); }

  connectedCallback() { this.#render(); }
  attributeChangedCallback() { if (this.isConnected) this.#render(); }

  // The window's answer for an entry: the result line or the refusal's
  // message, and whether it is a refusal; nothing for a blank entry.
  #answer(calendar, entry) {
    let number = 0; // Space Century unless the calendar is one of the three
    try {
      number = calendarNumber(calendar);
    } catch {}
    const core = loaded();
    let kind = 0;
    const shown = withTexts(entry, decimalSeparator(), (at, length, separatorAt) => {
      kind = core._mrvdate_convert_typed(number, at, length, separatorAt);
      return text(core._mrvdate_text());
    });
    return { shown: kind === 4 ? '' : shown, refused: kind !== 0 };
  }

  async #render() {
    await this.ready;
    if (this.interactive) this.#renderForm();
    else this.#renderInline();
  }

  #renderInline() {
    const { shown, refused } = this.#answer(this.calendar, this.value);
    const span = element('span', { className: refused ? 'refusal' : 'line', textContent: shown });
    span.setAttribute('part', 'result');
    this.#root.replaceChildren(element('style', { textContent: style }), span);
  }

  #renderForm() {
    if (this.#root.querySelector('form')) return this.#showCalendar();
    const radios = calendarNames.map((name) =>
      element('input', { type: 'radio', name: 'calendar', value: name, id: `calendar-${name}` }),
    );
    const choices = radios.map((radio, i) =>
      element('label', { htmlFor: radio.id }, [radio, ' ', ...captionNodes(form.optDate[i])]));
    const legend = element('legend', {}, [form.Label2]);
    const date = element('input', { type: 'text', id: 'date', autocomplete: 'off', spellcheck: false,
      inputMode: 'decimal', enterKeyHint: 'go' });
    date.setAttribute('aria-label', form.txtInputBox);
    date.value = this.value;
    const prefix = element('span', { className: 'prefix' });
    prefix.setAttribute('aria-hidden', 'true');
    const resultLabel = element('span', { id: 'result-label' }, [form.lblDateBox]);
    const output = element('output', { htmlFor: 'date' });
    output.setAttribute('aria-labelledby', 'result-label');
    output.setAttribute('aria-live', 'polite');
    output.setAttribute('part', 'result');
    const formElement = element('form', {}, [
      element('fieldset', {}, [legend, ...choices]),
      element('label', { htmlFor: 'date' }, captionNodes(form.Frame1)),
      element('div', { className: 'entry' }, [prefix, date]),
      element('button', { type: 'submit' }, captionNodes(form.cmdConvert)),
      resultLabel,
      output,
    ]);
    formElement.setAttribute('part', 'form');
    formElement.addEventListener('submit', (event) => {
      event.preventDefault();
      this.#convertTyped();
    });
    formElement.addEventListener('change', (event) => {
      if (event.target.name === 'calendar') this.setAttribute('calendar', event.target.value);
    });
    formElement.addEventListener('keydown', (event) => this.#accessKey(event));
    this.#root.replaceChildren(element('style', { textContent: style }), formElement);
    this.#showCalendar();
  }

  #showCalendar() {
    const number = Math.max(0, calendarNames.indexOf(this.calendar.toLowerCase()));
    this.#root.querySelectorAll('input[type=radio]').forEach((radio, i) => { radio.checked = i === number; });
    this.#root.querySelector('.prefix').textContent = texts.calendars.prefixes[number];
  }

  #convertTyped() {
    const date = this.#root.getElementById('date');
    const { shown, refused } = this.#answer(this.calendar, date.value);
    const output = this.#root.querySelector('output');
    output.textContent = shown;
    output.classList.toggle('refusal', refused);
    if (shown) date.select();
  }

  // Alt and a caption's underlined letter, while the focus is inside.
  #accessKey(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    const key = event.key.toLowerCase();
    const radio = form.optDate.findIndex((designed) => caption(designed).key === key);
    if (radio >= 0) {
      this.setAttribute('calendar', calendarNames[radio]);
      this.#root.getElementById(`calendar-${calendarNames[radio]}`).focus();
    } else if (key === caption(form.Frame1).key) {
      this.#root.getElementById('date').focus();
    } else if (key === caption(form.cmdConvert).key) {
      this.#convertTyped();
    } else {
      return;
    }
    event.preventDefault();
  }
}

if (!customElements.get('mrv-date')) customElements.define('mrv-date', MrvDateElement);
