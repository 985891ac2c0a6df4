#include "support/escaneo/BaseEscaneo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/dialogs/Dialogos.h"
#include "scanning/Escaneo.h"
#include "scanning/OperadorDialogos.h"
#include "services/Objetos.h"
#include "support/CarpetaMontada.h"
#include "support/ComoRaiz.h"
#include "support/CarpetaSinSincronizar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <ostream>

namespace {

// Small pages keep the test device quick.
constexpr double ResolucionDePrueba = 75;
const QByteArray Basura("no es una imagen");
const QString FalloEscaner = QStringLiteral("Hubo un error de Comunicacion con el Scanner");

QStringList archivosEn(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}

class Escaneo : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        configuraCarpetaEscaneo();
        inicia();
        filasIniciales = cuenta(QStringLiteral("CTROL_ESCANEO"));
        pedido.resolucion = ResolucionDePrueba;
        pedido.tipoPixel = 1;
    }

    FinEscaneo escanea(OperadorEscaneo& operador) { return Escanea(operador, pedido); }
    FinEscaneo escanea()
    {
        OperadorDialogos operador;
        return escanea(operador);
    }
    QString ruta(const QString& nombre) const { return carpetaEscaneo + nombre; }
    long filasNuevas() { return cuenta(QStringLiteral("CTROL_ESCANEO")) - filasIniciales; }

    PedidoEscaneo pedido;
    long filasIniciales = 0;
};

TEST_F(Escaneo, OnePageOfTheTestDeviceWithItsSizeAndItsRow)
{
    pedido.comprobante = QStringLiteral("FC000100000012A");
    pedido.cuenta = QStringLiteral("1001");
    dialogos->responde(QStringLiteral("pagina"));
    EXPECT_TRUE(escanea().escanerConfigurado);
    const QString archivo = ruta(QStringLiteral("pagina.bmp"));
    const QImage imagen(archivo);
    ASSERT_FALSE(imagen.isNull());
    EXPECT_EQ(imagen.size(), QSize(PixelesDePagina(80, ResolucionDePrueba), PixelesDePagina(100, ResolucionDePrueba)));
    EXPECT_EQ(imagen.depth(), 8);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A' "
                                    "AND NombreArchivo='pagina' AND RutaArchivo='%1' AND Usuario='demo'")
                         .arg(archivo)),
              1);
}

TEST_F(Escaneo, ThreeCopiesGetTheirNamesAndOneRowEach)
{
    pedido.copias = 3;
    dialogos->responde(QStringLiteral("  remito "));
    escanea();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("InputBox"));
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Ingrese el nombre del archivo"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Escaneado de Archivos"));
    for (const char* nombre : {"remito.bmp", "remito(2).bmp", "remito(3).bmp"}) {
        const QString archivo = ruta(QLatin1String(nombre));
        EXPECT_FALSE(QImage(archivo).isNull()) << nombre;
        EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE RutaArchivo='%1' AND NombreArchivo='remito' "
                                        "AND Cuenta='' AND Cpte='    ' AND Usuario='demo'")
                             .arg(archivo)),
                  1)
            << nombre;
    }
    EXPECT_EQ(filasNuevas(), 3);
    EXPECT_EQ(archivosEn(carpetaEscaneo).size(), 3) << "no temporary file left";
}

TEST_F(Escaneo, ReplacingWithYesChangesTheImage)
{
    EscribeArchivoCompleto(ruta(QStringLiteral("remito.bmp")), Basura);
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::Si);
    escanea();
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_EQ(dialogos->avisos[1].mensaje, QStringLiteral("Ya existe un documento con ese nombre, ¿Desea reemplazarlo?"));
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::SiNo + Botones::IconoPregunta);
    EXPECT_EQ(dialogos->avisos[1].titulo, QStringLiteral("Aviso al operador!!!"));
    EXPECT_FALSE(QImage(ruta(QStringLiteral("remito.bmp"))).isNull());
    EXPECT_EQ(filasNuevas(), 1);
}

TEST_F(Escaneo, ReplacingWithNoAsksAnotherNameAndStartsFromTheFirstCopy)
{
    pedido.copias = 2;
    EscribeArchivoCompleto(ruta(QStringLiteral("remito(2).bmp")), Basura);
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::No).responde(QStringLiteral("otro"));
    escanea();
    EXPECT_EQ(dialogos->tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("InputBox")}));
    EXPECT_EQ(LeeArchivoCompleto(ruta(QStringLiteral("remito(2).bmp"))), Basura);
    EXPECT_FALSE(QImage(ruta(QStringLiteral("otro.bmp"))).isNull());
    EXPECT_FALSE(QImage(ruta(QStringLiteral("otro(2).bmp"))).isNull());
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='remito'")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='otro'")), 2);
}

