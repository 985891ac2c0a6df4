#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A run-time error with its number, its text and its source: callers test
// its number.
class Err : public std::exception {
public:
    // With the runtime's own text for the number (NumeroError).
    explicit Err(long numero);
    Err(long numero, const QString& descripcion, const QString& fuente = QStringLiteral("escaneo"));

    long Number;
    QString Description;
    QString Source;

    const char* what() const noexcept override;

private:
    QByteArray texto_;
};

// The runtime's numbers that callers raise or test, every one declared here.
namespace NumeroError {
constexpr long LlamadaInvalida = 5;
constexpr long Desbordamiento = 6;
constexpr long MemoriaInsuficiente = 7;
constexpr long SubindiceFueraDeRango = 9;
constexpr long TiposNoCoinciden = 13;
constexpr long ErrorInterno = 51;
constexpr long NombreArchivoIncorrecto = 52;
constexpr long ArchivoNoEncontrado = 53;
constexpr long ErrorDeDispositivo = 57;
constexpr long ErrorAccesoRuta = 75;
constexpr long RutaNoEncontrada = 76;
constexpr long ObjetoNoEstablecido = 91;
constexpr long UsoInvalidoDeNull = 94;
constexpr long ErrorDeAutomatizacion = 401;
constexpr long NoSePuedeCrearObjeto = 429;
constexpr long SinRegistroActual = 3021;
constexpr long NoActualizable = 3251;
constexpr long ElementoNoEncontrado = 3265;
constexpr long ObjetoCerrado = 3704;
// The common dialog's, when the operator cancels it.
constexpr long CanceladoPorElOperador = 32755;
// The serial port control's own.
constexpr long NumeroPuertoInvalido = 8002;
constexpr long PuertoYaAbierto = 8005;
constexpr long PuertoNoAbierto = 8012;
constexpr long ErrorDeLinea = 8015;
// What the data-access layer raises for a statement the server rejects.
constexpr long ErrorDelServidor = -2147217900;
// A row to update that is no longer there as it was read.
constexpr long FilaNoEncontrada = -2147217864;
}

// Any exception as the error it stands for, so that an error handler that
// knows only Err can report it: an Err as it is, std::bad_alloc as
// MemoriaInsuficiente, the rest as ErrorInterno with their own text.
Err ErrorDeExcepcion(const std::exception& e);
