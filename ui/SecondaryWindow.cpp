#include "SecondaryWindow.h"

#include "Controls.h"
#include "DesignFont.h"
#include "FormDesign.h"
#include "Texts.h"

#include <QKeyEvent>
#include <QPushButton>

namespace mrv::ui {

SecondaryWindow::SecondaryWindow(const QString& name, const QString& title, int clientWidth, int clientHeight,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(title);
    setFont(designFont());
    setFixedSize(twips(clientWidth), twips(clientHeight));
}

QPushButton* SecondaryWindow::createOkButton(const ControlDesign& design)
{
    auto* button = new CommandButton(toQString(design.caption), this);
    button->setObjectName(toQString(design.name));
    button->setGeometry(twipsRect(design.place));
    button->setDefault(true);
    button->setAccessibleName(QStringLiteral("OK"));
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