TEST_F(Escaneo, GivingUpTheLoadScansNothing)
{
    dialogos->responde(QString()).responde(Resultado::No).responde(QStringLiteral("   ")).responde(Resultado::Si);
    EXPECT_FALSE(escanea().escanerConfigurado);
    ASSERT_EQ(dialogos->tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"),
                                              QStringLiteral("InputBox"), QStringLiteral("MsgBox")}));
    EXPECT_EQ(dialogos->avisos[1].mensaje, QStringLiteral("¿Realmente desea abandonar la Carga de Datos?"));
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::SiNo + Botones::IconoPregunta);
    EXPECT_EQ(dialogos->avisos[1].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(filasNuevas(), 0);
    EXPECT_TRUE(archivosEn(carpetaEscaneo).isEmpty());
}

TEST_F(Escaneo, ANameThatWouldLeaveTheFolderIsAskedAgain)
{
    dialogos->responde(QStringLiteral("../fuera")).responde(Resultado::Aceptar).responde(QStringLiteral("dentro"));
    escanea();
    EXPECT_EQ(dialogos->tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("InputBox")}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fuera.bmp"))));
    EXPECT_TRUE(QFile::exists(ruta(QStringLiteral("dentro.bmp"))));
    EXPECT_EQ(filasNuevas(), 1);
}

TEST_F(Escaneo, ADatabaseErrorIsShownAndTheNextCopyGoesOn)
{
    ejecuta(QStringLiteral("CREATE TRIGGER bloquea BEFORE INSERT ON CTROL_ESCANEO "
                           "BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END"));
    pedido.copias = 2;
    dialogos->responde(QStringLiteral("remito"));
    escanea();
    ASSERT_EQ(dialogos->tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("MsgBox")}));
    for (size_t i : {1u, 2u}) {
        EXPECT_TRUE(dialogos->avisos[i].mensaje.contains(QStringLiteral("registro bloqueado")));
        EXPECT_EQ(dialogos->avisos[i].botones, Botones::SoloAceptar);
        EXPECT_EQ(dialogos->avisos[i].titulo, QString());
    }
    EXPECT_TRUE(QFile::exists(ruta(QStringLiteral("remito.bmp"))));
    EXPECT_TRUE(QFile::exists(ruta(QStringLiteral("remito(2).bmp"))));
    EXPECT_EQ(filasNuevas(), 0);
}

TEST_F(Escaneo, AScannerFailureRegistersNothingAndKeepsTheEarlierFile)
{
    EscribeArchivoCompleto(ruta(QStringLiteral("remito.bmp")), Basura);
    const VariableTemporal sinEscaner("ESCANEO_SCANNER", "test:9");
    pedido.copias = 2;
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::Si);
    escanea();
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    EXPECT_EQ(dialogos->avisos[2].mensaje, FalloEscaner);
    EXPECT_EQ(dialogos->avisos[2].botones, Botones::SoloAceptar);
    EXPECT_EQ(LeeArchivoCompleto(ruta(QStringLiteral("remito.bmp"))), Basura);
    EXPECT_EQ(archivosEn(carpetaEscaneo), QStringList{QStringLiteral("remito.bmp")});
    EXPECT_EQ(filasNuevas(), 0);
}

TEST_F(Escaneo, AnIncompleteVoucherIsRefusedBeforeScanning)
{
    for (const char* comprobante : {"FC0001", "FC12"}) {
        dialogos->avisos.clear();
        pedido.comprobante = QLatin1String(comprobante);
        EXPECT_FALSE(escanea().escanerConfigurado);
        ASSERT_EQ(dialogos->tipos(), QStringList{QStringLiteral("MsgBox")}) << comprobante;
        EXPECT_EQ(dialogos->avisos[0].botones, Botones::IconoCritico);
        EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(QLatin1String(comprobante)));
    }
    EXPECT_EQ(filasNuevas(), 0);
    EXPECT_TRUE(archivosEn(carpetaEscaneo).isEmpty());
}

