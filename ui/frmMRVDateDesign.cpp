// The main window's design: its controls, menu and keys as the window
// creates them, in the form's twips. The handlers are in frmMRVDate.cpp.
#include "frmMRVDate.h"

#include "DesignFont.h"
#include "Twips.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

using namespace mrv::ui;

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

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
    // The "window background" system colour is the background of text
    // areas: Qt's Base role, by role so that it follows the desktop's
    // colours when they change.
    lblDateBox->setBackgroundRole(QPalette::Base);
    lblDateBox->setForegroundRole(QPalette::WindowText);
    QPalette resultPalette = lblDateBox->palette();
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
