// What the Instructions and About windows share: a fixed-size modal dialog
// in the windows' font, with a close box but no minimise or maximise, that
// only its OK button (or the close box) closes.
#pragma once

#include "FormDesign.h"

#include <QDialog>

class QPushButton;

namespace mrv::ui {

class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    SecondaryWindow(const forms::FormDesign& form, QWidget* parent);

protected:
    // The OK button as its design row says: the default button, holding the
    // focus.
    QPushButton* createOkButton(const forms::ControlDesign& design);

    // No cancel button: Escape must not close the window as QDialog would.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace mrv::ui
