#include "ApplicationSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Window tests never need a display; an explicit platform still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Expected lines use "."; a test that wants another locale sets it itself.
    qputenv("LC_ALL", "C.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    mrv::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
