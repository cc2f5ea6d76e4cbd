#include "SecondaryWindow.h"

#include "Controls.h"
#include "DesignFont.h"
#include "DesignedControl.h"
#include "Texts.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QPushButton>

namespace mrv::ui {

SecondaryWindow::SecondaryWindow(const forms::FormDesign& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(toQString(form.name));
    setWindowTitle(toQString(form.title));
    setFont(designFont());
    setFixedSize(twips(form.clientWidth), twips(form.clientHeight));
}

QPushButton* SecondaryWindow::createOkButton(const forms::ControlDesign& design)
{
    auto* button = designed<CommandButton>(this, design);
    button->setDefault(true);
    button->setFocus();
    return button;
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mrv::ui
