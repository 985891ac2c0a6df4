#include "support/escaneo/BaseEscaneo.h"

#include "platform/dialogs/Dialogos.h"
#include "scanning/Escaneo.h"
#include "services/Objetos.h"
#include "window/FrmEscaneo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>

#include <memory>

namespace {

// Small pages keep the test device quick.
constexpr int ResolucionDePrueba = 75;

void EscribeBasura(const QString& ruta)
{
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("no es una imagen");
}

QByteArray Contenido(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

}

class Escanear : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        configuraCarpetaEscaneo();
        creaArchivoEscaner();
        ventana = std::make_unique<FrmEscaneo>(lineaComando());
        ASSERT_EQ(ventana->Form_Load(), FrmEscaneo::FinCarga::Mostrar);
        ventana->Text2->setText(QString::number(ResolucionDePrueba));
        filasIniciales = cuenta(QStringLiteral("CTROL_ESCANEO"));
    }
    void TearDown() override
    {
        ventana.reset();
        BaseEscaneo::TearDown();
    }

    QString ruta(const char* nombre) const { return carpetaEscaneo + QLatin1String(nombre); }
    long filasNuevas() { return cuenta(QStringLiteral("CTROL_ESCANEO")) - filasIniciales; }
    QStringList tipos()
    {
        QStringList t;
        for (const auto& a : dialogos->avisos)
            t << a.tipo;
        return t;
    }

    std::unique_ptr<FrmEscaneo> ventana;
    long filasIniciales = 0;
};

TEST_F(Escanear, TresCopiasConSusNombresYUnaFilaPorArchivo)
{
    ventana->Text1->setText(QStringLiteral("3"));
    dialogos->responde(QStringLiteral("  remito "));
    ventana->cmdNumeriser_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("InputBox"));
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Ingrese el nombre del archivo"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Escaneado de Archivos"));
    for (const char* nombre : {"remito.bmp", "remito(2).bmp", "remito(3).bmp"}) {
        EXPECT_FALSE(QImage(ruta(nombre)).isNull()) << nombre;
        EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE RutaArchivo='%1' AND NombreArchivo='remito' "
                                        "AND Cuenta='' AND Cpte='    ' AND Usuario='demo'")
                             .arg(ruta(nombre))),
                  1)
            << nombre;
    }
    EXPECT_EQ(filasNuevas(), 3);
    EXPECT_EQ(QDir(carpetaEscaneo).entryList(QDir::Files | QDir::Hidden).size(), 3) << "no temporary file left";
}

TEST_F(Escanear, ElBotonDeLaSeleccionEscaneaParaElComprobanteElegido)
{
    ventana->Campo(QStringLiteral("ResTC"))->setText(QStringLiteral("FC"));
    ventana->Campo(QStringLiteral("ResCpte"))->setText(QStringLiteral("000100000012A"));
    ventana->Campo(QStringLiteral("ResCuenta"))->setText(QStringLiteral("1001"));
    dialogos->responde(Resultado::Cancelar);
    ventana->CmdEscanear_Click();
    EXPECT_EQ(tipos(), QStringList{QStringLiteral("MsgBox")});
    EXPECT_EQ(filasNuevas(), 0);

    dialogos->responde(Resultado::Aceptar).responde(QStringLiteral("elegido"));
    ventana->CmdEscanear_Click();
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    ASSERT_EQ(dialogos->avisos[2].columnas.size(), 1);
    EXPECT_TRUE(dialogos->avisos[2].columnas[0].startsWith(QStringLiteral("FC000100000012A-1001-")))
        << dialogos->avisos[2].columnas[0].toStdString();
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A' "
                                    "AND NombreArchivo='elegido'")),
              1);
}

TEST_F(Escanear, ReemplazarConSiCambiaLaImagen)
{
    EscribeBasura(ruta("remito.bmp"));
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::Si);
    ventana->cmdNumeriser_Click();
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_EQ(dialogos->avisos[1].mensaje, QStringLiteral("Ya existe un documento con ese nombre, ¿Desea reemplazarlo?"));
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::SiNo + Botones::IconoPregunta);
    EXPECT_EQ(dialogos->avisos[1].titulo, QStringLiteral("Aviso al operador!!!"));
    EXPECT_FALSE(QImage(ruta("remito.bmp")).isNull());
    EXPECT_EQ(filasNuevas(), 1);
}