TEST_F(Escaneo, WithoutAConfiguredFolderTheProgramsOwnIsCreatedAndSaved)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO'"));
    const QString carpeta = ObjUtilidades().AgregaBarra(ObjSistema().CarpetaPrograma()) + QStringLiteral("SCAN/");
    const bool existia = QDir(carpeta).exists();
    const QString archivo = carpeta + QStringLiteral("escaneo-de-prueba-%1.bmp").arg(QCoreApplication::applicationPid());
    dialogos->responde(QFileInfo(archivo).completeBaseName());
    escanea();
    EXPECT_TRUE(QFile::exists(archivo));
    EXPECT_EQ(cuenta(QStringLiteral("TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO' AND Grupo='DATOS' AND Valor='%1'")
                         .arg(carpeta)),
              1);
    QFile::remove(archivo);
    if (!existia)
        QDir(carpeta).removeRecursively();
}

TEST_F(Escaneo, ANameAsLongAsTheSystemAllowsIsScanned)
{
    // 255 bytes with ".bmp", the most a file name may hold.
    const QString nombre(251, QLatin1Char('n'));
    dialogos->responde(nombre);
    escanea();
    const QString archivo = ruta(nombre + QStringLiteral(".bmp"));
    EXPECT_FALSE(QImage(archivo).isNull());
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE RutaArchivo='%1'").arg(archivo)), 1);
    EXPECT_EQ(archivosEn(carpetaEscaneo).size(), 1) << "no temporary file left";
}

// A scan whose folder sync fails registers nothing.
TEST_F(Escaneo, OnlyAFailingFolderSyncFailsTheScan)
{
    for (const RespuestaDeSincronizacion& c : RespuestasDeSincronizacion) {
        SCOPED_TRACE(c.error);
        dialogos->avisos.clear();
        const QString nombre = QStringLiteral("remito%1").arg(c.error);
        dialogos->responde(nombre);
        const CarpetaSinSincronizar carpeta(c.error);
        escanea();
        const QString archivo = ruta(nombre + QStringLiteral(".bmp"));
        EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE RutaArchivo='%1'").arg(archivo)), long(c.vale));
        ASSERT_EQ(dialogos->avisos.size(), c.vale ? 1u : 2u);
        if (!c.vale) {
            EXPECT_TRUE(dialogos->avisos.back().mensaje.contains(qt_error_string(EIO)));
        }
    }
}

// How the scan folder fails, and the reason the message must give.
enum class CarpetaQueFalla { Falta, SoloLectura, Llena };

void PrintTo(CarpetaQueFalla caso, std::ostream* os)
{
    const char* nombres[] = {"Missing", "ReadOnly", "Full"};
    *os << nombres[int(caso)];
}

class EscaneoSinEscritura : public Escaneo, public ::testing::WithParamInterface<CarpetaQueFalla> {};

