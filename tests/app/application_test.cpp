// Start-up identity and ending, run the way main() runs the program: the
// main window shown and the application's event loop entered.
#include "ApplicationIdentity.h"
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

TEST(ApplicationIdentity, NamesTheProgramAndGivesEveryWindowItsIcon)
{
    mrv::applyApplicationIdentity(*qGuiApp);
    EXPECT_EQ(QCoreApplication::applicationName(), "MRVDate");
    EXPECT_EQ(QCoreApplication::applicationVersion(), MRVDATE_VERSION);
    EXPECT_EQ(QGuiApplication::desktopFileName(), MRVDATE_APP_ID);
    // Qt appends a display name to window titles; the program sets none.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    frmMRVDate window;
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
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
