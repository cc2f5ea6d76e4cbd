// What the user sees the main window do: choosing a calendar, typing,
// converting with Enter or Convert, the refusals, the keyboard, the menu.
#include "MainWindowFixture.h"

#include "DesktopTheme.h"
#include "QtTestHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

#include <vector>

namespace mrv::test {
namespace {

// Counts the focus gains of one control.
class FocusCounter : public QObject {
public:
    explicit FocusCounter(QWidget* w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::FocusIn;
        return false;
    }
};

// Queues keys as a keyboard hands them to the window system, all of them
// before the first is handled, then handles them in one go: nothing waits
// between keys, so whatever acts late misses the keys that follow. A key
// with Alt comes with the Alt key's own press and release around it.
void typeAhead(QWindow* window, const std::vector<QKeyCombination>& keys)
{
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    for (const QKeyCombination key : keys) {
        const bool alt = key.keyboardModifiers() & Qt::AltModifier;
        const QString text = alt ? QString() : QKeySequence(key.key()).toString().toLower();
        if (alt)
            QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, Qt::Key_Alt,
                                                           Qt::AltModifier);
        QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, key.key(),
                                                       key.keyboardModifiers(), text);
        QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, key.key(),
                                                       key.keyboardModifiers(), text);
        if (alt)
            QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, Qt::Key_Alt,
                                                           Qt::NoModifier);
    }
    QWindowSystemInterface::flushWindowSystemEvents();
}

class MainWindowBehaviour : public MainWindowTest {
protected:
    int chosen() const
    {
        for (int i = 0; i < 3; ++i)
            if (option(i)->isChecked())
                return i;
        return -1;
    }
    bool awaiting() const { return window->property("awaitingFirstEntry").toBool(); }
    bool wholeEntrySelected() const
    {
        return dateBox->selectionStart() == 0 && dateBox->selectedText() == dateBox->text();
    }
};

TEST_F(MainWindowBehaviour, FirstShowingHasNoCalendarTheScPrefixEmptyBoxesAndFocusInTheDateBox)
{
    EXPECT_EQ(chosen(), -1);
    EXPECT_EQ(prefix->text(), QStringLiteral("SC"));
    EXPECT_TRUE(dateBox->text().isEmpty());
    EXPECT_TRUE(result->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_TRUE(awaiting());
}

TEST_F(MainWindowBehaviour, FirstKeystrokeChoosesScAndTheTypingStaysUnselected)
{
    type(QStringLiteral("2002"));
    EXPECT_EQ(dateBox->text(), QStringLiteral("2002"));
    EXPECT_FALSE(dateBox->hasSelectedText());
    EXPECT_EQ(dateBox->cursorPosition(), 4);
    EXPECT_EQ(chosen(), 0);
    EXPECT_EQ(prefix->text(), QStringLiteral("SC"));
    EXPECT_FALSE(awaiting());
}

TEST_F(MainWindowBehaviour, ChoosingFirstKeepsThatCalendarWhileTyping)
{
    clickOption(1);
    EXPECT_EQ(chosen(), 1);
    EXPECT_EQ(prefix->text(), QStringLiteral("EY"));
    EXPECT_FALSE(awaiting());
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    type(QStringLiteral("55"));
    EXPECT_EQ(chosen(), 1);
    EXPECT_EQ(dateBox->text(), QStringLiteral("55"));
    clickOption(2);
    EXPECT_EQ(prefix->text(), QStringLiteral("AW"));
    EXPECT_TRUE(wholeEntrySelected());
}

TEST_F(MainWindowBehaviour, RoadOfOneConversion)
{
    FocusCounter convertFocus(convertButton);
    // The user selects Earth Year: prefix, flag, focus, selection.
    clickOption(1);
    EXPECT_EQ(prefix->text(), QStringLiteral("EY"));
    EXPECT_FALSE(awaiting());
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    // Types 2002: the calendar stays.
    type(QStringLiteral("2002"));
    EXPECT_EQ(chosen(), 1);
    EXPECT_EQ(dateBox->text(), QStringLiteral("2002"));
    // Enter clicks Convert: the line, the focus through Convert and back,
    // the entry selected.
    QSignalSpy clicks(convertButton, &QPushButton::clicked);
    press(Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(result->text(), QStringLiteral("SC 338.30  -  EY 2002 AD  -  BW 84"));
    EXPECT_EQ(convertFocus.count, 1);
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_EQ(dateBox->selectedText(), QStringLiteral("2002"));
    // The next keystroke replaces the entry.
    type(QStringLiteral("1"));
    EXPECT_EQ(dateBox->text(), QStringLiteral("1"));
}

TEST_F(MainWindowBehaviour, ConvertBeforeAnythingConvertsNothing)
{
    QTest::mouseClick(convertButton, Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(result->text().isEmpty());
    EXPECT_EQ(chosen(), -1);
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    // Converting chose nothing: the first keystroke still chooses SC.
    EXPECT_TRUE(awaiting());
    type(QStringLiteral("3"));
    EXPECT_EQ(chosen(), 0);
}

TEST_F(MainWindowBehaviour, EnterConvertsExactlyOnceFromEveryControl)
{
    const QString line = QStringLiteral("SC 361.98  -  EY 4370 AD  -  AW 2284");
    type(QStringLiteral("361.98"));
    // Date box, then Convert and an option, each reached by Tab.
    QWidget* const targets[] = {dateBox, convertButton, option(0)};
    for (int count = 0; count < 3; ++count) {
        SCOPED_TRACE(count);
        dateBox->setFocus();
        for (int i = 0; i < count; ++i)
            press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), targets[count]);
        result->clear();
        QSignalSpy clicks(convertButton, &QPushButton::clicked);
        press(Qt::Key_Return);
        EXPECT_EQ(clicks.count(), 1);
        EXPECT_EQ(result->text(), line);
    }
    // The keypad's Enter too.
    result->clear();
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(result->text(), line);
}

TEST_F(MainWindowBehaviour, SelectingAnOptionFromTheProgramActsAsAClick)
{
    dateBox->setText(QStringLiteral("123")); // chooses SC, as typing does
    EXPECT_EQ(chosen(), 0);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), convertButton);
    option(2)->setChecked(true);
    EXPECT_EQ(prefix->text(), QStringLiteral("AW"));
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_TRUE(wholeEntrySelected());
    EXPECT_EQ(dateBox->selectedText(), QStringLiteral("123"));
}

