"""The web page in headless Chromium, driven with real key events through
WebDriver, each behaviour at full speed and, where timing could matter, at
typing speed (30 ms a key). Usage: page_test.py SITE_FOLDER"""
import pathlib
import sys
import threading
import time

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import chromium, static_server, stop_server, watch_ready

SITE = pathlib.Path(sys.argv[1]).resolve()
KEY_PAUSE = 0.03
WEIGHT_LIMIT = 100 * 1024

OUT_OF_RANGE = ("Morvane Date Converter", "Sorry, that date is out of range.  Please try again.")
NOT_A_DATE = "Sorry, \"{}\" is not a date.  Please type a number: BC and BW years with a minus."
YEAR_ZERO = ("MRV Date Convertor",
             "There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.")
INSTRUCTIONS = (
    "Use the radio buttons to choose the calendar you wish to convert from (the two-letter prefix in "
    "front of the date box will change accordingly), then enter the date you wish to convert in the "
    "date box.  Press Enter or click the 'Convert' button and the program will display your entered "
    "date on the other two calendars that Morvane supports.\n\nTo convert a BC date on the Gregorian "
    "(EY) calendar, or a BW date on the AW calendar, simply place a negative sign in front of the date "
    "when you enter it in the date box.")

STATE = """
const t = document.getElementById('txtInputBox');
const open = [...document.querySelectorAll('dialog')].filter((d) => d.open);
return {
  value: t.value, sel: [t.selectionStart, t.selectionEnd],
  focus: document.activeElement.id,
  prefix: document.getElementById('lblDatePrefix').textContent,
  chosen: [0, 1, 2].filter((i) => document.getElementById('optDate' + i).checked),
  result: document.getElementById('lblDateBox').textContent,
  dialog: open.map((d) => d.id).join(),
  title: open.length ? open[0].querySelector('.titleBar').textContent : '',
  message: document.getElementById('msgBox_text').textContent,
  icon: document.getElementById('msgBox_icon').className,
};"""


def state(d):
    return d.execute_script(STATE)


def load(d, url):
    d.get(url)
    WebDriverWait(d, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))


def keys(d, *parts, slow=False):
    """Sends keys as real key events: strings are typed, ('alt', 'e') is an
    access key. Slow sends them 30 ms apart, as a person types."""
    chain = ActionChains(d)
    for part in parts:
        presses = [(Keys.ALT, part[1])] if isinstance(part, tuple) else [(None, c) for c in part]
        for modifier, key in presses:
            if modifier:
                chain.key_down(modifier)
            chain.key_down(key).key_up(key)
            if modifier:
                chain.key_up(modifier)
            if slow:
                chain.pause(KEY_PAUSE)
    chain.perform()


def expect(got, want, what):
    if got != want:
        raise AssertionError(f"{what}: got {got!r}, want {want!r}")


def expect_state(d, what, **want):
    s = state(d)
    for key, value in want.items():
        expect(s[key], value, f"{what}: {key}")


# One behaviour a row: (name, function(driver, url, slow)).
def first_keystroke(d, url, slow):
    load(d, url)
    expect_state(d, "before", focus="txtInputBox", prefix="SC", chosen=[], result="")
    keys(d, "2002", slow=slow)
    expect_state(d, "after", value="2002", sel=[4, 4], chosen=[0], prefix="SC", focus="txtInputBox")


def access_keys_then_typing(d, url, slow):
    load(d, url)
    for letter, index, entry, line in (
            ("e", 1, "2002", "SC 338.30  -  EY 2002 AD  -  BW 84"),
            ("a", 2, "2284", "SC 361.98  -  EY 4370 AD  -  AW 2284"),
            ("s", 0, "11.47", "SC 11.47  -  EY 30682 BC  -  BW 32767")):
        keys(d, ("alt", letter), entry, slow=slow)
        expect_state(d, f"Alt+{letter.upper()} {entry}", chosen=[index], prefix=["SC", "EY", "AW"][index],
                     value=entry)
        keys(d, Keys.ENTER, slow=slow)
        expect_state(d, f"Alt+{letter.upper()} {entry} Enter", result=line, focus="txtInputBox",
                     sel=[0, len(entry)])