TEST_P(EscaneoSinEscritura, TheMessageNamesTheFileAndTheReasonAndNothingIsLost)
{
    const CarpetaQueFalla caso = GetParam();
    // A folder of its own mounted there needs root.
    if (caso != CarpetaQueFalla::Falta && RepetidaComoRaiz())
        return;
    const QString carpeta = dir.filePath(QStringLiteral("destino")) + QLatin1Char('/');
    const QString archivo = carpeta + QStringLiteral("remito.bmp");
    configuraCarpetaEscaneo(carpeta);
    std::optional<CarpetaMontada> montada;
    QString motivo = QStringLiteral("No se encontró la ruta de acceso");
    QStringList quedan;
    if (caso != CarpetaQueFalla::Falta) {
        ASSERT_TRUE(QDir().mkpath(carpeta));
        montada.emplace(carpeta, 64 * 1024);
        EXIGE_PARTE_REAL(montada->montada(), "mounting a filesystem of the test's own needs root");
        EscribeArchivoCompleto(archivo, Basura);
        const bool preparada = caso == CarpetaQueFalla::Llena ? montada->llena() : montada->soloLectura();
        ASSERT_TRUE(preparada);
        motivo = qt_error_string(caso == CarpetaQueFalla::Llena ? ENOSPC : EROFS);
        quedan = caso == CarpetaQueFalla::Llena ? QStringList{QStringLiteral("relleno"), QStringLiteral("remito.bmp")}
                                                : QStringList{QStringLiteral("remito.bmp")};
        dialogos->responde(QStringLiteral("remito")).responde(Resultado::Si);
    } else {
        dialogos->responde(QStringLiteral("remito"));
    }
    escanea();
    const QString mensaje = dialogos->avisos.back().mensaje;
    EXPECT_TRUE(mensaje.contains(archivo)) << mensaje.toStdString();
    EXPECT_TRUE(mensaje.contains(motivo)) << mensaje.toStdString();
    EXPECT_EQ(dialogos->avisos.back().botones, Botones::SoloAceptar);
    EXPECT_EQ(filasNuevas(), 0);
    EXPECT_EQ(archivosEn(carpeta), quedan);
    if (caso != CarpetaQueFalla::Falta) {
        EXPECT_EQ(LeeArchivoCompleto(archivo), Basura);
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, EscaneoSinEscritura,
                         ::testing::Values(CarpetaQueFalla::Falta, CarpetaQueFalla::SoloLectura, CarpetaQueFalla::Llena),
                         ::testing::PrintToStringParamName());

namespace {

// The second program of the test below answers as an operator who always
// replaces; how many replace questions come depends on which one ends first.
class OperadorQueReemplaza : public OperadorEscaneo {
public:
    QString NombreArchivo(const QString&) override { return QStringLiteral("compartido"); }
    bool AbandonaCarga() override { return true; }
    bool ReemplazaArchivo(const QString&) override { return true; }
    void Avisa(AvisoEscaneo, const QString& detalle) override { avisos << detalle; }
    void PaginaEscaneada(const QString& ruta) override { escaneadas << ruta; }

    QStringList avisos;
    QStringList escaneadas;
};

constexpr char VariableSegundoPrograma[] = "ESCANEO_PRUEBA_CARPETA_COMPARTIDA";

}

TEST_F(Escaneo, TwoProgramsScanningTheSameNameAtOnceBothFileAWholeImage)
{
    // Colour pages big enough for the two scans to overlap.
    pedido.tipoPixel = 2;
    pedido.resolucion = 150;
    OperadorQueReemplaza operador;
    const QString compartida = qEnvironmentVariable(VariableSegundoPrograma);
    if (!compartida.isEmpty()) {
        // The second program: it scans into the first one's folder as soon
        // as that one says go.
        configuraCarpetaEscaneo(compartida);
        std::printf("listo\n");
        std::fflush(stdout);
        char linea[8];
        ASSERT_TRUE(std::fgets(linea, sizeof linea, stdin));
        escanea(operador);
        EXPECT_EQ(operador.avisos, QStringList());
        EXPECT_EQ(operador.escaneadas.size(), 1);
        return;
    }

    const ::testing::TestInfo* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess otro;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QLatin1String(VariableSegundoPrograma), carpetaEscaneo);
    otro.setProcessEnvironment(entorno);
    otro.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=%1.%2").arg(QLatin1String(prueba->test_suite_name()),
                                                          QLatin1String(prueba->name()))});
    ASSERT_TRUE(otro.waitForStarted());
    QByteArray salida;
    while (!salida.contains("listo\n") && otro.waitForReadyRead(60000))
        salida += otro.readAllStandardOutput();
    ASSERT_TRUE(salida.contains("listo\n")) << salida.constData();
    otro.write("\n");
    otro.waitForBytesWritten();
    escanea(operador);
    ASSERT_TRUE(otro.waitForFinished(60000));
    salida += otro.readAll();
    EXPECT_EQ(otro.exitCode(), 0) << salida.constData() << otro.readAllStandardError().constData();

    EXPECT_EQ(operador.avisos, QStringList());
    const QString archivo = ruta(QStringLiteral("compartido.bmp"));
    EXPECT_EQ(QImage(archivo).size(), QSize(PixelesDePagina(80, 150), PixelesDePagina(100, 150)));
    EXPECT_EQ(archivosEn(carpetaEscaneo), QStringList{QStringLiteral("compartido.bmp")}) << "no temporary file left";
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE RutaArchivo='%1'").arg(archivo)), 1);
}

TEST(NombreArchivoPorDefecto, VoucherAccountAndTheTimeWithoutLeadingZeros)
{
    EXPECT_EQ(NombreArchivoPorDefecto(QStringLiteral("FC000100000012A"), QStringLiteral("1001"),
                                      QDateTime(QDate(2015, 7, 9), QTime(9, 3, 5))),
              QStringLiteral("FC000100000012A-1001-97201593" "5"));
    EXPECT_EQ(NombreArchivoPorDefecto(QString(), QString(), QDateTime(QDate(2024, 12, 31), QTime(23, 59, 0))),
              QStringLiteral("--3112202423590"));
}

TEST(NombreArchivoValido, ANulIsRefused)
{
    EXPECT_FALSE(NombreArchivoValido(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
}