TEST_F(MainWindowBehaviour, ClickingTheChosenOptionAgainReturnsToTheDateBox)
{
    clickOption(1);
    type(QStringLiteral("77"));
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), convertButton);
    clickOption(1);
    EXPECT_EQ(chosen(), 1);
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_EQ(dateBox->selectedText(), QStringLiteral("77"));
}

TEST_F(MainWindowBehaviour, DateBoxSelectsItsEntryOnKeyboardFocusAndTheMouseKeepsItsCaret)
{
    type(QStringLiteral("361.98"));
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_TRUE(wholeEntrySelected());

    // A click into the box places the caret where it lands, as in any text
    // box: the selection made on focus gives way to the click.
    press(Qt::Key_Tab);
    QTest::mouseClick(dateBox, Qt::LeftButton, {}, QPoint(dateBox->width() - 4, dateBox->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_FALSE(dateBox->hasSelectedText());
    EXPECT_EQ(dateBox->cursorPosition(), 6);
}

TEST_F(MainWindowBehaviour, AccessKeysChooseCalendarsFocusTheDateBoxAndConvert)
{
    type(QStringLiteral("2284"));
    const struct {
        Qt::Key key;
        int option;
        const char* prefix;
    } rows[] = {{Qt::Key_A, 2, "AW"}, {Qt::Key_E, 1, "EY"}, {Qt::Key_S, 0, "SC"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.prefix);
        press(Qt::Key_Tab);              // away from the date box first
        press(row.key, Qt::AltModifier); // acts at once, as a click does
        EXPECT_TRUE(option(row.option)->isChecked());
        EXPECT_EQ(prefix->text(), QLatin1String(row.prefix));
        EXPECT_EQ(QApplication::focusWidget(), dateBox);
        EXPECT_TRUE(wholeEntrySelected());
    }

    // Alt+D, the frame's key, goes to the date box and selects the entry.
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), convertButton);
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_TRUE(wholeEntrySelected());

    clickOption(2);
    press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(result->text(), QStringLiteral("SC 361.98  -  EY 4370 AD  -  AW 2284"));
}

