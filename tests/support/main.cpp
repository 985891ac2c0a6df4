#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs with a real application object, so widgets, fonts
// and the event loop behave as in the program (offscreen platform).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses to start its sandbox as root, which CI machines often are.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Windows with an embedded browser need it before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
