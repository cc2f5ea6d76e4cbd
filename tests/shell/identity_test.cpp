// The application's identity as the desktop sees it.
#include "ApplicationIdentity.h"

#include <QGuiApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

TEST(ApplicationIdentity, NamesTheProgramAndGivesTheApplicationItsIcon)
{
    mrv::applyApplicationIdentity(*qGuiApp);
    EXPECT_EQ(QCoreApplication::applicationName(), "MRVDate");
    EXPECT_EQ(QCoreApplication::applicationVersion(), MRVDATE_VERSION);
    EXPECT_EQ(QGuiApplication::desktopFileName(), MRVDATE_APP_ID);
    // Qt appends a display name to window titles; the program sets none.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

} // namespace
