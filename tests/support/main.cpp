#include "platform/dialogs/AplicacionEscaneo.h"
#include "support/DialogosGuionados.h"
#include "support/VigilaDialogos.h"

#include <gtest/gtest.h>

// Every test program runs with the program's application object, so widgets,
// fonts, the event loop and its errors behave as in the program (offscreen
// platform).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses to start its sandbox as root, which CI machines often are.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Windows with an embedded browser need it before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    AplicacionEscaneo app(argc, argv);
    // A prompt in a test that scripted none fails that test at once.
    instalaDialogos(std::make_unique<DialogosGuionados>(true));
    VigilaDialogos vigia;
    app.installEventFilter(&vigia);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
