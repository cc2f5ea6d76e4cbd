// The package's API: await load() once, then convert() as often as needed.
// Each answer has the fields of mrvdate-convert --format jsonl.
import { calendarNumber, load, loaded, text, withTexts } from './loader.js';

export { load };

const optionNames = ['lenient', 'comma', 'separator'];

function checkedOptions(options) {
  if (options === undefined) return {};
  if (options === null || typeof options !== 'object') throw new TypeError('mrvdate: options must be an object');
  for (const name of Object.keys(options)) {
    if (!optionNames.includes(name)) throw new TypeError(`mrvdate: options.${name} is not an option`);
  }
  for (const name of ['lenient', 'comma']) {
    if (options[name] !== undefined && typeof options[name] !== 'boolean') {
      throw new TypeError(`mrvdate: options.${name} must be true or false`);
    }
  }
  if (options.separator !== undefined && options.separator !== '.' && options.separator !== ',') {
    throw new TypeError('mrvdate: options.separator must be "." or ","');
  }
  return options;
}

export function convert(calendar, entry, options) {
  const number = calendarNumber(calendar);
  if (typeof entry !== 'string') throw new TypeError(`mrvdate: entry must be a string, not ${typeof entry}`);
  const { lenient = false, comma = false, separator = '.' } = checkedOptions(options);
  const core = loaded();
  const [answer, pieces, line] = withTexts(entry, separator, (at, length, separatorAt) =>
    text(core._mrvdate_convert(number, at, length, lenient, comma, separatorAt)),
  ).split('\n');
  const a = JSON.parse(answer);
  const p = pieces ? JSON.parse(pieces) : a;
  return {
    kind: a.error ?? 'converted',
    line: line ?? null,
    message: a.message,
    sc: p.sc,
    ey: p.ey,
    aw: p.aw,
    scValue: a.sc_value,
    eyYear: a.ey_year,
    awYear: a.aw_year,
  };
}
