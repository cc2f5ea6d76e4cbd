/**
 * <mrv-date calendar="ey" value="2002"> shows the date on the three
 * calendars; <mrv-date interactive> is a small converter. Importing
 * "mrvdate/element" defines the element.
 */
export class MrvDateElement extends HTMLElement {
  /** The calendar of `value`: "sc", "ey" or "aw". */
  calendar: string;
  /** The date, as typed. */
  value: string;
  interactive: boolean;
  /** Resolves once the element can convert. */
  readonly ready: Promise<void>;
}

declare global {
  interface HTMLElementTagNameMap {
    'mrv-date': MrvDateElement;
  }
}
