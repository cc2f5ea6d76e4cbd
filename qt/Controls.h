// The small controls the windows build on where a stock Qt widget behaves
// differently from a form's control.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

// Buttons whose access key clicks them at once. Qt animates that click over
// 100 ms, and keys typed meanwhile go to the button instead of where the
// click sends them.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
};

// As a mouse click does, the access key focuses the option before choosing
// it.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool event(QEvent* event) override;
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

// An image control: shows a stored picture at its natural size, in the
// rendering for the screen's pixel density. The picture is decoded on first
// use, so hidden store images cost nothing at start-up.
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

} // namespace mrv::ui
