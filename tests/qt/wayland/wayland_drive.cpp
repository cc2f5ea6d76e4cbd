// The program as it starts (app/main.cpp), driven from inside on whatever
// platform Qt was given, by key presses delivered to its windows as the
// platform delivers them: wayland_test.sh runs it on Wayland, under a
// headless compositor. That compositor has no seat, so no keyboard to press
// and no keyboard focus to hand over: each window the compositor would
// give the keyboard to is handed it here, as Qt's Wayland plugin does when
// the keyboard enters a window.
// Prints one line per check and ends with the program's own exit status,
// or 1 when a check failed.
#include "ApplicationSetup.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <qpa/qwindowsysteminterface.h>

#include <cstdio>

namespace {

int failures = 0;
QWidget* mainWindow = nullptr;

bool check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    std::fflush(stdout);
    failures += !ok;
    return ok;
}

// The keyboard enters the window, as the compositor's focus would give it.
bool giveKeyboard(QWidget* window)
{
    if (!window->isActiveWindow())
        QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle(), Qt::ActiveWindowFocusReason);
    return QTest::qWaitFor([&] { return window->isActiveWindow(); });
}

// Keys as the platform delivers them: to the window that has them, then by
// Qt to its focus widget, shortcuts and access keys included.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::activePopupWidget()   ? QApplication::activePopupWidget()
                      : QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                          : mainWindow;
    QTest::keyClick(target->windowHandle(), key, modifiers);
}

void typeText(const QString& text)
{
    for (QChar c : text) {
        const Qt::Key key = c == QLatin1Char('.') ? Qt::Key_Period : static_cast<Qt::Key>(c.unicode());
        press(key);
    }
}

// Opens a Help entry by its access keys, sees the window it shows left
// where the compositor put it, as the main window's dialog, and closes it
// with Enter on its OK button. The entry's key returns only once
// that modal window has closed, so the window is answered from a poll meanwhile.
bool openAndClose(Qt::Key entryKey, const char* objectName)
{
    press(Qt::Key_H, Qt::AltModifier);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
        return false;
    bool answered = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QLatin1String(objectName) || !dialog->isVisible())
            return;
        poll.stop();
        answered = QTest::qWaitForWindowExposed(dialog) && !dialog->testAttribute(Qt::WA_Moved) &&
                   dialog->windowHandle()->transientParent() == mainWindow->windowHandle() &&
                   giveKeyboard(dialog);
        press(Qt::Key_Return);
    });
    // A window never answered would hang the test: it is closed instead.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    poll.start();
    guard.start(5000);
    press(entryKey);
    return answered && guard.isActive() && giveKeyboard(mainWindow);
}

void drive(frmMRVDate& window)
{
    auto* date = window.findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    auto* result = window.findChild<QLabel*>(QStringLiteral("lblDateBox"));
    check(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
          "runs on the Wayland platform");
    check(QTest::qWaitForWindowExposed(&window), "the main window is shown");
    check(giveKeyboard(&window) && QApplication::focusWidget() == date, "the date box has the focus");
    // Where the compositor puts the window is its own business.
    check(!window.testAttribute(Qt::WA_Moved), "the program does not place the window");

    typeText(QStringLiteral("361.98"));
    press(Qt::Key_Return);
    check(QTest::qWaitFor(
              [&] { return result->text() == QLatin1String("SC 361.98  -  EY 4370 AD  -  AW 2284"); }),
          "typing a date and Enter convert it");

    check(openAndClose(Qt::Key_I, "frmInstructions"), "Help > Instructions opens and OK closes it");
    check(openAndClose(Qt::Key_B, "frmAbout"), "Help > About opens and OK closes it");

    // Help > Exit by its shortcut, the date box's entry no longer selected.
    press(Qt::Key_End);
    press(Qt::Key_X, Qt::ControlModifier);
    QTimer::singleShot(5000, [] {
        check(false, "Ctrl+X ends the program");
        QApplication::exit(2);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    frmMRVDate window;
    mainWindow = &window;
    window.show();
    QTimer::singleShot(0, [&] { drive(window); });
    const int status = QApplication::exec();
    check(status == 0, "the program ends with status 0");
    return mrv::ui::finishApplication(failures ? 1 : status);
}
