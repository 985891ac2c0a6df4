#include "platform/dialogs/AplicacionEscaneo.h"
#include "support/DialogosGuionados.h"
#include "support/VigilaDialogos.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <optional>

// Every test program runs with the program's application object, so widgets,
// fonts, the event loop and its errors behave as in the program (offscreen
// platform).
int main(int argc, char** argv)
{
    // Without a login session (CI, su) Qt would make its runtime folder in
    // /tmp and leave it there; this run's goes when the run ends. The tests'
    // children find it in the environment.
    static std::optional<QTemporaryDir> sesion;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        sesion.emplace();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sesion->path()));
    }
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
