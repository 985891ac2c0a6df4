#include "support/modulo/BaseDePrueba.h"

#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

namespace {

class Configuracion : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux) "
                               "VALUES ('DATOS', 'CON_AUX', ' valor ', 'auxiliar')"));
    }

    QVariant columna(const char* columna, const QString& clave)
    {
        return valor(QStringLiteral("SELECT %1 FROM TA_CONFIGURACION WHERE Clave = '%2'")
                         .arg(QLatin1String(columna), clave));
    }
};

}

TEST_F(Configuracion, ReadsValueAndAuxiliaryOfAKey)
{
    QString aux = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QStringLiteral("  con_aux  "), aux), " valor ");
    EXPECT_EQ(aux, "auxiliar");
    EXPECT_EQ(Cfg(QStringLiteral("NO_EXISTE"), aux), " ");
    EXPECT_EQ(aux, "");
    EXPECT_EQ(Cfg(QStringLiteral("D'ARTAGNAN")), " ") << "an apostrophe in the key is quoted, not spliced";
    EXPECT_EQ(Modulo().TablaConfiguracion, "TA_CONFIGURACION");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Configuracion, ThemeReadsOneWhenMissingOrBlank)
{
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), "1");
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '2' WHERE Clave = 'THEME'"));
    EXPECT_EQ(Cfg(QStringLiteral("theme")), "2");
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '  ' WHERE Clave = 'THEME'"));
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), "1");
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = 'THEME'"));
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), "1");
}

TEST_F(Configuracion, ClosedConnectionReadsEmptyWithoutAQuery)
{
    ConexionPrincipal().setEstaConectado(false);
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), "");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Configuracion, FailedReadAsksTheOperatorAndRetryLeavesWithEmpty)
{
    Modulo().TablaConfiguracion = QStringLiteral("TABLA_QUE_NO_EXISTE");
    dialogos->responde(4);
    EXPECT_EQ(Cfg(QStringLiteral("THEME")), "");
    ASSERT_EQ(dialogos->avisos.size(), 1u) << "Retry does not run the query again";

    dialogos->responde(5).responde(5);
    EXPECT_EQ(Cfg(QStringLiteral("CON_AUX")), "") << "Ignore goes on with what was read: nothing";
    EXPECT_EQ(dialogos->avisos.size(), 3u);
}

TEST_F(Configuracion, StatisticsReaderAsksOnAClosedConnection)
{
    dialogos->responde(3);
    EXPECT_EQ(CfgCV(QStringLiteral("TimeOut")), "");
    EXPECT_EQ(dialogos->avisos.size(), 1u);
}

TEST_F(Configuracion, WritingANewKeyStoresItUpperCasedAndTrimmed)
{
    Modulo().TablaConfiguracion.clear();
    GrabaDfg(QStringLiteral(" ruta_nueva "), QStringLiteral("  /datos/scan/  "), QStringLiteral(" aux "), true,
             QStringLiteral("DATOS"), true);
    EXPECT_EQ(cuenta("TA_CONFIGURACION WHERE Clave = 'RUTA_NUEVA'"), 1);
    EXPECT_EQ(columna("Clave", "RUTA_NUEVA").toString(), "RUTA_NUEVA");
    EXPECT_EQ(columna("Valor", "RUTA_NUEVA").toString(), "/datos/scan/");
    EXPECT_EQ(columna("ValorAux", "RUTA_NUEVA").toString(), "aux");
    EXPECT_EQ(columna("Grupo", "RUTA_NUEVA").toString(), "DATOS");
    EXPECT_EQ(columna("PoliticaNegocio", "RUTA_NUEVA").toString(), "Verdadero");
}

TEST_F(Configuracion, WritingAnExistingKeyUpdatesItsOneRow)
{
    GrabaDfg(QStringLiteral("  con_aux "), QStringLiteral(" sin recortar "), QString(), false,
             QStringLiteral("OTRO"), false);
    EXPECT_EQ(cuenta("TA_CONFIGURACION WHERE Clave = 'CON_AUX'"), 1);
    EXPECT_EQ(columna("Valor", "CON_AUX").toString(), " sin recortar ");
    EXPECT_EQ(columna("ValorAux", "CON_AUX").toString(), "auxiliar") << "an empty auxiliary keeps the stored one";
    EXPECT_EQ(columna("Grupo", "CON_AUX").toString(), "OTRO");
    EXPECT_EQ(columna("PoliticaNegocio", "CON_AUX").toString(), "Falso");

    GrabaDfg(QStringLiteral("D'ARTAGNAN"), 25, QString(), false, QStringLiteral("DATOS"), true);
    EXPECT_EQ(Cfg(QStringLiteral("d'artagnan")), "25");
}

TEST_F(Configuracion, FailedWriteIsPassedOverSilently)
{
    Modulo().TablaConfiguracion = QStringLiteral("TABLA_QUE_NO_EXISTE");
    GrabaDfg(QStringLiteral("CLAVE"), QStringLiteral("x"), QString(), false, QStringLiteral("DATOS"), true);
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(cuenta("TA_CONFIGURACION WHERE Clave = 'CLAVE'"), 0);
}

TEST_F(Configuracion, RewritingAKeyCommitsOnlyWhenAValueChanges)
{
    struct Caso {
        const char* grupo;
        const char* valor;
        const char* aux;
        bool politica;
        bool escribe;
    };
    const Caso casos[] = {
        {"DATOS", " valor ", "auxiliar", false, true},  // the row had no PoliticaNegocio yet
        {"DATOS", " valor ", "auxiliar", false, false},
        {"DATOS", " valor ", "", false, false},  // an empty auxiliary keeps the stored one
        {"Datos", " valor ", "", false, true},   // so does a change of case
        {"Datos", "valor", "", false, true},
        {"Datos", "valor", "otro", false, true},
        {"Datos", "valor", "otro", true, true},
        {"Datos", "valor", "otro", true, false},
    };
    // Another connection's commit moves the control connection's data version.
    auto version = [&] { return valor(QStringLiteral("PRAGMA data_version")).toLongLong(); };
    for (const Caso& caso : casos) {
        const qlonglong antes = version();
        GrabaDfg(QStringLiteral(" con_aux"), QString::fromLatin1(caso.valor), QString::fromLatin1(caso.aux),
                 caso.politica, QString::fromLatin1(caso.grupo), false);
        EXPECT_EQ(version() != antes, caso.escribe) << caso.grupo << '|' << caso.valor << '|' << caso.aux;
        EXPECT_EQ(columna("Grupo", "CON_AUX").toString(), caso.grupo);
        EXPECT_EQ(columna("Valor", "CON_AUX").toString(), caso.valor);
    }
    EXPECT_EQ(columna("PoliticaNegocio", "CON_AUX").toString(), "Verdadero");
    EXPECT_EQ(columna("ValorAux", "CON_AUX").toString(), "otro");
}
