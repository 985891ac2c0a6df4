#pragma once

#include "platform/dialogs/Dialogos.h"

// Stands where a person would answer, for a program a test starts: every
// prompt is printed as "aviso: <text>" and gets the answer of a key pressed
// at once (OK, or cancel), so the test sees them all.
class DialogosImpresos : public Dialogos {
public:
    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override;
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& valor) override;
    QString AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QStringList AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QString GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas, const QVector<QStringList>& filas,
                                bool varias) override;
    void MuestraEspera(const QString&, int) override {}
    void ActualizaEspera(int, const QString&) override {}
    void CierraEspera() override {}
    void PintaProgreso(QObject*, const QString&, double) override {}

    int avisos() const { return avisos_; }

private:
    int imprime(const QString& texto, int respuesta);

    int avisos_ = 0;
};
