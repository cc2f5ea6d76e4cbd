// The main window's controls, menu and keys, built from its design
// (forms/frmMRVDateDesign.h). The handlers are in frmMRVDate.cpp.
#include "frmMRVDate.h"

#include "DesignedControl.h"
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
namespace design = mrv::forms::mainWindow;

void frmMRVDate::createTitleAndFrame(QWidget* client)
{
    Label1 = designed<QLabel>(client, design::control("Label1"));
    Frame1 = designed<AccessKeyFrame>(client, design::control("Frame1"));
}

void frmMRVDate::createDateRow()
{
    lblDatePrefix = designed<QLabel>(Frame1, design::control("lblDatePrefix"));

    txtInputBox = designed<QLineEdit>(Frame1, design::control("txtInputBox"));
    txtInputBox->installEventFilter(this);
    Frame1->setBuddy(txtInputBox);
    connect(txtInputBox, &QLineEdit::textChanged, this, &frmMRVDate::txtInputBox_Change);

    cmdConvert = designed<CommandButton>(Frame1, design::control("cmdConvert"));
    cmdConvert->setDefault(true);
    connect(cmdConvert, &QPushButton::clicked, this, &frmMRVDate::cmdConvert_Click);
}

void frmMRVDate::createOptions()
{
    Label2 = designed<QLabel>(Frame1, design::control("Label2"));

    constexpr const design::Control* options[] = {
        &design::control("optDate", 0), &design::control("optDate", 1), &design::control("optDate", 2)};
    optDate = new OptionGroup(this);
    for (const design::Control* row : options) {
        auto* option = designed<OptionButton>(Frame1, *row);
        option->setAccessibleName(toQString(design::kOptionSpokenPrefix) +
                                  toQString(mrv::forms::withoutAccessKey(row->caption)));
        optDate->addButton(option, row->index);
    }
    connect(optDate, &OptionGroup::chosen, this, &frmMRVDate::optDate_Click);
    connect(optDate, &OptionGroup::chosenAgain, this, &frmMRVDate::optDate_Click);
}

void frmMRVDate::createResultBox(QWidget* client)
{
    lblDateBox = designed<QLabel>(client, design::control("lblDateBox"));
    lblDateBox->setAutoFillBackground(true);
    // The "window background" system colour is the background of text
    // areas: Qt's Base role, by role so that it follows the desktop's
    // colours when they change.
    lblDateBox->setBackgroundRole(QPalette::Base);
    lblDateBox->setForegroundRole(QPalette::WindowText);
    lblDateBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lblDateBox, &QLabel::customContextMenuRequested, this, &frmMRVDate::lblDateBox_ContextMenu);

    resultMenu = new QMenu(this);
    resultMenu->setObjectName(QStringLiteral("resultMenu"));
    QAction* copy = resultMenu->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("resultCopy"));
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(lblDateBox->text()); });
}

void frmMRVDate::createPictures(QWidget* client)
{
    imgMain = designed<PictureBox>(client, design::control("imgMain"));
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
    // Labels and the frame never take the focus.
    orderTabs(this);

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
    mnuHelp = menuBar()->addMenu(toQString(design::kMenuCaption));
    mnuHelp->setObjectName(toQString(design::kMenuName));
    for (const design::MenuEntry& entry : design::kMenu) {
        QAction* action =
            entry.caption.empty() ? mnuHelp->addSeparator() : mnuHelp->addAction(toQString(entry.caption));
        action->setObjectName(toQString(entry.name));
        if (entry.ctrlKey) {
            // Qt's letter keys are their capitals' codes.
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(entry.ctrlKey)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (!entry.caption.empty())
            connect(action, &QAction::triggered, this,
                    [this, command = entry.command] { mnuHelp_Click(command); });
    }
}
