// How the program ends, run the way main() runs it: the main window shown
// and the application's event loop entered. Each way out ends with status 0.
#include "frmMRVDate.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Shows a main window, runs QApplication::exec() and has `end` end it from
// inside the loop. Returns exec()'s status; 99 when the loop did not end.
int runProgramUntil(frmMRVDate& window, const std::function<void()>& end)
{
    window.show();
    QTimer guard; // a program that never ends must not hang the suite
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QTimer::singleShot(0, &window, end);
    return QApplication::exec();
}

TEST(ProgramEnding, ClosingTheMainWindowEndsTheProgramWithStatusZero)
{
    frmMRVDate window;
    EXPECT_EQ(runProgramUntil(window, [&] { window.close(); }), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST(ProgramEnding, HelpExitEndsTheProgramWithStatusZero)
{
    frmMRVDate window;
    QPointer<QAction> exit = window.findChild<QAction*>("mnuHelpExit");
    ASSERT_TRUE(exit);
    EXPECT_EQ(runProgramUntil(window, [&] { exit->trigger(); }), 0);
}

} // namespace
