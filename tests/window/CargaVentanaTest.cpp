#include "support/escaneo/BaseEscaneo.h"
#include "support/NumeroDeError.h"

#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/Twips.h"
#include "scanning/ArchivoEscaner.h"
#include "services/Modulo.h"
#include "support/VistaGrabadora.h"
#include "window/FlexGrid.h"
#include "window/FrmEscaneo.h"
#include "window/SubeBaja.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

namespace {

const QSize TamanoCompleto(Px(16965), Px(8805));
const QSize TamanoChico(Px(6585), Px(6195));

QByteArray Contenido(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

}

class WindowLoad : public BaseEscaneo {};

TEST_F(WindowLoad, WithoutAConnectionTheProgramEnds)
{
    FrmEscaneo ventana(QStringLiteral("@Server=sqlite;@DbName=%1;@Usuario=demo;@Password=x;")
                           .arg(dir.filePath(QStringLiteral("no-existe.db"))));
    EXPECT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::SinConexion);
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_FALSE(QFile::exists(NombreArchivoEscaner));
}

TEST_F(WindowLoad, WithoutAnActionTheFullWindowOpensOnTheSearchWithItsDefaults)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    FrmEscaneo ventana(lineaComando());
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_TRUE(dialogos->avisos.empty()) << dialogos->mensajes().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(ventana.size(), TamanoCompleto);
    EXPECT_EQ(ventana.SSTab1->currentIndex(), 1);
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Escaneo de Documentos"));
    EXPECT_EQ(ventana.TxtRuta->text(), carpetaEscaneo);
    EXPECT_EQ(ventana.ArchivoIni, QStringLiteral("Lumivarnesse.ini"));
    EXPECT_EQ(ventana.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(ventana.Text2->text(), QStringLiteral("290"));
    EXPECT_EQ(ventana.Text3->text(), QStringLiteral("100"));
    EXPECT_EQ(ventana.Copias, 1);
    EXPECT_EQ(ventana.Resolucion, 290);
    EXPECT_EQ(ventana.TipoPixel, 0);
    ASSERT_EQ(ventana.comboType->count(), 3);
    EXPECT_EQ(ventana.comboType->itemText(0), QStringLiteral("Blanco y Negro"));
    EXPECT_EQ(ventana.comboType->itemText(1), QStringLiteral("Colores"));
    EXPECT_EQ(ventana.comboType->itemText(2), QStringLiteral("Escala de Grises"));
}

// The settings go into their tab only when it first shows, as they stood.
TEST_F(WindowLoad, TheSettingsShowInTheirTabInPlaceWithTheLoadsValues)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    FrmEscaneo ventana(lineaComando());
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    ventana.show();
    ventana.SSTab1->setCurrentIndex(0);
    QWidget* pestana = ventana.SSTab1->widget(0);
    const std::pair<QWidget*, QPoint> disenos[] = {
        {ventana.Label1, {240, 360}},     {ventana.Text1, {2400, 330}},   {ventana.UpDown2, {3300, 810}},
        {ventana.comboType, {2400, 1290}}, {ventana.TxtRuta, {240, 2535}}, {ventana.Quit, {1860, 3120}},
        {ventana.lblState, {240, 3780}},
    };
    for (const auto& [control, diseno] : disenos) {
        ASSERT_TRUE(pestana->isAncestorOf(control)) << control->metaObject()->className();
        EXPECT_TRUE(control->isVisible());
        EXPECT_EQ(control->mapTo(pestana, QPoint(0, 0)), QPoint(Px(diseno.x()), Px(diseno.y())));
    }
    EXPECT_EQ(ventana.TxtRuta->text(), carpetaEscaneo);
    EXPECT_EQ(ventana.Text2->text(), QStringLiteral("290"));
    EXPECT_EQ(ventana.comboType->count(), 3);
}

TEST_F(WindowLoad, ActionTwoOpensTheSmallWindowOnTheSettings)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    FrmEscaneo ventana(lineaComando(QStringLiteral("CuentaC1,CpteFC000100000012A,Accion2")));
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_EQ(ventana.size(), TamanoChico);
    EXPECT_EQ(ventana.SSTab1->currentIndex(), 0);
}

TEST_F(WindowLoad, AMissingScanFolderSettingIsReportedAndTheLoadGoesOn)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO'"));
    creaArchivoEscaner();
    FrmEscaneo ventana(lineaComando());
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_EQ(ventana.TxtRuta->text(), QStringLiteral(" "));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    const auto& aviso = dialogos->avisos[0];
    EXPECT_EQ(aviso.mensaje, QStringLiteral("No esta configurada la carpeta de escaneos, o no existe. Verifiquelo para "
                                            "poder escanear documentos."));
    EXPECT_EQ(aviso.botones, Botones::IconoCritico);
    EXPECT_EQ(aviso.titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(ventana.size(), TamanoCompleto);
}