def enter_from_anywhere(d, url, slow):
    load(d, url)
    keys(d, Keys.ENTER)  # nothing chosen, nothing typed: nothing happens
    expect_state(d, "empty", result="", focus="txtInputBox", chosen=[], dialog="")
    keys(d, ("alt", "e"), "-1", Keys.TAB, slow=slow)
    expect_state(d, "on Convert", focus="cmdConvert")
    keys(d, Keys.ENTER)
    expect_state(d, "Enter on Convert", result="SC 318.28  -  EY 1 BC  -  BW 2086", focus="txtInputBox",
                 sel=[0, 2], dialog="")
    keys(d, "2002.7", Keys.TAB, Keys.TAB, slow=slow)
    expect_state(d, "on an option", focus="optDate1")
    keys(d, Keys.ENTER)
    expect_state(d, "Enter on an option", result="SC 338.31  -  EY 2002.7 AD  -  BW 83", sel=[0, 6])
    d.find_element("id", "cmdConvert").click()
    expect_state(d, "clicking Convert", focus="txtInputBox", sel=[0, 6])


def out_of_range_selects(d, url, slow):
    load(d, url)
    keys(d, ("alt", "s"), "11.46", Keys.ENTER, slow=slow)
    expect_state(d, "refused", dialog="msgBox", title=OUT_OF_RANGE[0], message=OUT_OF_RANGE[1],
                 icon="msgIcon critical", focus="msgBox_cmdOK")
    keys(d, "9")  # the modal box takes the keys
    expect_state(d, "typed under the box", value="11.46")
    keys(d, Keys.ENTER, slow=slow)
    expect_state(d, "closed", dialog="", result="", focus="txtInputBox", sel=[0, 5])
    keys(d, "666.81", Keys.ENTER, slow=slow)  # replaces the selected entry
    expect_state(d, "next", result="SC 666.81  -  EY 34853 AD  -  AW 32767", sel=[0, 6])


def year_zero_leaves_entry(d, url, slow):
    load(d, url)
    keys(d, ("alt", "e"), "0", Keys.ENTER, slow=slow)
    expect_state(d, "notice", dialog="msgBox", title=YEAR_ZERO[0], message=YEAR_ZERO[1],
                 icon="msgIcon information", focus="msgBox_cmdOK")
    keys(d, Keys.SPACE, slow=slow)
    expect_state(d, "closed", dialog="", result="", focus="txtInputBox", value="0", sel=[1, 1])
    keys(d, "1", Keys.ENTER, slow=slow)  # typing goes on after the 0
    expect_state(d, "typed on", value="01", result="SC 318.29  -  EY 1 AD  -  BW 2085")
    keys(d, "0", Keys.ENTER, slow=slow)  # replaces the selected "01"
    keys(d, Keys.ESCAPE)  # Escape answers the message box as OK does
    expect_state(d, "Escape", dialog="", focus="txtInputBox", value="0", sel=[1, 1])


def not_a_date(d, url, slow):
    load(d, url)
    for entry in ("753 BC", "<b>x</b>"):
        keys(d, ("alt", "e"), entry, Keys.ENTER, slow=slow)
        expect_state(d, entry, dialog="msgBox", title=OUT_OF_RANGE[0], message=NOT_A_DATE.format(entry),
                     icon="msgIcon critical", focus="msgBox_cmdOK")
        expect(d.execute_script("return document.getElementById('msgBox_text').children.length"), 0,
               "markup in the message")
        keys(d, Keys.ENTER, slow=slow)
        expect_state(d, "closed", dialog="", result="", focus="txtInputBox", sel=[0, len(entry)])
    keys(d, "2002", Keys.ENTER, Keys.BACKSPACE, " ", Keys.ENTER, slow=slow)  # blank: nothing changes
    expect_state(d, "blank", dialog="", value=" ", chosen=[1], result="SC 338.30  -  EY 2002 AD  -  BW 84",
                 focus="txtInputBox")


def instructions_window(d, url, slow):
    load(d, url)
    keys(d, ("alt", "e"), "2002", Keys.LEFT, slow=slow)
    keys(d, ("alt", "h"), "i", slow=slow)
    expect_state(d, "shown", dialog="frmInstructions", title="Instructions for Morvane Date Converter",
                 focus="frmInstructions_cmdOK")
    text = d.execute_script("return document.getElementById('frmInstructions_txtInstructions').textContent")
    expect(text, INSTRUCTIONS, "text")
    d.find_element("id", "frmInstructions_txtInstructions").click()
    keys(d, Keys.ESCAPE, "x", slow=slow)  # no cancel, no typing into the text
    expect_state(d, "Escape, click and a key", dialog="frmInstructions", focus="frmInstructions_cmdOK")
    keys(d, Keys.ENTER)
    expect_state(d, "closed", dialog="", focus="txtInputBox", value="2002", sel=[3, 3])
    keys(d, ("alt", "h"), Keys.ARROW_DOWN, Keys.ARROW_UP, Keys.ENTER, slow=slow)
    expect_state(d, "by arrows", dialog="frmInstructions")
    keys(d, ("alt", "o"), "5", slow=slow)
    expect_state(d, "Alt+O then typing", dialog="", value="20052")


