#pragma once

#include "email/CuentaEmail.h"
#include "email/RegistroEnvios.h"

#include <QWidget>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class VistaPagina;

// "Formulario Envio de eMail": one message, its comment, recipients and
// attachments, sent through the current user's SMTP account and logged.
// Callers set the public variables, load it (Carga), fill its fields, then
// show it modally or call cmdSend_Click without showing it.
class FrmEnviar : public QWidget {
    Q_OBJECT
public:
    explicit FrmEnviar(QWidget* padre = nullptr);

    QString IdEvento;
    bool MostrarAntes = false;
    QString ArchivoWeb;
    QString TC;
    QString IdComprobante;
    QString Cuenta;
    bool EnvioManual = false;

    // Runs Form_Load the first time only; showing the window or sending
    // loads it too.
    void Carga();
    void Form_Load();
    void Form_Unload();
    // Shows the window modally and returns once it has been unloaded.
    void MuestraModal();
    // F2 sends; true when the key was used.
    bool Form_KeyDown(int16_t codigoTecla, Qt::KeyboardModifiers shift);
    void cmdSend_Click();
    void cmdExit_Click();
    void cmdBrowse_Click();
    void CmdAbrir_Click();
    void CmdConsultar_Click();

    void RegistrarEnvio(bool HayError, const QString& TextoError, const QString& CodigoActivador);
    void ActualizaContestado(const QString& Usuario, const QString& UIDL, const QString& CuentaEmail);
    void AbrirAdjunto(const QString& QueArchivo, const QVariant& MostrarVentana);
    void MuestraProgreso(int n);
    void AgregaEstado(const QString& texto);
    // Mails a recorded voucher, receipt, payment order or cash closing
    // ("@CJA") by the first active rule for its type (any rule when
    // ForzarEnvio, then always confirmed): its report exported into a work
    // folder and attached, sent at once or shown for confirmation. A blank
    // Cuenta becomes the document's number, TC comes back in the form the
    // print data gave it, PorPantalla only previews (and is cleared by
    // ForzarEnvio). Leaves at the operator's word without unloading.
    void VerificaeMail(QString& Cuenta, QString& TC, QVariant& IdComprobante, bool& PorPantalla, bool& ForzarEnvio);

    // The TxtFields member bound to the data field ("De", "Para", "Asunto",
    // "Mensaje"); raises Err 9 for any other.
    QLineEdit* Campo(const QString& dataField) const;
    // Points WebBrowser1 at a page file, making the browser on first use.
    void NavegaWebBrowser1(const QString& ruta);
    // Shows WebBrowser1 in its place beside the fields, on a page file.
    void MuestraWebBrowser1(const QString& ruta);
    // The page file WebBrowser1 shows; empty before it shows any.
    QString PaginaMostrada() const;
    // The account the load gathered.
    const CuentaEmail& CuentaActual() const { return cuenta_; }
    const std::vector<QString>& ListaMails() const { return ListaMails_; }

    QGroupBox* FrameDatos;
    QLabel* lblFrom;
    QLabel* lblTo;
    QLabel* lblAsunto;
    QLabel* lblAttach;
    QLabel* Label1;
    QLineEdit* txtServer;
    // "De", "Para", "Asunto", "Mensaje", found by their "DataField".
    std::vector<QLineEdit*> TxtFields;
    QLabel* LblComen;
    QPlainTextEdit* TxtComen;
    QRadioButton* OptArriba;
    QRadioButton* OptAbajo;
    QGroupBox* FrameMensaje;
    // Made the first time a page is shown.
    VistaPagina* WebBrowser1 = nullptr;
    QLineEdit* txtAttach;
    QPushButton* cmdBrowse;
    QPushButton* CmdAbrir;
    QPushButton* CmdConsultar;
    QGroupBox* FrameEstado;
    QListWidget* lstStatus;
    QLabel* lblProgress;
    QPushButton* cmdSend;
    QPushButton* cmdExit;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

signals:
    void descargada();

private:
    // The send steps of one message; false when the operator left the send.
    bool EnviaUno(const QString& mensajeOriginal, bool& comentarioPuesto);
    void InformaEnvioCorrecto();
    void InformaEnvioFallido(const QString& T);
    FilaEnvio Fila() const;
    void Descarga();

    CuentaEmail cuenta_;
    std::vector<QString> ListaMails_{QString()};
    QString UidlRespuesta;
    QString CuentaRespuesta;
    QString paginaMostrada_;
    bool cargada_ = false;
};
