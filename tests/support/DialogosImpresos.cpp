#include "support/DialogosImpresos.h"

#include <cstdio>

int DialogosImpresos::MsgBox(const QString& mensaje, int, const QString&)
{
    return imprime(mensaje, Resultado::Aceptar);
}

QString DialogosImpresos::InputBox(const QString& mensaje, const QString&, const QString&)
{
    imprime(mensaje, 0);
    return {};
}

QString DialogosImpresos::AbrirArchivo(const QString& titulo, const QString&, const QString&)
{
    imprime(titulo, 0);
    return {};
}

QStringList DialogosImpresos::AbrirArchivos(const QString& titulo, const QString&, const QString&)
{
    imprime(titulo, 0);
    return {};
}

QString DialogosImpresos::GuardarArchivo(const QString& titulo, const QString&, const QString&)
{
    imprime(titulo, 0);
    return {};
}

std::vector<int> DialogosImpresos::EligeFilas(const QString& titulo, const QStringList&, const QVector<QStringList>&,
                                              bool)
{
    imprime(titulo, 0);
    return {};
}

int DialogosImpresos::imprime(const QString& texto, int respuesta)
{
    ++avisos_;
    std::printf("aviso: %s\n", qUtf8Printable(texto));
    std::fflush(stdout);
    return respuesta;
}