// An access key acts before the next key is handled, as a click does.
TEST_F(MainWindowBehaviour, AccessKeysActBeforeTheNextKeyTyped)
{
    const auto digits = [](const char* text) {
        std::vector<QKeyCombination> keys;
        for (const char* c = text; *c; ++c)
            keys.push_back(Qt::Key(Qt::Key_0 + (*c - '0')));
        return keys;
    };
    const auto join = [](std::vector<QKeyCombination> a, const std::vector<QKeyCombination>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* name;
        int chosenFirst; // -1: none
        const char* entryFirst;
        std::vector<QKeyCombination> keys;
        const char* prefix;
        const char* entry;
        const char* result;
    } rows[] = {
        {"Alt+E then 2002", -1, "", join({Qt::ALT | Qt::Key_E}, digits("2002")), "EY", "2002", ""},
        {"Alt+A replaces the entry", 0, "361", join({Qt::ALT | Qt::Key_A}, digits("77")), "AW", "77", ""},
        {"Alt+S replaces the entry", 1, "361", join({Qt::ALT | Qt::Key_S}, digits("5")), "SC", "5", ""},
        {"2284, Alt+C, 1", 2, "", join(join(digits("2284"), {Qt::ALT | Qt::Key_C}), digits("1")), "AW", "1",
         "SC 361.98  -  EY 4370 AD  -  AW 2284"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        if (row.chosenFirst >= 0)
            clickOption(row.chosenFirst);
        type(QLatin1String(row.entryFirst));
        typeAhead(window->windowHandle(), row.keys);
        EXPECT_EQ(prefix->text(), QLatin1String(row.prefix));
        EXPECT_EQ(dateBox->text(), QLatin1String(row.entry));
        EXPECT_EQ(result->text(), QLatin1String(row.result));
        EXPECT_EQ(QApplication::focusWidget(), dateBox);
    }
}

// A visit to the menu bar by keyboard leaves the date box as it was: the
// box never counts as losing or getting the focus for it.
TEST_F(MainWindowBehaviour, LeavingTheMenuBarKeepsTheEntrysCaretAndSelection)
{
    const auto popupShown = [] { return QApplication::activePopupWidget() != nullptr; };
    const struct {
        const char* name;
        std::function<void()> visit;
    } paths[] = {
        {"Alt, Escape",
         [&] {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
             EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == window->menuBar(); }));
             press(Qt::Key_Escape);
         }},
        {"Alt+H, Escape, Escape",
         [&] {
             press(Qt::Key_H, Qt::AltModifier);
             EXPECT_TRUE(QTest::qWaitFor(popupShown));
             press(Qt::Key_Escape);
             EXPECT_TRUE(QTest::qWaitFor([&] { return !popupShown(); }));
             press(Qt::Key_Escape);
         }},
    };
    const struct {
        const char* name;
        std::function<void()> prepare;
    } states[] = {
        {"caret inside", [&] { type(QStringLiteral("2284")), press(Qt::Key_Left), press(Qt::Key_Left); }},
        {"one character selected",
         [&] { type(QStringLiteral("2284")), press(Qt::Key_Left), press(Qt::Key_Left, Qt::ShiftModifier); }},
        {"whole entry after a conversion",
         [&] { clickOption(2), type(QStringLiteral("2284")), press(Qt::Key_Return); }},
    };
    for (const auto& path : paths) {
        for (const auto& state : states) {
            SCOPED_TRACE(std::string(path.name) + " / " + state.name);
            SetUp();
            state.prepare();
            const int start = dateBox->selectionStart();
            const QString selected = dateBox->selectedText();
            const int caret = dateBox->cursorPosition();
            path.visit();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == dateBox; }));
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_EQ(dateBox->selectionStart(), start);
            EXPECT_EQ(dateBox->selectedText(), selected);
            EXPECT_EQ(dateBox->cursorPosition(), caret);
        }
    }
}

// Desktop themes put icons on dialog buttons; the refusal boxes' OK stays
// plain, as the windows' own OK buttons are.
TEST_F(MainWindowBehaviour, RefusalBoxesHavePlainOkButtonsUnderAnIconTheme)
{
    DesktopTheme theme;
    QPlatformTheme* const platformTheme = QGuiApplicationPrivate::platform_theme;
    QGuiApplicationPrivate::platform_theme = &theme;
    clickOption(1);
    for (const char* entry : {"99999", "0"}) {
        SCOPED_TRACE(entry);
        type(QLatin1String(entry));
        bool plain = false;
        answerNextModal([&] { press(Qt::Key_Return); },
                        [&](QWidget* modal) {
                            auto* box = qobject_cast<QMessageBox*>(modal);
                            plain = box && box->button(QMessageBox::Ok) &&
                                    box->button(QMessageBox::Ok)->icon().isNull();
                            modal->close();
                        });
        reactivate();
        EXPECT_TRUE(plain);
    }
    QGuiApplicationPrivate::platform_theme = platformTheme;
}

TEST_F(MainWindowBehaviour, CtrlXCutsASelectionInTheDateBox)
{
    type(QStringLiteral("4370"));
    dateBox->selectAll();
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dateBox->text().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("4370"));
}

