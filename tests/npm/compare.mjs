// The package's answers against the batch converter's, entry by entry:
// every field of its JSON Lines, and the result line of its line format.
// Usage: node compare.mjs CALENDAR ENTRIES JSONL LINES [OPTIONS_JSON]
// (run in a folder where the package is installed). The entries are lines,
// as the batch converter reads them: one "\r" before the line feed dropped.
import { readFileSync } from 'node:fs';
import { load, convert } from 'mrvdate';

const [calendar, entriesFile, jsonlFile, linesFile, optionsJson] = process.argv.slice(2);
const options = optionsJson ? JSON.parse(optionsJson) : undefined;
const lines = (file) => readFileSync(file, 'utf8').replace(/\n$/, '').split('\n');
const entries = lines(entriesFile).map((e) => e.replace(/\r$/, ''));
const expected = lines(jsonlFile);
const written = lines(linesFile);
if (expected.length !== entries.length || written.length !== entries.length) {
  throw new Error(`${entries.length} entries, ${expected.length} JSON Lines, ${written.length} lines`);
}

// Each field of the JSON Lines and the package's name for it.
const fields = [['sc', 'sc'], ['ey', 'ey'], ['aw', 'aw'], ['message', 'message'],
  ['sc_value', 'scValue'], ['ey_year', 'eyYear'], ['aw_year', 'awYear']];
await load();
let different = 0;
entries.forEach((entry, i) => {
  const batch = JSON.parse(expected[i]);
  const answer = convert(calendar, entry, options);
  // JSON Lines write ".": results written with "," must make the line.
  const compared = options?.separator === ',' ? fields.slice(3) : fields;
  const wrong = compared.filter(([key, name]) => !Object.is(batch[key], answer[name])).map(([key]) => key);
  if (answer.line !== null && answer.line !== `SC ${answer.sc}  -  EY ${answer.ey}  -  ${answer.aw}`) wrong.push('pieces');
  if ((batch.error ?? 'converted') !== answer.kind) wrong.push('kind');
  if (batch.entry !== entry) wrong.push('entry');
  if ((answer.line ?? answer.message) !== written[i]) wrong.push('line');
  if (wrong.length && different++ < 5) {
    console.error(`${JSON.stringify(entry)}: ${wrong.join(', ')} differ: ${expected[i]} ${JSON.stringify(answer)}`);
  }
});
if (different) {
  console.error(`${different} of ${entries.length} answers differ`);
  process.exit(1);
}
console.log(`${entries.length} answers`);