def about_window(d, url, slow):
    load(d, url)
    keys(d, ("alt", "h"), "b", slow=slow)
    expect_state(d, "shown", dialog="frmAbout", title="About MRV Date Converter", focus="frmAbout_cmdOK")
    labels = d.execute_script(
        "return [...document.querySelectorAll('#frmAbout p')].map((p) => p.textContent)")
    expect(labels[:3], ["Morvane", "Timeline Date Converter", "Version 1.2.0"], "title lines")
    handles = len(d.window_handles)
    d.find_element("id", "lblHyperlink").click()
    WebDriverWait(d, 10).until(lambda d: len(d.window_handles) == handles + 1)
    expect_state(d, "after the link", dialog="frmAbout")
    keys(d, Keys.ESCAPE)
    expect_state(d, "Escape", dialog="frmAbout")
    d.find_element("id", "frmAbout_cmdOK").click()
    expect_state(d, "closed", dialog="", focus="txtInputBox")
    close_other_tabs(d)


def website_entry(d, url, slow):
    load(d, url)
    handles = set(d.window_handles)
    keys(d, ("alt", "h"), "m", slow=slow)
    WebDriverWait(d, 10).until(lambda d: len(d.window_handles) == len(handles) + 1)
    expect_state(d, "menu closed", focus="txtInputBox", dialog="")
    close_other_tabs(d)
    keys(d, ("alt", "h"), Keys.ESCAPE, "7", slow=slow)
    expect_state(d, "Escape from the menu", value="7", chosen=[0])


def close_other_tabs(d):
    main = d.current_window_handle
    for handle in d.window_handles:
        if handle != main:
            d.switch_to.window(handle)
            d.close()
    d.switch_to.window(main)


def layout_in_pixels(d, url, slow):
    load(d, url)
    rects = d.execute_script("""
        const origin = document.getElementById('clientArea').getBoundingClientRect();
        const r = {};
        for (const id of ['Label1', 'Frame1', 'lblDatePrefix', 'txtInputBox', 'cmdConvert', 'lblOptDate0',
                          'lblOptDate1', 'lblOptDate2', 'lblDateBox', 'imgMain']) {
          const b = document.getElementById(id).getBoundingClientRect();
          r[id] = [b.left - origin.left, b.top - origin.top, b.width, b.height].map(Math.round);
        }
        return r;""")
    # Twips / 15; the frame's controls from the frame's corner at (8, 32).
    want = {"Label1": [8, 8, 281, 17], "Frame1": [8, 32, 353, 105], "lblDatePrefix": [16, 59, 25, 17],
            "txtInputBox": [40, 56, 65, 19], "cmdConvert": [152, 56, 81, 25],
            "lblOptDate0": [16, 104, 113, 17], "lblOptDate1": [144, 104, 97, 17],
            "lblOptDate2": [256, 104, 97, 17], "lblDateBox": [8, 148, 353, 25], "imgMain": [368, 8, 118, 167]}
    for control, rect in want.items():
        expect(rects[control], rect, control)
    index, width = d.execute_script(
        "const i = document.getElementById('imgMainPicture'); return [+i.dataset.index, i.naturalWidth]")
    expect((0 <= index <= 6, width), (True, 114), "the picture")


def design_fonts(d, url, slow):
    load(d, url)
    fonts = d.execute_script("""
        return ['Label1', 'Frame1Caption', 'txtInputBox', 'cmdConvert', 'lblOptDate0', 'lblDateBox'].map((id) => {
          const s = getComputedStyle(document.getElementById(id));
          return [id, s.fontSize, s.fontWeight];
        });""")
    # 8.25 pt is 11 px, 12 pt 16 px; Label1 and the result bold.
    expect(fonts, [["Label1", "11px", "700"], ["Frame1Caption", "11px", "400"], ["txtInputBox", "11px", "400"],
                   ["cmdConvert", "11px", "400"], ["lblOptDate0", "11px", "400"], ["lblDateBox", "16px", "700"]],
           "fonts")


