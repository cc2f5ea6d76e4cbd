#include "frmMRVDate.h"

#include "DesignFont.h"
#include "DesignedControl.h"
#include "Entry.h"
#include "OpenWebPage.h"
#include "Rounding.h"
#include "Texts.h"
#include "Twips.h"
#include "WebAddresses.h"
#include "WindowPlacement.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDateDesign.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

// The windows stay global (their class names are their object names); their
// helpers and controls live in mrv::ui.
using namespace mrv::ui;

namespace {

namespace design = mrv::forms::mainWindow;
namespace refusals = mrv::texts::refusals;

// A refusal of the conversion, answered with OK; `icon` is its texts' icon.
// Plain text: a message may name the entry, which is the user's text, not
// markup.
void showRefusal(QWidget* parent, std::string_view icon, std::string_view title, std::string_view message)
{
    QMessageBox box(icon == "critical" ? QMessageBox::Critical : QMessageBox::Information, toQString(title),
                    toQString(message), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The calendar's prefix, as its texts list it.
QString prefixOf(mrv::CalendarKind calendar)
{
    return toQString(mrv::texts::calendars::prefixes[static_cast<std::size_t>(calendar)]);
}

// The selection is what the user sees of txtInputBox_GotFocus. Qt reports
// a return to the window, from a popup or from the menu bar as focus too;
// none of them counts as the box receiving the focus. A mouse click does
// count: the box selects its entry, then the click places the caret where it
// landed, as a click into any text box does.
bool countsAsGotFocus(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

frmMRVDate::frmMRVDate(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(toQString(design::kForm.name));
    setWindowTitle(toQString(design::kForm.title));
    setWindowFlags(
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
        (mrv::forms::hasMinimiseButton(design::kForm) ? Qt::WindowMinimizeButtonHint : Qt::Widget) |
        Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips(design::kForm.clientWidth), twips(design::kForm.clientHeight));
    // The form's font for every control below the menu bar, which follows
    // the desktop's fonts.
    client->setFont(designFont());
    setCentralWidget(client);
    createTitleAndFrame(client);
    createDateRow();
    createOptions();
    createResultBox(client);
    createPictures(client);
    createKeys();
    createMenu();

    // The client area has the form's fixed size; the menu bar sits above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    Form_Load();
}

int frmMRVDate::pictureIndexForDraw(float r)
{
    if (!(r >= 0.0f))
        r = 0.0f;
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    return mrv::floorToInt16(static_cast<double>(r) * kLibraryPictures).value_or(0);
}

void frmMRVDate::Form_Load()
{
    centreOnScreen(this, design::kForm.centreOrder);

    awaitingFirstEntry = true;

    // Seeded from the clock at every start; 24 random bits make a single in
    // [0, 1) exactly, never 1.0.
    std::mt19937 generator(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    const float r = static_cast<float>(generator() >> 8) * 0x1p-24f;
    shownPicture = pictureIndexForDraw(r);
    imgMain->setPicture(imgLibrary[shownPicture]->picture());
}

void frmMRVDate::optDate_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(std::size(design::kOptionCalendars)))
        lblDatePrefix->setText(prefixOf(design::kOptionCalendars[Index]));
    awaitingFirstEntry = false;
    giveFocus(txtInputBox);
}

void frmMRVDate::txtInputBox_Change()
{
    if (awaitingFirstEntry) {
        optDate->button(0)->setChecked(true);
        awaitingFirstEntry = false;
    }
}

void frmMRVDate::txtInputBox_GotFocus()
{
    txtInputBox->selectAll();
}

void frmMRVDate::cmdConvert_Click()
{
    std::optional<mrv::CalendarKind> calendar;
    if (optDate->checkedId() >= 0)
        calendar = design::kOptionCalendars[optDate->checkedId()];
    const QByteArray text = txtInputBox->text().toUtf8();
    // The default locale follows the user's settings unless a program (or a
    // test) sets another.
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
    // The separator is also read as the decimal point, so a result can be
    // typed back.
    const mrv::ConversionOutcome outcome =
        mrv::convert(calendar, std::string_view(text.constData(), static_cast<size_t>(text.size())),
                     std::string_view(separator.constData(), static_cast<size_t>(separator.size())));
    switch (outcome.kind) {
    case mrv::ConversionOutcome::Kind::Converted:
        setResult(toQString(outcome.line));
        giveFocus(cmdConvert);
        giveFocus(txtInputBox);
        break;
    case mrv::ConversionOutcome::Kind::OutOfRange:
        ShowOutOfRange();
        break;
    case mrv::ConversionOutcome::Kind::YearZero:
        showRefusal(this, refusals::YearZero::icon, refusals::YearZero::title, refusals::YearZero::message);
        setResult(QString());
        break;
    case mrv::ConversionOutcome::Kind::NotANumber:
        ShowNotANumber(text);
        break;
    case mrv::ConversionOutcome::Kind::NothingTyped:
        // Nothing to convert and nothing changes: only the entry wants typing.
        QApplication::beep();
        giveFocus(txtInputBox);
        break;
    }
}

void frmMRVDate::ShowOutOfRange()
{
    showRefusal(this, refusals::OutOfRange::icon, refusals::OutOfRange::title, refusals::OutOfRange::message);
    setResult(QString());
    giveFocus(cmdConvert);
    giveFocus(txtInputBox);
}

void frmMRVDate::ShowNotANumber(const QByteArray& entry)
{
    const std::string message =
        mrv::notANumberMessage(std::string_view(entry.constData(), static_cast<size_t>(entry.size())));
    showRefusal(this, refusals::NotANumber::icon, refusals::NotANumber::title, message);
    setResult(QString());
    giveFocus(cmdConvert);
    giveFocus(txtInputBox);
}

void frmMRVDate::mnuHelp_Click(design::Command command)
{
    switch (command) {
    case design::Command::Instructions:
        mnuHelpInstructions_Click();
        break;
    case design::Command::About:
        mnuHelpAbout_Click();
        break;
    case design::Command::Website:
        mnuHelpWebsite_Click();
        break;
    case design::Command::Exit:
        mnuHelpExit_Click();
        break;
    }
}

void frmMRVDate::mnuHelpInstructions_Click()
{
    // The main window's own dialog, so that the desktop keeps it above the
    // main window (on Wayland, the compositor places it by it too).
    frmInstructions dialog(this);
    dialog.exec();
}

void frmMRVDate::mnuHelpAbout_Click()
{
    frmAbout dialog(this);
    dialog.exec();
}

void frmMRVDate::mnuHelpWebsite_Click()
{
    mrv::OpenWebPage(QString::fromLatin1(mrv::kProjectPageUrl));
}

void frmMRVDate::mnuHelpExit_Click()
{
    close();
    QCoreApplication::quit();
}

void frmMRVDate::giveFocus(QWidget* control)
{
    const QWidget* had = focusWidget();
    control->setFocus(Qt::OtherFocusReason);
    // Right after a message box the window may not be active again yet; Qt
    // then delivers the focus only on reactivation, as a reason the date box
    // does not count. The box still receives the focus now.
    if (control == txtInputBox && had != txtInputBox && !isActiveWindow())
        txtInputBox_GotFocus();
}

void frmMRVDate::setResult(const QString& line)
{
    lblDateBox->setText(line);
    QAccessibleEvent changed(lblDateBox, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void frmMRVDate::showResultMenu(const QPoint& pos)
{
    resultMenu->actions().constFirst()->setEnabled(!lblDateBox->text().isEmpty());
    resultMenu->popup(lblDateBox->mapToGlobal(pos));
}

bool frmMRVDate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtInputBox) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (countsAsGotFocus(static_cast<QFocusEvent*>(event)->reason()))
                txtInputBox_GotFocus();
            break;
        case QEvent::FocusOut:
            // The menu bar borrows the focus only while it is browsed by
            // keyboard; the line edit would drop its selection for it as for
            // any other control, so it is told the focus went to a popup.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
                QFocusEvent borrowed(QEvent::FocusOut, Qt::PopupFocusReason);
                QCoreApplication::sendEvent(txtInputBox, &borrowed);
                return true;
            }
            break;
        case QEvent::ShortcutOverride: {
            // Ctrl+X cuts a selection; with nothing selected it is Help >
            // Exit's shortcut, which the line edit would otherwise swallow.
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Cut) && !txtInputBox->hasSelectedText()) {
                event->ignore();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
