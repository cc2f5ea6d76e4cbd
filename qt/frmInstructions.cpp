#include "frmInstructions.h"

#include "DesignedControl.h"
#include "SecondaryWindowDesigns.h"
#include "Texts.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>

using namespace mrv::ui;
namespace text = mrv::texts::frmInstructions;
namespace design = mrv::forms::instructions;

frmInstructions::frmInstructions(QWidget* parent) : SecondaryWindow(design::kForm, parent)
{
    Label1 = designed<QLabel>(this, designOf(design::kControls, "Label1"));

    // Left editable; the focus redirect below keeps typing out.
    txtInstructions = designed<QTextEdit>(this, designOf(design::kControls, "txtInstructions"));
    txtInstructions->setAcceptRichText(false);
    txtInstructions->setLineWrapMode(QTextEdit::WidgetWidth);
    txtInstructions->setWordWrapMode(QTextOption::WordWrap);
    txtInstructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Paths that change a text box without it holding the focus: the context
    // menu's Paste, dropped text and the X11 middle-button paste.
    txtInstructions->setContextMenuPolicy(Qt::NoContextMenu);
    txtInstructions->setAcceptDrops(false);
    txtInstructions->viewport()->setAcceptDrops(false);
    txtInstructions->setUndoRedoEnabled(false);
    txtInstructions->installEventFilter(this);
    txtInstructions->viewport()->installEventFilter(this);

    cmdOK = createOkButton(designOf(design::kControls, "cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmInstructions::cmdOK_Click);
    orderTabs(this);

    Form_Load();
}

QString frmInstructions::instructionsText()
{
    return toQString(text::txtInstructions);
}

void frmInstructions::Form_Load()
{
    centreOnScreen(this, design::kForm.centreOrder);

    txtInstructions->setPlainText(instructionsText());
}

void frmInstructions::txtInstructions_GotFocus()
{
    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmInstructions::cmdOK_Click()
{
    accept();
}

bool frmInstructions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtInstructions && event->type() == QEvent::FocusIn) {
        txtInstructions_GotFocus();
        return false;
    }
    if (watched == txtInstructions->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
                return true;
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