def page_weight(d, url, slow):
    watch_ready(d)
    load(d, url)
    # Every file fetched before the page could convert, pictures aside.
    files = d.execute_script("""
        const ready = window.readyObservedAt;
        return [performance.getEntriesByType('navigation')[0], ...performance.getEntriesByType('resource')]
          .filter((e) => e.startTime <= ready && !e.name.includes('/pictures/'))
          .map((e) => [e.name, e.decodedBodySize]);""")
    total = sum(size for _, size in files)
    names = sorted(name.rsplit("/", 1)[-1] or "index" for name, _ in files)
    print(f"    page weight before it converts: {total} bytes uncompressed ({', '.join(names)})")
    if total > WEIGHT_LIMIT:
        raise AssertionError(f"page weight {total} bytes > {WEIGHT_LIMIT}")


def narrow_screen(d, url, slow):
    d.set_window_size(360, 640)
    try:
        load(d, url)
        keys(d, ("alt", "e"), "2002.7", Keys.ENTER, slow=slow)
        wide = d.execute_script("""
            const e = document.documentElement;
            const r = document.getElementById('lblDateBox').getBoundingClientRect();
            return [e.scrollWidth, e.clientWidth, r.left >= 0 && r.right <= e.clientWidth]""")
        expect(wide[0] <= wide[1], True, f"scroll width {wide[0]} within {wide[1]}")
        expect(wide[2], True, "result box on the screen")
        keys(d, ("alt", "h"), "i")
        inner = d.execute_script("""
            const b = document.getElementById('frmInstructions').getBoundingClientRect();
            return [b.left >= 0 && b.right <= document.documentElement.clientWidth,
                    document.documentElement.scrollWidth <= document.documentElement.clientWidth]""")
        expect(inner, [True, True], "Instructions on the screen")
    finally:
        d.set_window_size(800, 600)


def no_console_errors(d, url, slow):
    load(d, url)
    keys(d, ("alt", "s"), "361.98", Keys.ENTER)
    expect_state(d, "converted", result="SC 361.98  -  EY 4370 AD  -  AW 2284")
    time.sleep(0)  # the log is read as it stands
    errors = [e["message"] for e in d.get_log("browser") if e["level"] == "SEVERE"]
    expect(errors, [], "console errors")


def opened_from_folder(d, url, slow):
    d.get_log("browser")
    no_console_errors(d, (SITE / "index.html").as_uri(), slow)


def german_decimal_comma(d, url, slow):
    load(d, url)
    expect(d.execute_script("return navigator.language"), "de-DE", "language")
    for calendar, entry, line in (("s", "361.98", "SC 361,98  -  EY 4370 AD  -  AW 2284"),
                                  ("s", "361,98", "SC 361,98  -  EY 4370 AD  -  AW 2284"),
                                  ("e", "2002.7", "SC 338,31  -  EY 2002,7 AD  -  BW 83")):
        keys(d, ("alt", calendar), entry, Keys.ENTER, slow=slow)
        expect_state(d, entry, result=line)


def typed_before_the_core(d, folder, slow):
    """The page takes typing while its core loads, and an Enter pressed
    before converts the moment the core is ready."""
    core = threading.Event()
    with static_server(folder, held={"mrvcore.js": core}) as (_, url):
        d.get(url)  # returns at DOMContentLoaded: the page's own scripts have run, the core's is held
        WebDriverWait(d, 20).until(lambda d: d.execute_script("return !!(window.MRV && MRV.frmMRVDate)"))
        keys(d, ("alt", "e"), "2002", Keys.ENTER, slow=slow)
        expect_state(d, "before the core", value="2002", chosen=[1], result="", dialog="")
        expect(d.execute_script("return document.documentElement.dataset.ready || ''"), "", "ready before the core")
        core.set()
        WebDriverWait(d, 20).until(lambda d: state(d)["result"])
        expect_state(d, "the core ready", result="SC 338.30  -  EY 2002 AD  -  BW 84", focus="txtInputBox",
                     sel=[0, 4])


