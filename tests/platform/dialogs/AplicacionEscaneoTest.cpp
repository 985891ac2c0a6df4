#include "platform/base/ArchivoSeguro.h"
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
    const VariableTemporal temp("TEMP", dir.path().toLocal8Bit());
    ConDialogosGuionados d;
    d->responde(Resultado::Aceptar);
    QEventLoop bucle;
    QTimer::singleShot(0, &bucle, [] { throw std::bad_alloc(); });
    QTimer::singleShot(0, &bucle, &QEventLoop::quit);
    bucle.exec();
    EXPECT_EQ(d->mensajes(), QStringList{"Ha ocurrido el Siguiente Error (7) Memoria insuficiente"});
    EXPECT_TRUE(LeeArchivoCompleto(dir.filePath("CVERR.LOG")).contains("(7) Memoria insuficiente"));
}
