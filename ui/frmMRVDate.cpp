#include "frmMRVDate.h"

#include "Calendar.h"
#include "OpenWebPage.h"
#include "Rounding.h"
#include "UiStyle.h"
#include "WebAddresses.h"
#include "frmAbout.h"
#include "frmInstructions.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <chrono>
#include <cmath>
#include <random>
#include <string_view>

// The windows stay global (their class names are their object names); their
// helpers and controls live in mrv::ui.
using namespace mrv::ui;

namespace {

constexpr const char* kPrefixes[] = {"SC", "EY", "AW"};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A refusal of the conversion, answered with OK.
void showRefusal(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view message)
{
    QMessageBox box(icon, toQString(title), toQString(message), QMessageBox::Ok, parent);
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
    setObjectName(QStringLiteral("frmMRVDate"));
    setWindowTitle(QStringLiteral("Morvane Timeline Date Converter"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips(7380), twips(2805));
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

void frmMRVDate::createTitleAndFrame(QWidget* client)
{
    Label1 = makeLabel(client, "Label1", QStringLiteral("Morvane Timeline Date Converter"),
                       twipsRect(120, 120, 4215, 255));
    Label1->setFont(designFont(8.25, true));

    Frame1 = new AccessKeyFrame(QStringLiteral("Enter &date to convert"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(120, 480, 5295, 1575));
}

void frmMRVDate::createDateRow()
{
    lblDatePrefix = makeLabel(Frame1, "lblDatePrefix", QStringLiteral("SC"), twipsRect(120, 400, 375, 255));
    lblDatePrefix->setFont(designFont(8.25, true));

    txtInputBox = new QLineEdit(Frame1);
    txtInputBox->setObjectName(QStringLiteral("txtInputBox"));
    txtInputBox->setGeometry(twipsRect(480, 360, 975, 285));
    txtInputBox->setAccessibleName(QStringLiteral("Date to convert"));
    txtInputBox->setAccessibleDescription(
        QStringLiteral("The date on the chosen calendar; the calendar's prefix stands left of it"));
    txtInputBox->installEventFilter(this);
    Frame1->setBuddy(txtInputBox);
    connect(txtInputBox, &QLineEdit::textChanged, this, &frmMRVDate::txtInputBox_Change);

    cmdConvert = new CommandButton(QStringLiteral("&Convert"), Frame1);
    cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    cmdConvert->setGeometry(twipsRect(2160, 360, 1215, 375));
    cmdConvert->setDefault(true);
    cmdConvert->setAccessibleDescription(QStringLiteral("Converts the date to all three calendars"));
    connect(cmdConvert, &QPushButton::clicked, this, &frmMRVDate::cmdConvert_Click);
}

void frmMRVDate::createOptions()
{
    Label2 =
        makeLabel(Frame1, "Label2", QStringLiteral("Convert date from:"), twipsRect(120, 840, 1455, 255));

    const struct {
        const char* caption;
        const char* accessibleName;
        QRect geometry;
    } options[] = {
        {"&Space Century (SC)", "Convert from Space Century (SC)", twipsRect(120, 1080, 1695, 255)},
        {"&Earth Year (EY)", "Convert from Earth Year (EY)", twipsRect(2040, 1080, 1455, 255)},
        {"&After War (AW)", "Convert from After War (AW)", twipsRect(3720, 1080, 1455, 255)},
    };
    optDate = new OptionGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = new OptionButton(QLatin1String(options[i].caption), Frame1);
        option->setObjectName(QStringLiteral("optDate"));
        option->setProperty("index", i);
        option->setGeometry(options[i].geometry);
        option->setAccessibleName(QLatin1String(options[i].accessibleName));
        optDate->addButton(option, i);
    }
    connect(optDate, &OptionGroup::chosen, this, &frmMRVDate::optDate_Click);
    connect(optDate, &OptionGroup::chosenAgain, this, &frmMRVDate::optDate_Click);
}

void frmMRVDate::createResultBox(QWidget* client)
{
    lblDateBox = makeLabel(client, "lblDateBox", QString(), twipsRect(120, 2225, 5295, 375));
    lblDateBox->setFont(designFont(12, true));
    lblDateBox->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblDateBox->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblDateBox->setLineWidth(1);
    lblDateBox->setAutoFillBackground(true);
    QPalette resultPalette = lblDateBox->palette();
    // The "window background" system colour is the background of text
    // areas: Qt's Base role.
    resultPalette.setColor(QPalette::Window, resultPalette.color(QPalette::Base));
    resultPalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblDateBox->setPalette(resultPalette);
    lblDateBox->setAccessibleDescription(QStringLiteral("Conversion result"));
    lblDateBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lblDateBox, &QLabel::customContextMenuRequested, this, &frmMRVDate::showResultMenu);

    resultMenu = new QMenu(this);
    resultMenu->setObjectName(QStringLiteral("resultMenu"));
    QAction* copy = resultMenu->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("resultCopy"));
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(lblDateBox->text()); });
}

