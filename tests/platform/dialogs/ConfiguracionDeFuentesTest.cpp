#include "platform/dialogs/ConfiguracionDeFuentes.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

// Read beside, the configuration is the one Qt then uses; a start that
// fails before waiting still joins the thread as it leaves.
TEST(ConfiguracionDeFuentes, IsReadForQtAndWaitedForWhenLeftUnwaited)
{
    {
        const ConfiguracionDeFuentes sinEsperar;
    }
    ConfiguracionDeFuentes fuentes;
    fuentes.Espera();
    fuentes.Espera();
    FcConfig* leida = FcConfigGetCurrent();
    ASSERT_NE(leida, nullptr);
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    EXPECT_FALSE(QFontInfo(QGuiApplication::font()).family().isEmpty());
    EXPECT_EQ(FcConfigGetCurrent(), leida);
}