TEST_F(Escanear, ReemplazarConNoPideOtroNombreYEmpiezaDesdeLaPrimeraCopia)
{
    ventana->Text1->setText(QStringLiteral("2"));
    EscribeBasura(ruta("remito(2).bmp"));
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::No).responde(QStringLiteral("otro"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("InputBox")}));
    EXPECT_EQ(Contenido(ruta("remito(2).bmp")), QByteArray("no es una imagen"));
    EXPECT_FALSE(QImage(ruta("otro.bmp")).isNull());
    EXPECT_FALSE(QImage(ruta("otro(2).bmp")).isNull());
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='remito'")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='otro'")), 2);
}

TEST_F(Escanear, AbandonarLaCargaNoEscanea)
{
    dialogos->responde(QString()).responde(Resultado::No).responde(QStringLiteral("   ")).responde(Resultado::Si);
    ventana->cmdNumeriser_Click();
    ASSERT_EQ(tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("InputBox"),
                                    QStringLiteral("MsgBox")}));
    EXPECT_EQ(dialogos->avisos[1].mensaje, QStringLiteral("¿Realmente desea abandonar la Carga de Datos?"));
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::SiNo + Botones::IconoPregunta);
    EXPECT_EQ(dialogos->avisos[1].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(filasNuevas(), 0);
    EXPECT_TRUE(QDir(carpetaEscaneo).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Escanear, UnNombreQueSaldriaDeLaCarpetaSePideOtraVez)
{
    dialogos->responde(QStringLiteral("../fuera")).responde(Resultado::Aceptar).responde(QStringLiteral("dentro"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("InputBox")}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fuera.bmp"))));
    EXPECT_TRUE(QFile::exists(ruta("dentro.bmp")));
    EXPECT_EQ(filasNuevas(), 1);
}

TEST_F(Escanear, UnErrorDeLaBaseSeMuestraYSigueConLaCopiaSiguiente)
{
    ejecuta(QStringLiteral("CREATE TRIGGER bloquea BEFORE INSERT ON CTROL_ESCANEO "
                           "BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END"));
    ventana->Text1->setText(QStringLiteral("2"));
    dialogos->responde(QStringLiteral("remito"));
    ventana->cmdNumeriser_Click();
    ASSERT_EQ(tipos(), (QStringList{QStringLiteral("InputBox"), QStringLiteral("MsgBox"), QStringLiteral("MsgBox")}));
    for (size_t i : {1u, 2u}) {
        EXPECT_TRUE(dialogos->avisos[i].mensaje.contains(QStringLiteral("registro bloqueado")));
        EXPECT_EQ(dialogos->avisos[i].botones, Botones::SoloAceptar);
        EXPECT_EQ(dialogos->avisos[i].titulo, QString());
    }
    EXPECT_TRUE(QFile::exists(ruta("remito.bmp")));
    EXPECT_TRUE(QFile::exists(ruta("remito(2).bmp")));
    EXPECT_EQ(filasNuevas(), 0);
}

TEST_F(Escanear, UnaAdquisicionFallidaNoRegistraYConservaElArchivoAnterior)
{
    EscribeBasura(ruta("remito.bmp"));
    // The scanner cannot write where the page is acquired first.
    ASSERT_TRUE(QDir().mkpath(RutaProvisional(ruta("remito.bmp"))));
    ventana->Text1->setText(QStringLiteral("2"));
    dialogos->responde(QStringLiteral("remito")).responde(Resultado::Si);
    ventana->cmdNumeriser_Click();
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    EXPECT_EQ(dialogos->avisos[2].mensaje, QStringLiteral("Hubo un error de Comunicacion con el Scanner"));
    EXPECT_EQ(dialogos->avisos[2].botones, Botones::SoloAceptar);
    EXPECT_EQ(Contenido(ruta("remito.bmp")), QByteArray("no es una imagen"));
    EXPECT_FALSE(QFile::exists(ruta("remito(2).bmp")));
    EXPECT_EQ(filasNuevas(), 0);
}

TEST_F(Escanear, UnComprobanteIncompletoSeRechazaAntesDeEscanear)
{
    ventana->Escanear(QString(), QStringLiteral("FC0001"), QStringLiteral("1001"), 1, 1);
    ASSERT_EQ(tipos(), QStringList{QStringLiteral("MsgBox")});
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::IconoCritico);
    EXPECT_EQ(filasNuevas(), 0);
}

TEST_F(Escanear, UnaResolucionBajaSeSubeASetenta)
{
    ventana->Text2->setText(QStringLiteral("50"));
    EXPECT_EQ(ventana->Resolucion, 50);
    dialogos->responde(QStringLiteral("baja"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(ventana->Resolucion, 70);
    EXPECT_EQ(ventana->Text2->text(), QStringLiteral("50"));
    EXPECT_EQ(QImage(ruta("baja.bmp")).width(), PixelesDePagina(80, 70));
}

TEST_F(Escanear, SinNumeroEnLosCamposSeUsaUnaCopiaYLaResolucionPorDefecto)
{
    ventana->Text1->setText(QStringLiteral("x"));
    ventana->Text2->setText(QString());
    EXPECT_EQ(ventana->Text1->text(), QStringLiteral("x"));
    dialogos->responde(QStringLiteral("defecto"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(filasNuevas(), 1);
    EXPECT_EQ(QImage(ruta("defecto.bmp")).width(), PixelesDePagina(80, 290));
}

TEST_F(Escanear, LosCamposFueraDeRangoVuelvenASuValorPorDefecto)
{
    ventana->Text1->setText(QStringLiteral("4"));
    EXPECT_EQ(ventana->Copias, 4);
    for (const char* fuera : {"0", "100"}) {
        ventana->Text1->setText(QString::fromLatin1(fuera));
        EXPECT_EQ(ventana->Text1->text(), QStringLiteral("1")) << fuera;
        EXPECT_EQ(ventana->Copias, 1) << fuera;
    }
    ventana->Text2->setText(QStringLiteral("5000"));
    EXPECT_EQ(ventana->Text2->text(), QStringLiteral("290"));
    EXPECT_EQ(ventana->Resolucion, 290);
    ventana->Text3->setText(QStringLiteral("0"));
    EXPECT_EQ(ventana->Text3->text(), QStringLiteral("100"));
    ventana->Text3->setText(QStringLiteral("501"));
    EXPECT_EQ(ventana->Text3->text(), QStringLiteral("100"));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Escanear, LosBotonesEscaneanEnColorSeaCualSeaElTipoElegido)
{
    ventana->comboType->setCurrentIndex(0);
    ventana->comboType_Click();
    EXPECT_EQ(ventana->TipoPixel, 0);
    dialogos->responde(QStringLiteral("color"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(ventana->comboType->currentText(), QStringLiteral("Colores"));
    EXPECT_EQ(ventana->TipoPixel, 2);
    EXPECT_EQ(QImage(ruta("color.bmp")).depth(), 32);

    // Abandoned at the name prompt: the scan type is applied before it.
    dialogos->responde(QString()).responde(Resultado::Si).responde(QString()).responde(Resultado::Si);
    ventana->Escanear(QString(), QString(), QString(), 1, 2);
    EXPECT_EQ(ventana->TipoPixel, 1);
    ventana->Escanear(QString(), QString(), QString(), 1, 7);
    EXPECT_EQ(ventana->comboType->currentText(), QStringLiteral("Escala de Grises"));
}

TEST_F(Escanear, ElCursorOcupadoNoQuedaDespuesDeEscanear)
{
    dialogos->responde(QStringLiteral("cursor"));
    ventana->cmdNumeriser_Click();
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Escanear, SinCarpetaConfiguradaSeCreaLaDelProgramaYSeGuarda)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO'"));
    ventana->TxtRuta->setText(QString());
    const QString carpeta = ObjUtilidades().AgregaBarra(ObjSistema().CarpetaPrograma()) + QStringLiteral("SCAN/");
    const bool existia = QDir(carpeta).exists();
    const QString archivo = carpeta + QStringLiteral("escaneo-de-prueba-%1.bmp").arg(QCoreApplication::applicationPid());
    dialogos->responde(QFileInfo(archivo).completeBaseName());
    ventana->cmdNumeriser_Click();
    EXPECT_TRUE(QFile::exists(archivo));
    EXPECT_EQ(cuenta(QStringLiteral("TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO' AND Grupo='DATOS' AND Valor='%1'")
                         .arg(carpeta)),
              1);
    QFile::remove(archivo);
    if (!existia)
        QDir(carpeta).removeRecursively();
}

TEST_F(Escanear, GuardarAnotaLaCarpetaDelCampo)
{
    ventana->TxtRuta->setText(QStringLiteral("/otra/carpeta/"));
    ventana->CmdGuardar_Click();
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(cuenta(QStringLiteral("TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO' AND Valor='/otra/carpeta/'")), 1);
}

TEST_F(Escanear, LaPruebaDelEscanerDejaDosCarasEnLaCarpetaActualSinRegistrarlas)
{
    ventana->Command1_Click();
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_FALSE(QImage(QStringLiteral("front.bmp")).isNull());
    EXPECT_FALSE(QImage(QStringLiteral("back.bmp")).isNull());
    EXPECT_EQ(filasNuevas(), 0);
}
