#include "VentanaEnDemo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/browser/CreaVistaPagina.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <optional>

#include <unistd.h>

// The grid selection shows the selected voucher's page in the pane; the
// assignment files an image for it.

class PaginaEnVentana : public VentanaEnDemo {
protected:
    QUrl mostrada() const { return ventana->wbExplorer ? ventana->wbExplorer->Direccion() : QUrl(); }
    QString campo(const char* dataField) const { return ventana->Campo(QLatin1String(dataField))->text(); }
    QString pagina() const { return DeCp1252(LeeArchivoCompleto(ventana->ArchivoHtmlActual)); }
};

TEST_F(PaginaEnVentana, AClickFillsTheSelectedVoucherAndShowsItsPage)
{
    clic("1001", "FC  000100000012A", "03/03/2025", "factura-0001-00000012.jpg", VistaDeFila::Ventas);
    EXPECT_EQ(ventana->LblFecha->text(), QStringLiteral("03/03/2025"));
    EXPECT_EQ(ventana->LblNombre->text(), QStringLiteral("factura-0001-00000012.jpg"));
    EXPECT_EQ(campo("ImagenFac"), QStringLiteral("factura-0001-00000012.jpg"));
    EXPECT_EQ(campo("ResCuenta"), QStringLiteral("1001"));
    EXPECT_EQ(campo("ResTC"), QStringLiteral("FC  "));
    EXPECT_EQ(campo("ResCpte"), QStringLiteral("000100000012A"));
    EXPECT_EQ(ventana->RutaTemporal, carpetaTemporal);
    EXPECT_TRUE(QFileInfo(ventana->ArchivoHtmlActual).fileName().startsWith(QStringLiteral("FC0001A")));
    EXPECT_TRUE(QFileInfo::exists(carpetaTemporal + QStringLiteral("Style_Vantrelo.css")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("Vendedor:")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("src=\"file://") + carpetaEscaneo.chopped(1)));
    EXPECT_EQ(mostrada(), QUrl::fromLocalFile(ventana->ArchivoHtmlActual));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(PaginaEnVentana, TheViewOfTheRowChoosesTheWriterAndTheTypeOnlyForRegisterRows)
{
    clic("2001", "FCC 000400001520A", "27/02/2025", "", VistaDeFila::Compras);
    EXPECT_TRUE(pagina().contains(QStringLiteral("Papelera del Sur S.A.")));
    EXPECT_FALSE(pagina().contains(QStringLiteral("Vendedor:")));
    // A debit note from the sales side shows its header ...
    clic("1002", "ND  000100000002A", "11/03/2025", "nota-debito-0002.jpg", VistaDeFila::Ventas);
    EXPECT_TRUE(pagina().contains(QStringLiteral("Sr/s.:")));
    // ... while a register row goes by the type list, to the purchase side.
    clic("1002", "ND  000100000002A", "11/03/2025", "nota-debito-0002.jpg");
    EXPECT_FALSE(pagina().contains(QStringLiteral("Sr/s.:")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("Nota de Débito - 000100000002 A")));
}

TEST_F(PaginaEnVentana, AnEmptyRowChangesTheFieldsButShowsNothingNew)
{
    clic("1001", "FC  000100000012A", "03/03/2025", "factura-0001-00000012.jpg", VistaDeFila::Ventas);
    const QString mostrada = ventana->ArchivoHtmlActual;
    clic("", "", "", "");
    EXPECT_EQ(ventana->LblNombre->text(), QString());
    EXPECT_EQ(campo("ResCuenta"), QString());
    EXPECT_EQ(campo("ResCpte"), QString());
    EXPECT_EQ(ventana->ArchivoHtmlActual, mostrada);
}

TEST_F(PaginaEnVentana, ABlankPaneGetsItsOwnNameAndNoFile)
{
    ventana->CrearTempNew();
    EXPECT_TRUE(QFileInfo(ventana->ArchivoHtmlActual).fileName().startsWith(u'C'));
    EXPECT_FALSE(QFileInfo::exists(ventana->ArchivoHtmlActual));
    EXPECT_EQ(mostrada(), QUrl(QStringLiteral("about:blank")));
}

// A page that cannot be written (another's folder in place of this user's
// own) or shown (no browser) is told, never a blank pane without a word.
TEST_F(PaginaEnVentana, APageThatCannotBeWrittenOrShownIsTold)
{
    const QString propia = carpetaTemporal + QStringLiteral("escaneo-%1").arg(::geteuid());
    const QString ajena = carpetaTemporal + QStringLiteral("ajena");
    QDir().mkdir(ajena);
    const struct {
        std::function<void()> prepara;
        QString motivo;
    } casos[] = {{[&] { QFile::link(ajena, propia); }, propia + QStringLiteral(" (es un enlace")},
                 {[&] { instalaCreadorVistaPagina([&](QWidget* padre) { return CreaVistaDelPlugin(padre, ajena); }); },
                  QStringLiteral("(429)")}};
    for (const auto& c : casos) {
        ventana = std::make_unique<FrmEscaneo>();
        dialogos->avisos.clear();
        c.prepara();
        dialogos->responde(Resultado::Abortar);
        clic("1001", "FC  000100000012A", "03/03/2025", "", VistaDeFila::Ventas);
        ASSERT_EQ(dialogos->avisos.size(), 1u) << c.motivo.toStdString();
        EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(c.motivo)) << dialogos->avisos[0].mensaje.toStdString();
        EXPECT_TRUE(dialogos->avisos[0].titulo.contains(QStringLiteral("Mostrar")));
    }
    EXPECT_EQ(QDir(ajena).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// The real browser, loaded for the first page, shows it in the voucher tab.
TEST_F(PaginaEnVentana, TheFirstPageLoadsTheBrowserIntoTheVoucherTab)
{
    const CreadorVistaPagina anterior = instalaCreadorVistaPagina(
        [](QWidget* padre) { return CreaVistaDelPlugin(padre, QStringLiteral(ESCANEO_BINARY_DIR)); });
    ventana->show();
    EXPECT_EQ(ventana->wbExplorer, nullptr);
    clic("1002", "FC  000100000013A", "05/03/2025", "", VistaDeFila::Ventas);
    instalaCreadorVistaPagina(anterior);
    ASSERT_NE(ventana->wbExplorer, nullptr);
    EXPECT_EQ(ventana->wbExplorer->parentWidget(), ventana->SSTab1->widget(1));
    EXPECT_EQ(mostrada(), QUrl::fromLocalFile(ventana->ArchivoHtmlActual));
    EXPECT_TRUE(pagina().contains(QStringLiteral("Distribuidora Norte SRL")));
    EXPECT_TRUE(pagina().contains(QStringLiteral("Tornillo hexagonal 1/2\" x 2")));
    EXPECT_TRUE(dialogos->avisos.empty());
}

class AsignarImagen : public PaginaEnVentana {
protected:
    void selecciona(const QString& nombre, const QString& ruta)
    {
        ventana->Campo(QStringLiteral("ResCuenta"))->setText(QStringLiteral("1001"));
        ventana->Campo(QStringLiteral("ResTC"))->setText(QStringLiteral("FC  "));
        ventana->Campo(QStringLiteral("ResCpte"))->setText(QStringLiteral("000100000012A"));
        ventana->LblNombre->setText(nombre);
        ventana->Campo(QStringLiteral("ImagenFac"))->setText(ruta);
    }
    long filas() { return cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A'")); }
};

TEST_F(AsignarImagen, ThePickerFillsPathAndLabelAndCancellingEmptiesThem)
{
    dialogos->responde(QStringLiteral("/home/u/foto.jpg")).responde(QString());
    ventana->CmdImagen_Click();
    EXPECT_EQ(campo("ImagenFac"), QStringLiteral("/home/u/foto.jpg"));
    EXPECT_EQ(ventana->LblNombre->text(), QStringLiteral("/home/u/foto.jpg"));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("AbrirArchivo"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Selección del Archivo"));
    EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith(QStringLiteral("Archivos Jpg|*.jpg|")));
    EXPECT_EQ(dialogos->avisos[0].columnas.value(0), ObjSistema().CarpetaPrograma());
    ventana->CmdImagen_Click();
    EXPECT_EQ(campo("ImagenFac"), QString());
    EXPECT_EQ(ventana->LblNombre->text(), QString());
}

TEST_F(AsignarImagen, AVoucherMustBeSelected)
{
    const long antes = cuenta(QStringLiteral("CTROL_ESCANEO"));
    ventana->Campo(QStringLiteral("ImagenFac"))->setText(QStringLiteral("/home/u/foto.jpg"));
    ventana->cmdGuardaCambio_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Debe seleccionar al menos un comprobante!!!"));
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO")), antes);
}

TEST_F(AsignarImagen, ATypedPathIsCopiedInAndFiledBesideTheVoucherOtherScans)
{
    const QString afuera = dir.filePath(QStringLiteral("foto de obra.jpg"));
    EscribeArchivoCompleto(afuera, "jpeg");
    selecciona(QStringLiteral("factura-0001-00000012.jpg"), afuera);
    const long antes = filas();
    dialogos->responde(Resultado::Si);
    ventana->cmdGuardaCambio_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("¿Desea actualizar el registro con los datos ingresados?\r\n") + afuera);
    EXPECT_EQ(dialogos->avisos[0].botones, 68);
    EXPECT_EQ(LeeArchivoCompleto(carpetaEscaneo + QStringLiteral("foto de obra.jpg")), "jpeg");
    EXPECT_EQ(filas(), antes + 1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='foto de obra.jpg' AND RutaArchivo='%1' "
                                    "AND Usuario='demo' AND ActualizadoPor='demo'")
                         .arg(carpetaEscaneo)),
              1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='factura-0001-00000012.jpg'")), 1);
    EXPECT_EQ(dialogos->espera, (std::vector<QString>{QStringLiteral("Muestra:Actualizando..."),
                                                      QStringLiteral("Actualiza:Actualizando"), QStringLiteral("Cierra")}));
    // The page now shows both images.
    clic("1001", "FC  000100000012A", "03/03/2025", "", VistaDeFila::Ventas);
    EXPECT_EQ(pagina().count(QStringLiteral("<img ")), 2);
    EXPECT_TRUE(pagina().contains(QStringLiteral("/SCAN/foto%20de%20obra.jpg\"")));
}

TEST_F(AsignarImagen, AnsweringNoOrNamingAMissingFileChangesNothing)
{
    const long antes = filas();
    selecciona(QStringLiteral("no-esta.jpg"), QStringLiteral("no-esta.jpg"));
    dialogos->responde(Resultado::No);
    ventana->cmdGuardaCambio_Click();
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    dialogos->responde(Resultado::Si);
    ventana->cmdGuardaCambio_Click();
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    EXPECT_EQ(dialogos->avisos[2].mensaje,
              QStringLiteral("El archivo no-esta.jpg no esta en la carpeta de escaneos.\r\nNo se guardaron los cambios."));
    EXPECT_EQ(dialogos->avisos[2].botones, 16);
    EXPECT_EQ(dialogos->avisos[2].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(dialogos->espera.back(), QStringLiteral("Cierra"));
    EXPECT_EQ(filas(), antes);
}

TEST_F(AsignarImagen, ADatabaseErrorIsShownAfterTheWaitWindowCloses)
{
    EscribeArchivoCompleto(carpetaEscaneo + QStringLiteral("hoja.jpg"), "jpeg");
    ejecuta(QStringLiteral("CREATE TRIGGER bloquea BEFORE INSERT ON CTROL_ESCANEO "
                           "BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END"));
    selecciona(QString(), QStringLiteral("hoja.jpg"));
    dialogos->responde(Resultado::Si);
    ventana->cmdGuardaCambio_Click();
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_TRUE(dialogos->avisos[1].mensaje.contains(QStringLiteral("registro bloqueado")));
    EXPECT_EQ(dialogos->avisos[1].titulo, QString());
    EXPECT_EQ(dialogos->espera.at(2), QStringLiteral("Cierra"));
}
