// The main window's design: its controls, menu and keys as the window
// creates them, in the form's twips. The handlers are in frmMRVDate.cpp.
#include "frmMRVDate.h"

#include "DesignFont.h"
#include "Texts.h"
#include "Twips.h"
#include "frmMRVDateDesign.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

using namespace mrv::ui;
namespace design = mrv::ui::mainWindowDesign;
namespace text = mrv::texts::frmMRVDate;

namespace {

QLabel* makeLabel(QWidget* parent, const design::Control& row)
{
    auto* label = placed(new QLabel(toQString(row.caption), parent), row);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

void frmMRVDate::createTitleAndFrame(QWidget* client)
{
    Label1 = makeLabel(client, design::control("Label1"));
    Label1->setFont(designFont(8.25, true));

    constexpr const design::Control& frame = design::control("Frame1");
    Frame1 = placed(new AccessKeyFrame(toQString(frame.caption), client), frame);
}

void frmMRVDate::createDateRow()
{
    lblDatePrefix = makeLabel(Frame1, design::control("lblDatePrefix"));
    lblDatePrefix->setFont(designFont(8.25, true));

    txtInputBox = placed(new QLineEdit(Frame1), design::control("txtInputBox"));
    txtInputBox->setAccessibleName(toQString(text::txtInputBox));
    txtInputBox->setAccessibleDescription(
        QStringLiteral("The date on the chosen calendar; the calendar's prefix stands left of it"));
    txtInputBox->installEventFilter(this);
    Frame1->setBuddy(txtInputBox);
    connect(txtInputBox, &QLineEdit::textChanged, this, &frmMRVDate::txtInputBox_Change);

    constexpr const design::Control& convert = design::control("cmdConvert");
    cmdConvert = placed(new CommandButton(toQString(convert.caption), Frame1), convert);
    cmdConvert->setDefault(true);
    cmdConvert->setAccessibleDescription(QStringLiteral("Converts the date to all three calendars"));
    connect(cmdConvert, &QPushButton::clicked, this, &frmMRVDate::cmdConvert_Click);
}

void frmMRVDate::createOptions()
{
    Label2 = makeLabel(Frame1, design::control("Label2"));

    constexpr const design::Control* options[] = {
        &design::control("optDate", 0), &design::control("optDate", 1), &design::control("optDate", 2)};
    optDate = new OptionGroup(this);
    for (const design::Control* row : options) {
        auto* option = placed(new OptionButton(toQString(row->caption), Frame1), *row);
        // Read aloud as "Convert from Space Century (SC)": the caption
        // without its access key, after the group's question.
        option->setAccessibleName(QStringLiteral("Convert from ") + QString(option->text()).remove(u'&'));
        optDate->addButton(option, row->index);
    }
    connect(optDate, &OptionGroup::chosen, this, &frmMRVDate::optDate_Click);
    connect(optDate, &OptionGroup::chosenAgain, this, &frmMRVDate::optDate_Click);
}

void frmMRVDate::createResultBox(QWidget* client)
{
    lblDateBox = makeLabel(client, design::control("lblDateBox"));
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
    lblDateBox->setAccessibleDescription(toQString(text::lblDateBox));
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
    imgMain = placed(new PictureBox(client), design::control("imgMain"));
    imgMain->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    imgMain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgMain->setSource(QStringLiteral(":/pictures/main-initial.png"));

    for (int i = 0; i < kLibraryPictures; ++i) {
        auto* image = new PictureBox(client);
        image->setObjectName(QStringLiteral("imgLibrary"));
        image->setProperty("index", i);
        image->setGeometry(twipsRect(design::libraryPicturePlace(i)));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setSource(QStringLiteral(":/pictures/") + toQString(mrv::texts::pictures[i]));
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
    mnuHelp = menuBar()->addMenu(toQString(text::mnuHelp));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    const auto add = [this](const char* name, std::string_view caption, void (frmMRVDate::*handler)()) {
        QAction* action = mnuHelp->addAction(toQString(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuHelpInstructions =
        add("mnuHelpInstructions", text::mnuHelpInstructions, &frmMRVDate::mnuHelpInstructions_Click);
    mnuHelpAbout = add("mnuHelpAbout", text::mnuHelpAbout, &frmMRVDate::mnuHelpAbout_Click);
    mnuHelpWebsite = add("mnuHelpWebsite", text::mnuHelpWebsite, &frmMRVDate::mnuHelpWebsite_Click);
    Line1 = mnuHelp->addSeparator();
    Line1->setObjectName(QStringLiteral("Line1"));
    mnuHelpExit = add("mnuHelpExit", text::mnuHelpExit, &frmMRVDate::mnuHelpExit_Click);
    mnuHelpExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuHelpExit->setShortcutContext(Qt::WindowShortcut);
}
