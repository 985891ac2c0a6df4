#pragma once

#include "scanning/LoteSubida.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class FhOcx;
class FlexGrid;
class SubeBaja;
struct SeleccionDeFila;
class VistaPagina;

// The start-up window "Escaneo de Documentos": scanning settings on the first
// tab; search, results, the selected voucher and its page on the second.
class FrmEscaneo : public QWidget {
    Q_OBJECT
public:
    // How the load ended: show the window, end the program (the start action
    // is done or was cancelled), or end it for want of a connection.
    enum class FinCarga { Mostrar, Terminar, SinConexion };

    // An empty command line means the process's own.
    explicit FrmEscaneo(const QString& lineaComando = QString(), QWidget* parent = nullptr);
    ~FrmEscaneo() override;

    // The load's first step, the start-up's connection, also on its own:
    // main runs it on a thread of its own while the window is built and
    // hands the window its result. It touches no window. False when no main
    // connection results.
    static bool ConectaAlCargar(const QString& lineaComando);
    // Connects with the window's command line, then loads.
    FinCarga Form_Load();
    // Loads after a connection already attempted; SinConexion if it failed.
    FinCarga Form_Load(bool conectado);
    void Form_Resize();
    void Quit_Click();

    // Scans pages into the scan folder and registers each against the
    // account and voucher (type followed by the 13-character number, or
    // empty). The first argument is not used. Scan type 0, 1, 2 picks that
    // entry of comboType first.
    void Escanear(const QString& sinUso, const QString& comprobante, const QString& cuenta, int16_t copias,
                  int tipoEscaneo);
    void CampoValida(QLineEdit* control);
    bool ExisteEscaneo(const QString& Cuenta, const QString& TC, const QString& Cpte, QString& NombreArchivo,
                       QString& RutaArchivo);
    void CodificaRutaArch(const QString& Ruta, QString& Nombre, QString& Carpeta);
    // The TxtFields member bound to a data field; raises Err 9 when none is.
    QLineEdit* Campo(const QString& dataField) const;
    // Shows a page file in wbExplorer, a blank page for an empty path. A
    // browser step that fails is skipped.
    void NavegaArchivo(const QString& Ruta);
    // wbExplorer, made and placed on first use; raises Err 429 when the
    // browser cannot be loaded.
    VistaPagina& Explorador();

    void CmdEscanear_Click();
    void cmdNumeriser_Click();
    void comboType_Click();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void CmdGuardar_Click();
    void Command1_Click();
    void CmdEliminar_Click();
    void CmdBuscar_Click();
    void CmdCancelar_Click();
    // The BMP-to-JPEG upload batch, with the file it compresses in lblState.
    void CmdUpload_Click();
    // "Email": the e-mail of the voucher on view.
    void CmdImprimir_Click();
    // With PorEmail the e-mail window, filled for the voucher picked and its
    // page, shown modally; without it only the voucher's print data. Nothing
    // is printed either way.
    void Imprimir(bool& PorEmail);

    // The voucher pane: a blank page under a new name, and the page of one
    // voucher written and shown. `UsaVMvCpte`, when known, is the view the
    // voucher came from.
    void CrearTempNew();
    void Mostrar(const QString& iTc, const QString& iSucursal, const QString& iNumero, const QString& iLetra,
                 bool EsVenta, const QString& Cuenta, std::optional<bool> UsaVMvCpte = std::nullopt);
    // Selects the grid's current row and shows its voucher.
    void MSFlexGrid1_Click();
    void MuestraSeleccion(const SeleccionDeFila& seleccion);
    // Picks the image file to assign, and assigns it to the selected voucher.
    void CmdImagen_Click();
    void cmdGuardaCambio_Click();

    void TxtFields_GotFocus(int indice);
    void TxtFields_LostFocus(int indice);
    // True when the key moved the focus on (the key is then used up).
    bool TxtFields_KeyDown(int indice, int16_t codigoTecla, Qt::KeyboardModifiers shift);
    // The filter may change the character or set it to 0 to drop it.
    void TxtFields_KeyPress(int indice, int16_t& codigoCaracter);

    QTabWidget* SSTab1;
    QLabel* Label1;
    QLineEdit* Text1;
    SubeBaja* UpDown1;
    QLabel* Label3;
    QLineEdit* Text2;
    SubeBaja* UpDown2;
    QLabel* Label4;
    QComboBox* comboType;
    QLabel* Label5;
    QLineEdit* Text3;
    SubeBaja* UpDown3;
    QLabel* Label2;
    QLineEdit* TxtRuta;
    QPushButton* CmdGuardar;
    QPushButton* cmdNumeriser;
    QPushButton* Quit;
    QLabel* lblState;
    QLabel* I;
    QGroupBox* Frame1;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    // In layout order: TC, Cuenta, Sucursal, Numero, Letra, ResCuenta, ResTC,
    // ImagenFac, ResCpte. Found only by their "DataField" property.
    std::vector<QLineEdit*> TxtFields;
    FhOcx* FhOcx1;
    QCheckBox* ChksoloEscaneado;
    QPushButton* CmdBuscar;
    FlexGrid* MSFlexGrid1;
    // Made the first time a page is shown.
    VistaPagina* wbExplorer = nullptr;
    std::vector<QLabel*> Label10;
    QLabel* Label12;
    QPushButton* CmdImagen;
    QLabel* LblNombre;
    QLabel* LblFecha;
    QPushButton* CmdEscanear;
    QPushButton* cmdGuardaCambio;
    QPushButton* CmdEliminar;
    QPushButton* CmdCancelar;
    QPushButton* CmdImprimir;
    QCheckBox* ChkEliminar;
    QPushButton* CmdUpload;
    QPushButton* Command1;

    QString ArchivoIni;
    double Resolucion = 290;
    int TipoPixel = 0;
    int16_t Copias = 1;
    QString RutaTemporal;
    QString ArchivoHtmlActual;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CreaPestanaEscanear(QWidget* pagina);
    // Puts the settings made aside into their tab, the first time it shows.
    void PoneControlesEscanear(QWidget* pestana);
    void CreaPestanaBusqueda(QWidget* pagina);
    QLineEdit* CreaCampo(QWidget* padre, const char* dataField);
    void EligeFuenteEscaner();
    // What a TxtFields member does with its focus and keys; true when the
    // event is used up, false for any other object.
    bool EventoDeCampo(QObject* objeto, QEvent* evento);
    void AjustaGrilla();
    // The size given is also the least the window takes: below it the strip
    // outside the tabs would cover the search's fields and buttons.
    void Dimensiona(int ancho, int alto);
    long Manejador() const;

    QString lineaComando_;
    LoteSubida subida_;
    QWidget* fueraDePestanas_;
    // The settings tab's controls until the tab first shows.
    std::unique_ptr<QWidget> controlesEscanear_;
};
