#include "services/LineaComando.h"

#include <gtest/gtest.h>

namespace {

QString valor(const QString& linea, const char* clave)
{
    return ValorLineaComando(linea, QString::fromLatin1(clave)).value_or(QStringLiteral("<ausente>"));
}

}

TEST(LineaComando, FindsKeysAnywhereWithoutRegardToCase)
{
    const QString linea = QStringLiteral("krim@ @server= SRV ; @DBNAME=GESTION;@usuario=sa;@Password=x;");
    EXPECT_EQ(valor(linea, "@Server"), "SRV");
    EXPECT_EQ(valor(linea, "@DbName"), "GESTION");
    EXPECT_EQ(valor(linea, "@Usuario"), "sa");
    EXPECT_EQ(valor(linea, "@Caja"), "<ausente>");
}

TEST(LineaComando, RemovesEveryEqualsSignAndBlanksAroundTheValue)
{
    EXPECT_EQ(valor(QStringLiteral("@Password=a=b==c;"), "@Password"), "abc");
    EXPECT_EQ(valor(QStringLiteral("@Server  =  SRV;"), "@Server"), "SRV");
    EXPECT_EQ(valor(QStringLiteral("@ParametroAdicional=;@Caja=1;"), "@ParametroAdicional"), "");
}

TEST(LineaComando, AKeyIsNotTakenFromALongerKey)
{
    const QString linea = QStringLiteral("@UsuarioLogeado=JUAN;@Usuario=sa;");
    EXPECT_EQ(valor(linea, "@Usuario"), "sa");
    EXPECT_EQ(valor(linea, "@UsuarioLogeado"), "JUAN");
    EXPECT_EQ(valor(QStringLiteral("@UsuarioLogeado=JUAN;"), "@Usuario"), "<ausente>");
}

TEST(LineaComando, ALastPairWithoutSemicolonRunsToTheEnd)
{
    EXPECT_EQ(valor(QStringLiteral("@Usuario=sa;@Caja=12"), "@Caja"), "12");
    EXPECT_EQ(valor(QStringLiteral("@Usuario=sa;@Server=LONGSERVERNAME"), "@Server"), "LONGSERVERNAME");
}

TEST(ParametroAdicional, TakesTheValueUpToTheBar)
{
    EXPECT_EQ(ObtieneParametroAdicional(QStringLiteral("Opcion:Cuenta1,Cpte2,Accion1|"), QStringLiteral("Opcion:")),
              "Cuenta1,Cpte2,Accion1");
    EXPECT_EQ(ObtieneParametroAdicional(QStringLiteral("Otro:x|OPCION: 1001,FC,1 |Mas:y|"), QStringLiteral("Opcion:")),
              "1001,FC,1");
    EXPECT_EQ(ObtieneParametroAdicional(QStringLiteral("Modo=a=b|"), QStringLiteral("Modo")), "ab");
}

TEST(ParametroAdicional, MissingKeyOrMissingBar)
{
    EXPECT_EQ(ObtieneParametroAdicional(QStringLiteral("Otro:x|"), QStringLiteral("Opcion:")), "");
    EXPECT_EQ(ObtieneParametroAdicional(QString(), QStringLiteral("Opcion:")), "");
    EXPECT_EQ(ObtieneParametroAdicional(QStringLiteral("Opcion:1001,FC,1"), QStringLiteral("Opcion:")), "1001,FC,1");
}

TEST(NombreServidor, KeepsTheHostBetweenSlashAndColon)
{
    EXPECT_EQ(ObtieneNombreServidor(QStringLiteral("tcp/HOST:1433")), "HOST");
    EXPECT_EQ(ObtieneNombreServidor(QStringLiteral("a/b:c")), "b");
    EXPECT_EQ(ObtieneNombreServidor(QStringLiteral("b:c")), "b");
    EXPECT_EQ(ObtieneNombreServidor(QStringLiteral("b")), "b");
    EXPECT_EQ(ObtieneNombreServidor(QStringLiteral("a/b/c")), "b/c");
}
