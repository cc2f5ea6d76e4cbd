// What the package promises beyond the batch converter's answers: its
// calendars in any case, its options, and the arguments it refuses.
// Usage: node api.mjs (run in a folder where the package is installed).
import assert from 'node:assert/strict';
import { load, convert } from 'mrvdate';

assert.throws(() => convert('ey', '2002'), { name: 'Error', message: /await load\(\)/ });
await load();
await load(); // a second load is the first one's

const line = (calendar, entry, options) => convert(calendar, entry, options).line;
const kind = (calendar, entry, options) => convert(calendar, entry, options).kind;
const answers = [
  [line, ['EY', '2002'], 'SC 338.30  -  EY 2002 AD  -  BW 84'],
  [line, ['Sc', '361.98'], 'SC 361.98  -  EY 4370 AD  -  AW 2284'],
  [line, ['sc', '361,98', { comma: true }], 'SC 361.98  -  EY 4370 AD  -  AW 2284'],
  [kind, ['sc', '361,98'], 'not-a-number'],
  [kind, ['sc', '3.61,98', { comma: true }], 'not-a-number'],
  [line, ['ey', '2002.5', { separator: ',' }], convert('ey', '2002.5').line.replaceAll('.', ',')],
  [line, ['ey', '2002abc', { lenient: true }], 'SC 338.30  -  EY 2002 AD  -  BW 84'],
  [kind, ['ey', '2002abc'], 'not-a-number'],
  [line, ['ey', ' 20 02\t'], 'SC 338.30  -  EY 2002 AD  -  BW 84'],
  [kind, ['ey', '0'], 'year-zero'],
  [kind, ['aw', '40000'], 'out-of-range'],
  [kind, ['sc', ''], 'not-a-number'],
  [(c, e) => convert(c, e).message, ['ey', 'x'.repeat(40)], `Sorry, "${'x'.repeat(32)}..." is not a number.`],
  [(c, e) => convert(c, e).message, ['ey', 'é"\t'], 'Sorry, "é\\"\\t" is not a number.'],
];
for (const [get, args, expected] of answers) {
  assert.equal(get(...args), expected, `${get.name || 'message'}(${JSON.stringify(args)})`);
}

// Wrong arguments throw, naming the argument.
const refused = [
  [['xx', '1'], /calendar/],
  [[undefined, '1'], /calendar/],
  [['ey', 2002], /entry/],
  [['ey', null], /entry/],
  [['ey', '1', { separator: ';' }], /options\.separator/],
  [['ey', '1', { lenient: 'yes' }], /options\.lenient/],
  [['ey', '1', { strict: true }], /options\.strict/],
  [['ey', '1', 'lenient'], /options/],
];
for (const [args, message] of refused) {
  assert.throws(() => convert(...args), { name: 'TypeError', message }, JSON.stringify(args));
}
console.log(`api: ${answers.length + refused.length + 1} cases`);
