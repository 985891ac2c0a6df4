#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A run-time error as the classic runtime raised it: callers test its number.
class Err : public std::exception {
public:
    Err(long numero, const QString& descripcion, const QString& fuente = QStringLiteral("escaneo"));

    long Number;
    QString Description;
    QString Source;

    const char* what() const noexcept override;

private:
    QByteArray texto_;
};

// The runtime's numbers that callers test.
namespace NumeroError {
constexpr long LlamadaInvalida = 5;
constexpr long Desbordamiento = 6;
constexpr long SubindiceFueraDeRango = 9;
constexpr long TiposNoCoinciden = 13;
constexpr long ArchivoNoEncontrado = 53;
constexpr long UsoInvalidoDeNull = 94;
constexpr long NoSePuedeCrearObjeto = 429;
constexpr long ElementoNoEncontrado = 3265;
constexpr long SinRegistroActual = 3021;
// What the data-access layer raises for a statement the server rejects.
constexpr long ErrorDelServidor = -2147217900;
}