# Keys typed while the core loads, and the state the moment it is ready:
# the first keystroke chooses SC and leaves the entry as typed (the date
# box's focus at the load selects no entry typed since); an option chosen
# after it stays chosen; a menu command runs.
BEFORE_THE_CORE = [
    (("11.4",), dict(value="11.4", sel=[4, 4], chosen=[0], prefix="SC", focus="txtInputBox")),
    (("5", ("alt", "a")), dict(value="5", chosen=[2], prefix="AW", focus="txtInputBox")),
    ((("alt", "h"), "i"), dict(dialog="frmInstructions", chosen=[], focus="frmInstructions_cmdOK")),
]


def first_keystroke_before_the_core(d, folder, slow):
    for typed, want in BEFORE_THE_CORE:
        core = threading.Event()
        with static_server(folder, held={"mrvcore.js": core}) as (_, url):
            d.get(url)
            WebDriverWait(d, 20).until(lambda d: d.execute_script("return !!(window.MRV && MRV.frmMRVDate)"))
            keys(d, *typed, slow=slow)
            expect_state(d, f"{typed} before the core", result="", dialog="")
            core.set()
            WebDriverWait(d, 20).until(lambda d: d.execute_script("return document.documentElement.dataset.ready"))
            expect_state(d, f"{typed}, the core ready", **want)


def offline_after_first_visit(d, folder, slow):
    with static_server(folder) as (server, url):
        load(d, url)
        WebDriverWait(d, 20).until(lambda d: d.execute_script(
            "return !!navigator.serviceWorker.controller"))
        installable = d.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        expect(installable, [], "installability errors")
        stop_server(server)
        d.refresh()
        try:
            load(d, url)
        except TimeoutException:
            raise AssertionError("the page did not load with the server stopped")
        keys(d, ("alt", "a"), "0", Keys.ENTER, slow=slow)
        expect_state(d, "offline", result="SC 339.14  -  EY 2086 AD  -  AW 0")
        picture = d.execute_script("return document.getElementById('imgMainPicture').naturalWidth")
        expect(picture, 114, "picture offline")


ROWS = [
    ("first keystroke chooses SC", first_keystroke, True),
    ("access keys, then typing at once", access_keys_then_typing, True),
    ("Enter converts from anywhere", enter_from_anywhere, True),
    ("out of range: box, then entry selected", out_of_range_selects, True),
    ("year zero: box, then entry as typed", year_zero_leaves_entry, True),
    ("not a date: box naming the entry; a blank entry: nothing", not_a_date, True),
    ("Help > Instructions", instructions_window, True),
    ("Help > About and its link", about_window, False),
    ("Help > Morvane website; Escape leaves the menu", website_entry, False),
    ("layout in pixels, a stored picture", layout_in_pixels, False),
    ("the design's fonts", design_fonts, False),
    ("page weight <= 100 KB before it converts", page_weight, False),
    ("360 px wide: nothing scrolls sideways", narrow_screen, False),
    ("served: no console errors", no_console_errors, False),
    ("opened from the folder (file://)", opened_from_folder, False),
]


def run(name, test, *args):
    started = time.monotonic()
    try:
        test(*args)
    except Exception as failure:  # noqa: BLE001 - every failure is reported in the table
        print(f"FAIL  {name}: {failure}")
        return False
    print(f"ok    {name} ({time.monotonic() - started:.1f} s)")
    return True


def main():
    results = []
    with static_server(SITE) as (_, url), chromium() as d:
        for name, test, at_typing_speed in ROWS:
            results.append(run(name, test, d, url, False))
            if at_typing_speed:
                results.append(run(name + ", at typing speed", test, d, url, True))
    with static_server(SITE) as (_, url), chromium(lang="de-DE") as d:
        results.append(run("German: decimal comma (--lang=de-DE), read with ',' and '.'", german_decimal_comma,
                           d, url, False))
    with chromium(page_load="eager") as d:
        for slow in (False, True):
            results.append(run("typed and Enter before the core loads: converts when it is ready"
                               + (", at typing speed" if slow else ""), typed_before_the_core, d, SITE, slow))
            results.append(run("first keystroke, option, menu before the core loads: each runs when it is ready"
                               + (", at typing speed" if slow else ""), first_keystroke_before_the_core, d, SITE,
                               slow))
    with chromium() as d:
        results.append(run("installable; a reload with the network off after one visit", offline_after_first_visit,
                           d, SITE, False))
    print(f"web page: {sum(results)} of {len(results)} passed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
