#pragma once

#include "platform/Dialogos.h"

#include <memory>

class QProgressDialog;

// The program's dialogs: Qt message boxes, input boxes, file dialogs, a table
// chooser and a wait window that repaints while work runs on the one thread.
class DialogosQt : public Dialogos {
public:
    DialogosQt();
    ~DialogosQt() override;

    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override;
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto) override;
    QString AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QString GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas,
                                const QVector<QStringList>& filas, bool multiple) override;
    void MuestraEspera(const QString& texto, int maximo) override;
    void ActualizaEspera(int valor, const QString& texto) override;
    void CierraEspera() override;

private:
    std::unique_ptr<QProgressDialog> espera_;
};
