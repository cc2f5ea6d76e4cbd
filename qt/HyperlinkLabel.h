// The About window's link: a label that reports a click.
#pragma once

#include <QColor>
#include <QLabel>

namespace mrv::ui {

// A label that reports a left-button click: press and release on it. A
// double click is one click. Assistive technology sees it as a link it can
// press, the only way to reach it without a mouse since it never takes the
// focus.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit HyperlinkLabel(QWidget* parent = nullptr);

    // The text's colour where it reads on the window's background; on a
    // background it does not read on (a dark palette under pure blue), the
    // desktop's own link colour.
    void setLinkColour(const QColor& colour);

public slots:
    void click();

signals:
    void clicked();

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A left-button press (armed) or double click (not): whether a release
    // may click. False for other buttons, which the label handles.
    bool takeLeftButton(QMouseEvent* event, bool armed);
    void recolour();

    bool pressed_ = false;
    QColor linkColour_;
    bool recolouring_ = false;
};

} // namespace mrv::ui
