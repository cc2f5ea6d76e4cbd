#include "SecondaryWindow.h"

#include "UiStyle.h"

#include <QKeyEvent>

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

void SecondaryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mrv::ui
