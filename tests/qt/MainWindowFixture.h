// A shown, active main window and the ways a user drives it.
#pragma once

#include "frmMRVDate.h"

#include "QtTestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace mrv::test {

// What a message box showed before the test answered it.
struct ShownBox {
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // After a modal window closes the offscreen platform does not give the
    // activation back by itself.
    void reactivate();

    QRadioButton* option(int index) const;
    // A mouse click on the option's indicator.
    void clickOption(int index);
    // Keys go to whichever control has the focus, as a keyboard's do.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    // Runs `trigger`, answers the message box it shows with its OK button
    // (by the Enter key) and reactivates the main window.
    ShownBox answerBox(const std::function<void()>& trigger);

    std::unique_ptr<frmMRVDate> window;
    QLineEdit* dateBox = nullptr;
    QPushButton* convertButton = nullptr;
    QLabel* prefix = nullptr;
    QLabel* result = nullptr;
};

} // namespace mrv::test
