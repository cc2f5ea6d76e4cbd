/** A calendar of the Morvane timeline: Space Century, Earth Year, After War (any case). */
export type Calendar = 'sc' | 'ey' | 'aw' | 'SC' | 'EY' | 'AW' | (string & {});

export interface ConvertOptions {
  /** Read the leading number, as mrvdate-convert --lenient does. */
  lenient?: boolean;
  /** Read a decimal comma as the point ("361,98"); a text with both is no number. */
  comma?: boolean;
  /** The decimal separator the results are written with; "." by default. */
  separator?: '.' | ',';
}

interface Converted {
  kind: 'converted';
  /** The result line, as the program writes it: "SC 338.30  -  EY 2002 AD  -  BW 84". */
  line: string;
  message: null;
  /** "338.30" */
  sc: string;
  /** "2002 AD" */
  ey: string;
  /** "BW 84" */
  aw: string;
  scValue: number;
  /** Below zero for BC years. */
  eyYear: number;
  /** Below zero for BW years. */
  awYear: number;
}

interface Refused {
  kind: 'not-a-number' | 'out-of-range' | 'year-zero';
  line: null;
  /** The refusal's message, as mrvdate-convert writes it. */
  message: string;
  sc: null;
  ey: null;
  aw: null;
  scValue: null;
  eyYear: null;
  awYear: null;
}

/** The answer for one entry: the fields of mrvdate-convert --format jsonl. */
export type Conversion = Converted | Refused;

/** Compiles the WebAssembly core (once); convert() needs it done. */
export function load(): Promise<void>;

/**
 * Converts one entry, read as the batch converter reads it. Refusals are
 * answers; a calendar that is none of the three, an entry that is not a
 * string or an unknown option throws a TypeError.
 */
export function convert(calendar: Calendar, entry: string, options?: ConvertOptions): Conversion;
