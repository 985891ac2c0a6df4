#include "support/modulo/BaseDePrueba.h"

#include "services/AccesoModulo.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDateTime>

namespace {

class AccesoModulo : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES "
                               "('FAC01', 'FACTURACION.EXE', ' Facturacion Mostrador '), "
                               "('ACT01', 'ACTUALIZADOR.EXE', 'Actualizador')"));
        ejecuta(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('demo', 'FAC01'), ('demo', 'ACT01')"));
    }

    // The column of the newest access row.
    QVariant ultimo(const char* columna)
    {
        return valor(
            QStringLiteral("SELECT %1 FROM Control_Acceso ORDER BY Id DESC LIMIT 1").arg(QLatin1String(columna)));
    }
};

}

TEST_F(AccesoModulo, LogsMachineUserModuleAndMenuEntry)
{
    conectaPrincipal();
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-60);
    RegistraAccesoModulo(QStringLiteral("escaneo"));
    EXPECT_EQ(cuenta("Control_Acceso"), 2);
    EXPECT_EQ(ultimo("Maquina").toString(), ObjSistema().NombreMaquina().trimmed().toUpper());
    EXPECT_EQ(ultimo("Usuario").toString(), "DEMO");
    EXPECT_EQ(ultimo("NombreUsuario").toString(), "demo");
    EXPECT_EQ(ultimo("Formulario").toString(), "ESCANEO");
    EXPECT_EQ(ultimo("Tarea").toString(), "ESCANEO DE DOCUMENTOS");
    const QDateTime ingreso = ultimo("Ingreso").toDateTime();
    EXPECT_TRUE(ingreso >= antes && ingreso <= QDateTime::currentDateTime()) << ingreso.toString().toStdString();
    EXPECT_EQ(ingreso.time().second(), 0);
    EXPECT_EQ(Modulo().IdAccesoModulo, 1) << "the first row, read before the insert";
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AccesoModulo, VariantNameIsLoggedAndLookedUpUnderItsCanonicalName)
{
    conectaPrincipal();
    RegistraAccesoModulo(QStringLiteral("FacturacionPOS"));
    EXPECT_EQ(ultimo("Formulario").toString(), "FACTURACION");
    EXPECT_EQ(ultimo("Tarea").toString(), "FACTURACION MOSTRADOR");
}

TEST_F(AccesoModulo, ModuleWithoutMenuLookupLogsNoMenu)
{
    conectaPrincipal();
    RegistraAccesoModulo(QStringLiteral("actualizador"));
    EXPECT_EQ(ultimo("Formulario").toString(), "ACTUALIZADOR");
    EXPECT_EQ(ultimo("Tarea").toString(), "");
}

TEST_F(AccesoModulo, WithoutMenuEntryTheRowIsStillWritten)
{
    conectaPrincipal(QStringLiteral("JUAN"));
    RegistraAccesoModulo(QString());
    EXPECT_EQ(ultimo("Formulario").toString(), ObjSistema().NombreEjecutable().toUpper());
    EXPECT_EQ(ultimo("Tarea").toString(), "");
    EXPECT_EQ(ultimo("Usuario").toString(), "JUAN");
}

TEST_F(AccesoModulo, OwnerOfTheDatabaseGetsTheExecutableAsMenu)
{
    conectaPrincipal(archivoBase);
    RegistraAccesoModulo(QString());
    EXPECT_EQ(ultimo("Tarea").toString(), ObjSistema().NombreEjecutable().toUpper());
}

TEST_F(AccesoModulo, ApostropheInTheUserIsDroppedFromTheRowOnly)
{
    conectaPrincipal(QStringLiteral("o'brien"));
    RegistraAccesoModulo(QStringLiteral("escaneo"));
    EXPECT_EQ(ultimo("NombreUsuario").toString(), "obrien");
    EXPECT_EQ(ultimo("Usuario").toString(), "OBRIEN");
    EXPECT_EQ(Modulo().UsuarioActual, "o'brien");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AccesoModulo, FailedInsertIsReportedAndLoggedByTheBatch)
{
    ejecuta(QStringLiteral("DROP TABLE Control_Acceso"));
    ejecuta(QStringLiteral("CREATE TABLE Control_Acceso (Id INTEGER PRIMARY KEY, Maquina TEXT)"));
    conectaPrincipal();
    RegistraAccesoModulo(QStringLiteral("escaneo"));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].titulo, "Aviso al Operador!");
    EXPECT_EQ(cuenta("AUX_ERR"), 1);
}
