// What the Instructions and About windows share: a fixed-size modal dialog
// in the design's font, with a close box but no minimise or maximise, that
// only its OK button (or the close box) closes.
#pragma once

#include <QDialog>

namespace mrv::ui {

class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    // The client size is in twips.
    SecondaryWindow(const QString& name, const QString& title, int clientWidth, int clientHeight,
                    QWidget* parent);

protected:
    // No cancel button: Escape must not close the window as QDialog would.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace mrv::ui
