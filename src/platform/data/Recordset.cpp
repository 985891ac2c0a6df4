#include "platform/data/Recordset.h"

#include "platform/base/Err.h"

namespace {
constexpr long ObjetoCerrado = 3704;
constexpr long NoActualizable = 3251;
}

Err ErrorCampoNoEncontrado(const QString& nombreUOrdinal)
{
    return Err(NumeroError::ElementoNoEncontrado,
               QStringLiteral("No se encontró el elemento en la colección que corresponde con el nombre o el ordinal "
                              "solicitado: %1")
                   .arg(nombreUOrdinal));
}

int IndiceDeCampo(const QStringList& columnas, const QString& nombre)
{
    for (int i = 0; i < columnas.size(); ++i) {
        if (columnas[i].compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw ErrorCampoNoEncontrado(nombre);
}

Err ErrorSinFilaActual()
{
    return Err(NumeroError::SinRegistroActual, QStringLiteral("BOF o EOF es True, o el registro actual se eliminó."));
}

Recordset::Recordset(QStringList columnas, QVector<QVector<QVariant>> filas, Escritor escritor)
    : columnas_(std::move(columnas)), filas_(std::move(filas)), escritor_(std::move(escritor))
{
}

void Recordset::exigeAbierto() const
{
    if (!abierto_)
        throw Err(ObjetoCerrado, QStringLiteral("La operación no está permitida si el objeto está cerrado."));
}

void Recordset::exigeActualizable() const
{
    exigeAbierto();
    if (!escritor_)
        throw Err(NoActualizable, QStringLiteral("El conjunto de registros actual no admite actualizaciones."));
}

bool Recordset::BOF() const
{
    exigeAbierto();
    return filas_.isEmpty() && !(editando_ && cambio_.nuevo);
}

bool Recordset::EOF() const
{
    exigeAbierto();
    return posicion_ >= filas_.size() && !(editando_ && cambio_.nuevo);
}

void Recordset::guardaPendiente()
{
    if (editando_)
        Update();
}

void Recordset::MoveFirst()
{
    exigeAbierto();
    guardaPendiente();
    posicion_ = 0;
}

void Recordset::MoveNext()
{
    exigeAbierto();
    guardaPendiente();
    if (posicion_ >= filas_.size())
        throw ErrorSinFilaActual();
    ++posicion_;
}

void Recordset::Close()
{
    exigeAbierto();
    // An edit never saved is dropped, as closing the classic object did.
    editando_ = false;
    abierto_ = false;
}

int Recordset::indice(const QString& nombre) const
{
    return IndiceDeCampo(columnas_, nombre);
}

QVariant Recordset::Campo(const QString& nombre) const
{
    exigeAbierto();
    return Campo(indice(nombre));
}

QVariant Recordset::Campo(int i) const
{
    exigeAbierto();
    if (i < 0 || i >= columnas_.size())
        throw ErrorCampoNoEncontrado(QString::number(i));
    if (editando_) {
        const int escrito = int(cambio_.columnas.lastIndexOf(columnas_[i]));
        if (escrito >= 0)
            return cambio_.valores[escrito];
        if (cambio_.nuevo)
            return {};
    }
    if (posicion_ >= filas_.size())
        throw ErrorSinFilaActual();
    return filas_[posicion_].value(i);
}

void Recordset::AddNew()
{
    exigeActualizable();
    guardaPendiente();
    cambio_ = Cambio{true, {}, {}, columnas_, QVector<QVariant>(columnas_.size()), int(filas_.size())};
    editando_ = true;
}

void Recordset::AsignaCampo(const QString& nombre, const QVariant& valor)
{
    exigeActualizable();
    const int i = indice(nombre);
    if (!editando_) {
        if (posicion_ >= filas_.size())
            throw ErrorSinFilaActual();
        cambio_ = Cambio{false, {}, {}, columnas_, filas_[posicion_], posicion_};
        editando_ = true;
    }
    const int escrito = int(cambio_.columnas.indexOf(columnas_[i]));
    if (escrito >= 0) {
        cambio_.valores[escrito] = valor;
        return;
    }
    cambio_.columnas << columnas_[i];
    cambio_.valores << valor;
}

void Recordset::Update()
{
    exigeActualizable();
    if (!editando_)
        return;
    escritor_(cambio_);
    QVector<QVariant> fila = cambio_.filaOriginal;
    for (int k = 0; k < cambio_.columnas.size(); ++k)
        fila[int(columnas_.indexOf(cambio_.columnas[k]))] = cambio_.valores[k];
    if (cambio_.nuevo) {
        filas_.append(fila);
        posicion_ = int(filas_.size()) - 1;
    } else {
        filas_[cambio_.fila] = fila;
    }
    editando_ = false;
}
