#include "email/FrmEnviar.h"

#include "platform/dialogs/Dialogos.h"
#include "services/Objetos.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// Attachments, the recipient lookup, and the progress and status lines.

void FrmEnviar::cmdBrowse_Click()
{
    try {
        const QStringList elegidos = dialogos().AbrirArchivos(
            QStringLiteral("Select File Attachment(s)"),
            QStringLiteral("All Files (*.*)|*.*|HTML Files (*.htm;*.html;*.shtml)|*.htm;*.html;*.shtml|"
                           "Images (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif"));
        if (elegidos.isEmpty())
            throw Err(NumeroError::CanceladoPorElOperador);
        for (const QString& ruta : elegidos)
            txtAttach->setText(txtAttach->text().isEmpty() ? ruta : txtAttach->text() + u';' + ruta);
    } catch (const Err& e) {
        dialogos().MsgBox(e.Description, Botones::IconoCritico, QStringLiteral("Error"));
    }
}

void FrmEnviar::AbrirAdjunto(const QString& QueArchivo, const QVariant& MostrarVentana)
{
    QString ruta = QueArchivo;
    if (!ruta.contains(u'"') && ruta.contains(u' '))
        ruta = u'"' + ruta + u'"';
    ObjSistema().AbreConProgramaAsociado(0, QString(), ruta, QString(), QString(),
                                         MostrarVentana.toInt() != 0 ? 6 : 0);
}

void FrmEnviar::CmdAbrir_Click()
{
    AbrirAdjunto(txtAttach->text(), 2);
}

void FrmEnviar::CmdConsultar_Click()
{
    Buscador& b = ObjBuscador();
    b.setSeleccionMultiple(true);
    b.setCampoRetorno(QStringLiteral("email"));
    b.Busca(QStringLiteral("Select * from vt_e_mail order by razonsocial"));
    QString texto;
    if (const auto elegidos = b.Seleccion(); elegidos && !elegidos->isEmpty()) {
        ListaMails_.assign(size_t(elegidos->size()) + 1, QString());
        for (qsizetype i = 1; i <= elegidos->size(); ++i) {
            ListaMails_[size_t(i)] = elegidos->at(i - 1);
            texto = i == 1 ? elegidos->at(0) : QStringLiteral("Seleccion Multiple");
        }
    }
    Campo(QStringLiteral("Para"))->setText(texto);
}

void FrmEnviar::MuestraProgreso(int n)
{
    lblProgress->setText(QString::number(n) + u'%');
}

void FrmEnviar::AgregaEstado(const QString& texto)
{
    lstStatus->addItem(texto);
    lstStatus->setCurrentRow(lstStatus->count() - 1);
    lstStatus->scrollToBottom();
    lstStatus->clearSelection();
}
