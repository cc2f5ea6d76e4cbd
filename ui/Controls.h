// The small controls the windows build on where a stock Qt widget behaves
// differently from a form's control.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

namespace mrv::ui {

// A frame whose access key focuses a chosen control. A stock QGroupBox
// refocuses whichever child last had the focus instead.
class AccessKeyFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    void setBuddy(QWidget* buddy) { buddy_ = buddy; }

protected:
    bool event(QEvent* event) override;

private:
    QWidget* buddy_ = nullptr;
};

// An exclusive group of options, each added with its index as id.
class OptionGroup : public QButtonGroup {
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent = nullptr);

signals:
    // The option became the selected one, by the user or by the program.
    void chosen(int id);
    // The user clicked the option that was already selected: nothing changes
    // in Qt, but the user still chose it.
    void chosenAgain(int id);

private:
    // Set when a press starts and cleared when the press selects an option.
    bool pressPending_ = false;
};

// An image control: shows a stored picture at its natural size. The picture
// is decoded on first use, so hidden store images cost nothing at start-up.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setSource(const QString& resourcePath);
    // Decodes the stored picture if it has not been yet.
    QPixmap picture();
    void setPicture(const QPixmap& picture);

private:
    QString source_;
    bool decoded_ = false;
};

// A label that reports a left-button click: press and release on it.
// Assistive technology sees it as a link it can
// press, the only way to reach it without a mouse since it never takes the
// focus.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit HyperlinkLabel(QWidget* parent = nullptr);

public slots:
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace mrv::ui
