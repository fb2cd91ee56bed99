// Test main for the window: a widgets application on the offscreen platform,
// or on the platform QT_QPA_PLATFORM names (xcb under xvfb-run, to take
// screenshots). The window's message boxes go through a prompter, so none
// can block a run.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
