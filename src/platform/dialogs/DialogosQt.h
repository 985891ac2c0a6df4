#pragma once

#include "platform/dialogs/Dialogos.h"

#include <QElapsedTimer>
#include <QMessageBox>

#include <memory>
#include <vector>

class QProgressDialog;

// The program's dialogs: Qt message boxes, input boxes, file dialogs, a table
// chooser, a wait window that repaints while work runs on the one thread,
// and the progress painted into a window's status box.
class DialogosQt : public Dialogos {
public:
    DialogosQt();
    ~DialogosQt() override;

    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override;
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto) override;
    QString AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QStringList AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QString GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas,
                                const QVector<QStringList>& filas, bool multiple) override;
    void MuestraEspera(const QString& texto, int maximo) override;
    void ActualizaEspera(int valor, const QString& texto) override;
    void CierraEspera() override;
    void PintaProgreso(QObject* caja, const QString& texto, double fraccion) override;

private:
    std::unique_ptr<QProgressDialog> espera_;
    QElapsedTimer repintada_;
};

// A message-box button style (Botones) read apart: the results of its
// buttons in order, the icon, and the result of the default button.
struct EstiloMsgBox {
    std::vector<int> resultados;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    int porDefecto = Resultado::Aceptar;
};
EstiloMsgBox InterpretaEstilo(int botones);

// A filter of description|patterns pairs, as callers write it,
// "Imágenes|*.bmp;*.jpg|Todos|*.*", in Qt's form
// "Imágenes (*.bmp *.jpg);;Todos (*.*)".
QString FiltroQt(const QString& filtroPares);

// The title of every dialog: the caller's, or the program's name when blank.
QString TituloDialogo(const QString& titulo);
