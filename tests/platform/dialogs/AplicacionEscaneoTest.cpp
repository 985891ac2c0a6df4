#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "support/DialogosGuionados.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <new>

TEST(AplicacionEscaneo, AnExceptionLeavingASlotIsShownAndLoggedAndTheProgramGoesOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const VariableTemporal temp("TEMP", dir.path().toLocal8Bit());
    ConDialogosGuionados d;
    d->responde(Resultado::Aceptar);

    QEventLoop bucle;
    bool siguio = false;
    QTimer::singleShot(0, &bucle, [] { throw std::bad_alloc(); });
    QTimer::singleShot(0, &bucle, [&] {
        siguio = true;
        bucle.quit();
    });
    bucle.exec();

    EXPECT_TRUE(siguio);
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (7) Memoria insuficiente");
    EXPECT_EQ(d->mensajes(), QStringList{mensaje});
    EXPECT_TRUE(DeCp1252(LeeArchivoCompleto(dir.filePath(QStringLiteral("CVERR.LOG")))).contains(mensaje));
}