void frmMRVDate::createPictures(QWidget* client)
{
    imgMain = new PictureBox(client);
    imgMain->setObjectName(QStringLiteral("imgMain"));
    imgMain->setGeometry(twipsRect(5520, 120, 1770, 2505));
    imgMain->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    imgMain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgMain->setSource(QStringLiteral(":/pictures/main-initial.png"));

    for (int i = 0; i < kLibraryPictures; ++i) {
        auto* image = new PictureBox(client);
        image->setObjectName(QStringLiteral("imgLibrary"));
        image->setProperty("index", i);
        image->setGeometry(twipsRect(360 + 360 * i, 2400, 1710, 2445));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setSource(QStringLiteral(":/pictures/library%1.png").arg(i));
        image->hide();
        imgLibrary[i] = image;
    }
}

void frmMRVDate::createKeys()
{
    // Tab order: the date box, Convert, then the options; labels and the
    // frame never take the focus.
    QWidget::setTabOrder(txtInputBox, cmdConvert);
    QWidget::setTabOrder(cmdConvert, optDate->button(0));
    QWidget::setTabOrder(optDate->button(0), optDate->button(1));
    QWidget::setTabOrder(optDate->button(1), optDate->button(2));

    // Enter clicks the default button from any control; QMainWindow has no
    // default-button handling of its own.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, cmdConvert, &QPushButton::click);
    }

    txtInputBox->setFocus();
}

void frmMRVDate::createMenu()
{
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    const auto add = [this](const char* name, const char* caption, void (frmMRVDate::*handler)()) {
        QAction* action = mnuHelp->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuHelpInstructions = add("mnuHelpInstructions", "&Instructions", &frmMRVDate::mnuHelpInstructions_Click);
    mnuHelpAbout = add("mnuHelpAbout", "A&bout", &frmMRVDate::mnuHelpAbout_Click);
    mnuHelpWebsite = add("mnuHelpWebsite", "&Morvane website", &frmMRVDate::mnuHelpWebsite_Click);
    Line1 = mnuHelp->addSeparator();
    Line1->setObjectName(QStringLiteral("Line1"));
    mnuHelpExit = add("mnuHelpExit", "E&xit", &frmMRVDate::mnuHelpExit_Click);
    mnuHelpExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuHelpExit->setShortcutContext(Qt::WindowShortcut);
}

int frmMRVDate::pictureIndexForDraw(float r)
{
    if (!(r >= 0.0f))
        r = 0.0f;
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    return mrv::floorToInt16(static_cast<double>(r) * 7.0).value_or(0);
}

void frmMRVDate::Form_Load()
{
    centreOnScreen(this, CentreOrder::LeftFirst);

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
    if (Index >= 0 && Index < 3)
        lblDatePrefix->setText(QLatin1String(kPrefixes[Index]));
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
        calendar = static_cast<mrv::CalendarKind>(optDate->checkedId());
    const QByteArray text = txtInputBox->text().toUtf8();
    // The default locale follows the user's settings unless a program (or a
    // test) sets another.
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
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
        showRefusal(this, QMessageBox::Information, mrv::kYearZeroTitle, mrv::kYearZeroMessage);
        setResult(QString());
        break;
    }
}

void frmMRVDate::ShowOutOfRange()
{
    showRefusal(this, QMessageBox::Critical, mrv::kOutOfRangeTitle, mrv::kOutOfRangeMessage);
    setResult(QString());
    giveFocus(cmdConvert);
    giveFocus(txtInputBox);
}

void frmMRVDate::mnuHelpInstructions_Click()
{
    frmInstructions dialog;
    dialog.exec();
}

void frmMRVDate::mnuHelpAbout_Click()
{
    frmAbout dialog;
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
