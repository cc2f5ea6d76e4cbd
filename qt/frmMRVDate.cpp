#include "frmMRVDate.h"

#include "DesignFont.h"
#include "DesignedControl.h"
#include "OpenWebPage.h"
#include "SecondaryWindowDesigns.h"
#include "Texts.h"
#include "Twips.h"
#include "WebAddresses.h"
#include "WindowPlacement.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDateRules.h"

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
#include <QSignalBlocker>

#include <chrono>
#include <cstdint>
#include <string_view>

// The windows stay global (their class names are their object names); their
// helpers and controls live in mrv::ui.
using namespace mrv::ui;

namespace {

namespace design = mrv::forms::mainWindow;

// A message box answered with OK; `icon` is its texts' icon. Plain text: a
// message may name the entry, which is the user's text, not markup.
void showBox(QWidget* parent, std::string_view icon, std::string_view title, std::string_view message)
{
    QMessageBox box(icon == "critical" ? QMessageBox::Critical : QMessageBox::Information, toQString(title),
                    toQString(message), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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

void frmMRVDate::Form_Load()
{
    // Seeded from the clock at every start.
    carryOut(rules.Form_Load(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())));
}

void frmMRVDate::optDate_Click(int Index)
{
    carryOut(rules.optDate_Click(Index));
}

void frmMRVDate::txtInputBox_Change()
{
    carryOut(rules.txtInputBox_Change());
}

void frmMRVDate::txtInputBox_GotFocus()
{
    carryOut(rules.txtInputBox_GotFocus());
}

void frmMRVDate::cmdConvert_Click()
{
    const QByteArray text = txtInputBox->text().toUtf8();
    // The default locale follows the user's settings unless a program (or a
    // test) sets another.
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
    carryOut(rules.cmdConvert_Click(
        optDate->checkedId(), std::string_view(text.constData(), static_cast<size_t>(text.size())),
        std::string_view(separator.constData(), static_cast<size_t>(separator.size()))));
}

void frmMRVDate::mnuHelp_Click(design::Command command)
{
    carryOut(rules.mnuHelp_Click(command));
}

void frmMRVDate::carryOut(const design::Effects& effects)
{
    for (const design::Effect& effect : effects)
        carryOut(effect);
}

void frmMRVDate::carryOut(const design::Effect& effect)
{
    using Kind = design::Effect::Kind;
    switch (effect.kind) {
    case Kind::Centre:
        centreOnScreen(this, design::kForm.centreOrder);
        break;
    case Kind::ShowPicture:
        shownPicture = effect.index;
        imgMain->setPicture(imgLibrary[static_cast<std::size_t>(shownPicture)]->picture());
        break;
    case Kind::SetPrefix:
        lblDatePrefix->setText(toQString(effect.text));
        break;
    case Kind::CheckOption: {
        // Checked by the rules: not a click to tell them of.
        const QSignalBlocker quiet(optDate);
        optDate->button(effect.index)->setChecked(true);
        break;
    }
    case Kind::SetResult:
        setResult(toQString(effect.text));
        break;
    case Kind::ShowBox:
        showBox(this, effect.icon, effect.title, effect.text);
        break;
    case Kind::GiveFocus:
        if (auto* control = findChild<QWidget*>(toQString(effect.control)))
            giveFocus(control);
        break;
    case Kind::SelectEntry:
        txtInputBox->selectAll();
        break;
    case Kind::Beep:
        QApplication::beep();
        break;
    case Kind::OpenWebPage:
        mrv::OpenWebPage(QString::fromLatin1(mrv::kProjectPageUrl));
        break;
    case Kind::ShowWindow:
        showWindow(effect.control);
        break;
    case Kind::End:
        close();
        QCoreApplication::quit();
        break;
    }
}

void frmMRVDate::showWindow(std::string_view form)
{
    // The main window's own dialog, so that the desktop keeps it above the
    // main window (on Wayland, the compositor places it by it too).
    if (form == mrv::forms::instructions::kForm.name) {
        frmInstructions dialog(this);
        dialog.exec();
    } else {
        frmAbout dialog(this);
        dialog.exec();
    }
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

void frmMRVDate::lblDateBox_ContextMenu(const QPoint& pos)
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