TEST_F(MainWindowBehaviour, CtrlXWithoutASelectionExits)
{
    type(QStringLiteral("4370"));
    ASSERT_FALSE(dateBox->hasSelectedText());
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dateBox->text(), QStringLiteral("4370"));
}

TEST_F(MainWindowBehaviour, CtrlXOnAnotherControlExits)
{
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), convertButton);
    press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowBehaviour, OutOfRangeShowsTheCriticalBoxEmptiesTheResultAndSelectsTheEntry)
{
    clickOption(0);
    type(QStringLiteral("361.98"));
    press(Qt::Key_Return);
    ASSERT_FALSE(result->text().isEmpty());
    type(QStringLiteral("666.82"));
    const ShownBox box = answerBox([&] { press(Qt::Key_Return); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.title, QStringLiteral("Morvane Date Converter"));
    EXPECT_EQ(box.text, QStringLiteral("Sorry, that date is out of range.  Please try again."));
    EXPECT_TRUE(result->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_EQ(dateBox->selectedText(), QStringLiteral("666.82"));
}

TEST_F(MainWindowBehaviour, YearZeroShowsTheNoticeAndLeavesEntryAndFocusAsTheyWere)
{
    clickOption(1);
    type(QStringLiteral("2002"));
    press(Qt::Key_Return);
    ASSERT_FALSE(result->text().isEmpty());
    type(QStringLiteral("0"));
    const ShownBox box = answerBox([&] { press(Qt::Key_Return); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.title, QStringLiteral("MRV Date Convertor"));
    EXPECT_EQ(
        box.text,
        QStringLiteral("There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD."));
    EXPECT_TRUE(result->text().isEmpty());
    EXPECT_EQ(dateBox->text(), QStringLiteral("0"));
    EXPECT_FALSE(dateBox->hasSelectedText());
    EXPECT_EQ(dateBox->cursorPosition(), 1);
    EXPECT_EQ(QApplication::focusWidget(), dateBox);

    // Clicked with the mouse, Convert keeps the focus it took.
    answerBox([&] { QTest::mouseClick(convertButton, Qt::LeftButton); });
    EXPECT_EQ(QApplication::focusWidget(), convertButton);
}

TEST_F(MainWindowBehaviour, WebsiteOpensTheProjectPageEachTime)
{
    UrlRecorder recorder;
    for (int i = 0; i < 2; ++i) {
        press(Qt::Key_H, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.opened.size() == i + 1; }));
    }
    EXPECT_EQ(recorder.opened, QStringList(2, QStringLiteral("http://mrv.example.org/mrv/mrv.html")));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowBehaviour, ResultCopyPutsTheLineOnTheClipboardAndLeavesTheFocus)
{
    clickOption(2);
    type(QStringLiteral("2284"));
    press(Qt::Key_Return);
    const QString line = result->text();
    ASSERT_FALSE(line.isEmpty());
    QGuiApplication::clipboard()->clear();

    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      result->mapTo(window.get(), result->rect().center()));
    auto* menu = window->findChild<QMenu*>(QStringLiteral("resultMenu"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == menu; }));
    QAction* copy = menu->actions().value(0);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->text(), QStringLiteral("Copy"));
    EXPECT_TRUE(copy->shortcut().isEmpty());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), line);
    reactivate();
    EXPECT_EQ(QApplication::focusWidget(), dateBox);
    EXPECT_EQ(dateBox->selectedText(), QStringLiteral("2284"));
    EXPECT_EQ(result->text(), line);
}

TEST_F(MainWindowBehaviour, AssistiveTechnologyHearsNamesAndEveryNewResult)
{
    const auto nameOf = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(nameOf(dateBox), QStringLiteral("Date to convert"));
    EXPECT_FALSE(nameOf(convertButton).isEmpty());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(nameOf(option(i)).startsWith(QStringLiteral("Convert from "))) << i;
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(result);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->text(QAccessible::Description).isEmpty());

    // No screen reader is attached under test: switch the platform's
    // accessibility on, as a bridge would, so Qt delivers its events.
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(platform, nullptr);
    const bool wasActive = platform->isActive();
    platform->setActive(true);
    static QList<QObject*> nameChanges;
    nameChanges.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged)
            nameChanges << event->object();
    });
    clickOption(0);
    type(QStringLiteral("361.98"));
    press(Qt::Key_Return);
    const qsizetype afterFirst = nameChanges.count(result);
    press(Qt::Key_Return); // the same result again is announced again
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(wasActive);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("SC 361.98  -  EY 4370 AD  -  AW 2284"));
    EXPECT_GE(afterFirst, 1);
    EXPECT_GT(nameChanges.count(result), afterFirst);
}

} // namespace
} // namespace mrv::test
