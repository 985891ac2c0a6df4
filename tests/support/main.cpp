#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs with a real application object, so widgets, fonts
// and the event loop behave as in the program (offscreen platform).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