TEST_F(WindowLoad, AScanFolderThatDoesNotExistIsReportedToo)
{
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor='%1' WHERE Clave='RUTA_ESCANEO'")
                .arg(dir.filePath(QStringLiteral("no-esta/"))));
    creaArchivoEscaner();
    FrmEscaneo ventana(lineaComando());
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_EQ(dialogos->mensajes().size(), 1);
}

TEST_F(WindowLoad, WithoutTheScannerFileTheSourceIsChosenAndTheWindowKeepsItsDesign)
{
    configuraCarpetaEscaneo();
    dialogos->responde(QVariant::fromValue(QList<int>{0}));
    FrmEscaneo ventana(lineaComando(QStringLiteral("CuentaC1,CpteFC000100000012A,Accion2")));
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("EligeFilas"));
    EXPECT_FALSE(dialogos->avisos[0].filas.isEmpty());
    EXPECT_EQ(Contenido(NombreArchivoEscaner), QByteArray("[Seleccione el Scanner]\r\nSource = 1\r\n"));
    // The start parameter was not obeyed.
    EXPECT_EQ(ventana.size(), TamanoCompleto);
    EXPECT_EQ(ventana.SSTab1->currentIndex(), 0);
}

TEST_F(WindowLoad, CancellingTheSourceChoiceStillWritesTheFile)
{
    configuraCarpetaEscaneo();
    dialogos->responde(QVariant::fromValue(QList<int>{}));
    FrmEscaneo ventana(lineaComando());
    ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_EQ(Contenido(NombreArchivoEscaner), QByteArray("[Seleccione el Scanner]\r\nSource = 0\r\n"));
}

TEST_F(WindowLoad, AScannerFileThatCannotBeWrittenStillOpensTheWindow)
{
    configuraCarpetaEscaneo();
    // A current folder that no longer exists cannot be written, not even by root.
    const QString borrada = dir.filePath(QStringLiteral("borrada"));
    ASSERT_TRUE(QDir().mkpath(borrada));
    ASSERT_TRUE(QDir::setCurrent(borrada));
    ASSERT_TRUE(QDir().rmdir(borrada));
    dialogos->responde(QVariant::fromValue(QList<int>{0}));
    FrmEscaneo ventana(lineaComando(QStringLiteral("Accion2")));
    EXPECT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar);
    EXPECT_EQ(ventana.size(), TamanoCompleto);
}

TEST_F(WindowLoad, ActionOneCancelledEndsWithoutScanning)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    const long filas = cuenta(QStringLiteral("CTROL_ESCANEO"));
    dialogos->responde(Resultado::Cancelar);
    FrmEscaneo ventana(lineaComando(QStringLiteral("Accion1,CuentaC1,CpteFC000100000012A")));
    EXPECT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Terminar);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Si esta preparado para escanear presione Aceptar"));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::AceptarCancelar + Botones::IconoInformacion);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO")), filas);
}

TEST_F(WindowLoad, ActionOneAcceptedScansTheVoucherInColourAndEnds)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    dialogos->responde(Resultado::Aceptar).responde(QStringLiteral("remito"));
    FrmEscaneo ventana(lineaComando(QStringLiteral("Accion1,CuentaC1,CpteFC000100000012A")));
    EXPECT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Terminar);
    EXPECT_TRUE(ventana.isHidden());
    EXPECT_EQ(ventana.TipoPixel, 2);
    const QImage imagen(carpetaEscaneo + QStringLiteral("remito.bmp"));
    ASSERT_FALSE(imagen.isNull());
    EXPECT_EQ(imagen.width(), PixelesDePagina(80, 290));
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='C1' AND Cpte='FC  000100000012A' "
                                    "AND NombreArchivo='remito' AND Usuario='demo' AND RutaArchivo='%1'")
                         .arg(carpetaEscaneo + QStringLiteral("remito.bmp"))),
              1);
}

TEST_F(WindowLoad, ActionOneAloneScansWithoutVoucherOrAccount)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    dialogos->responde(Resultado::Aceptar).responde(QStringLiteral("suelto"));
    FrmEscaneo ventana(lineaComando(QStringLiteral("Accion1")));
    EXPECT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Terminar);
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    // The name offered starts with the empty voucher and account.
    ASSERT_EQ(dialogos->avisos[1].columnas.size(), 1);
    EXPECT_TRUE(dialogos->avisos[1].columnas[0].startsWith(QStringLiteral("--")))
        << dialogos->avisos[1].columnas[0].toStdString();
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='' AND Cpte='    ' AND NombreArchivo='suelto'")), 1);
}

TEST_F(WindowLoad, TheBrowserFollowsTheWindowSize)
{
    ConVistaGrabadora vistas;
    FrmEscaneo ventana;
    ventana.show();
    ventana.NavegaArchivo(dir.filePath(QStringLiteral("pagina.htm")));
    // The arithmetic at any size, the window's least aside.
    ventana.setMinimumSize(0, 0);
    ventana.resize(1000, 600);
    EXPECT_EQ(ventana.SSTab1->size(), QSize(1000, 600));
    EXPECT_EQ(ventana.wbExplorer->width(), 1000 - (ventana.MSFlexGrid1->width() + Px(300)));
    EXPECT_EQ(ventana.wbExplorer->height(), 600 - Px(800));
    ventana.resize(300, 40);
    EXPECT_EQ(ventana.wbExplorer->width(), 0);
    EXPECT_EQ(ventana.wbExplorer->height(), 0);
}

