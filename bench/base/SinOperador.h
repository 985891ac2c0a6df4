#pragma once

#include "platform/dialogs/Dialogos.h"

#include <cstdio>

// Answers every prompt: the benchmark has no operator.
class SinOperador : public Dialogos {
public:
    int MsgBox(const QString& mensaje, int, const QString&) override
    {
        std::fprintf(stderr, "aviso: %s\n", qPrintable(mensaje));
        return Resultado::Abortar;
    }
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString AbrirArchivo(const QString&, const QString&, const QString&) override { return {}; }
    QStringList AbrirArchivos(const QString&, const QString&, const QString&) override { return {}; }
    QString GuardarArchivo(const QString&, const QString&, const QString&) override { return {}; }
    std::vector<int> EligeFilas(const QString&, const QStringList&, const QVector<QStringList>&, bool) override
    {
        return {};
    }
    void MuestraEspera(const QString&, int) override {}
    void ActualizaEspera(int, const QString&) override {}
    void CierraEspera() override {}
    void PintaProgreso(QObject*, const QString&, double) override {}
};
