#include "MainWindowFixture.h"

#include "QtTestHelpers.h"

#include <QApplication>
#include <QtTest/QTest>

namespace mrv::test {

void MainWindowTest::SetUp()
{
    window = std::make_unique<frmMRVDate>();
    dateBox = window->findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    convertButton = window->findChild<QPushButton*>(QStringLiteral("cmdConvert"));
    prefix = window->findChild<QLabel*>(QStringLiteral("lblDatePrefix"));
    result = window->findChild<QLabel*>(QStringLiteral("lblDateBox"));
    ASSERT_TRUE(dateBox && convertButton && prefix && result);
    window->show();
    reactivate();
}

void MainWindowTest::TearDown()
{
    window.reset();
}

void MainWindowTest::reactivate()
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QRadioButton* MainWindowTest::option(int index) const
{
    return qobject_cast<QRadioButton*>(groupMember(window.get(), QStringLiteral("optDate"), index));
}

void MainWindowTest::clickOption(int index)
{
    QRadioButton* button = option(index);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void MainWindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, key, modifiers);
}

void MainWindowTest::type(const QString& text)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClicks(target, text);
}

ShownBox MainWindowTest::answerBox(const std::function<void()>& trigger)
{
    ShownBox box;
    answerNextModal(trigger, [&](QWidget* modal) {
        if (auto* messageBox = qobject_cast<QMessageBox*>(modal)) {
            box.shown = true;
            box.icon = messageBox->icon();
            box.title = messageBox->windowTitle();
            box.text = messageBox->text();
            box.format = messageBox->textFormat();
            if (QTest::qWaitForWindowActive(messageBox))
                QTest::keyClick(messageBox, Qt::Key_Return);
        }
        if (modal->isVisible())
            modal->close();
    });
    reactivate();
    return box;
}

} // namespace mrv::test