TEST_F(WindowLoad, TheSettingsPictureIsLoadedWhenItsTabFirstShows)
{
    FrmEscaneo ventana;
    ventana.SSTab1->setCurrentIndex(1);
    ventana.show();
    EXPECT_TRUE(ventana.I->pixmap().isNull());
    ventana.SSTab1->setCurrentIndex(0);
    EXPECT_FALSE(ventana.I->pixmap().isNull());
}

// Neither start's window shrinks below its designed size, where the strip
// outside the tabs would cover the search's fields and buttons.
TEST_F(WindowLoad, NoStartsWindowShrinksBelowItsDesignedSize)
{
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    for (const auto& [opcion, tamano] :
         {std::pair{"", QSize(Px(16965), Px(8805))}, {"Accion2", QSize(Px(6585), Px(6195))}}) {
        ReiniciaModulo();
        FrmEscaneo ventana(lineaComando(QLatin1String(opcion)));
        ASSERT_EQ(ventana.Form_Load(), FrmEscaneo::FinCarga::Mostrar) << opcion;
        ventana.resize(300, 200);
        EXPECT_EQ(ventana.size(), tamano) << opcion;
    }
}

// The browser is loaded only for a page, and no start shows one.
TEST_F(WindowLoad, NoStartMakesTheBrowser)
{
    struct Caso {
        const char* opcion;
        std::vector<QVariant> respuestas;
        FrmEscaneo::FinCarga fin;
    };
    const Caso casos[] = {
        {"Accion1,CuentaC1,CpteFC000100000012A", {Resultado::Cancelar}, FrmEscaneo::FinCarga::Terminar},
        {"Accion1,CuentaC1,CpteFC000100000012A", {Resultado::Aceptar, QStringLiteral("sin-pagina")},
         FrmEscaneo::FinCarga::Terminar},
        {"Accion2", {}, FrmEscaneo::FinCarga::Mostrar},
        {"", {}, FrmEscaneo::FinCarga::Mostrar},
    };
    configuraCarpetaEscaneo();
    creaArchivoEscaner();
    for (const Caso& caso : casos) {
        // Each start parses its own command line.
        ReiniciaModulo();
        ConVistaGrabadora vistas;
        for (const QVariant& respuesta : caso.respuestas)
            dialogos->responde(respuesta);
        FrmEscaneo ventana(lineaComando(QLatin1String(caso.opcion)));
        EXPECT_EQ(ventana.Form_Load(), caso.fin) << caso.opcion;
        ventana.show();
        ventana.resize(800, 500);
        EXPECT_EQ(vistas.creadas, 0) << caso.opcion;
        EXPECT_EQ(ventana.wbExplorer, nullptr) << caso.opcion;
    }
}

TEST_F(WindowLoad, TheFirstPageMakesTheBrowserOnTheSearchTabAndLaterPagesReuseIt)
{
    ConVistaGrabadora vistas;
    FrmEscaneo ventana;
    ventana.show();
    const QString primera = dir.filePath(QStringLiteral("una pagina.htm"));
    const QString segunda = dir.filePath(QStringLiteral("otra.htm"));
    ventana.NavegaArchivo(primera);
    ASSERT_NE(ventana.wbExplorer, nullptr);
    EXPECT_EQ(ventana.wbExplorer->parentWidget(), ventana.SSTab1->widget(1));
    EXPECT_EQ(ventana.wbExplorer->pos(), QPoint(Px(6540), Px(60)));
    EXPECT_EQ(ventana.wbExplorer->size(), QSize(ventana.width() - (ventana.MSFlexGrid1->width() + Px(300)),
                                                ventana.height() - Px(800)));
    ventana.NavegaArchivo(segunda);
    EXPECT_EQ(vistas.creadas, 1);
    auto* vista = static_cast<VistaGrabadora*>(ventana.wbExplorer);
    EXPECT_EQ(vista->direcciones, (std::vector<QUrl>{QUrl::fromLocalFile(primera), QUrl::fromLocalFile(segunda)}));
    EXPECT_EQ(vista->Direccion().toLocalFile(), segunda);
}

TEST_F(WindowLoad, ABrowserThatCannotBeLoadedLeavesThePaneEmpty)
{
    const CreadorVistaPagina anterior = instalaCreadorVistaPagina(
        [this](QWidget* padre) { return CreaVistaDelPlugin(padre, dir.path()); });
    FrmEscaneo ventana;
    ventana.NavegaArchivo(dir.filePath(QStringLiteral("pagina.htm")));
    EXPECT_EQ(ventana.wbExplorer, nullptr);
    EXPECT_EQ(numeroDeError([&] { ventana.Explorador(); }), NumeroError::NoSePuedeCrearObjeto);
    instalaCreadorVistaPagina(anterior);
}
