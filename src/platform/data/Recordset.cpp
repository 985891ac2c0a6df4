#include "platform/data/Recordset.h"

#include "platform/base/Err.h"
#include "platform/data/LectorFilas.h"

#include <cstring>

namespace {

// The same name, perhaps spelled in another case, as callers often write
// the names of a view's columns. Most are spelled as the columns are, which
// a plain comparison of the code units finds fastest. Names are ASCII
// words: their letters are compared here, and only a name with another
// character is left to Qt's comparison.
bool nombreEquivalente(const QString& a, const QString& b)
{
    const qsizetype n = a.size();
    if (n != b.size())
        return false;
    const QChar* x = a.constData();
    const QChar* y = b.constData();
    if (std::memcmp(x, y, size_t(n) * sizeof(QChar)) == 0)
        return true;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t p = x[i].unicode(), q = y[i].unicode();
        if (p == q)
            continue;
        if ((p | q) >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        const char16_t minuscula = p | 0x20;
        if (minuscula != (q | 0x20) || minuscula < u'a' || minuscula > u'z')
            return false;
    }
    return true;
}

}  // namespace

int IndiceDeCampo(const QStringList& columnas, const QString& nombre)
{
    for (int i = 0; i < columnas.size(); ++i) {
        if (nombreEquivalente(columnas[i], nombre))
            return i;
    }
    throw ErrorCampoNoEncontrado(nombre);
}

Err ErrorCampoNoEncontrado(const QString& nombreUOrdinal)
{
    return Err(NumeroError::ElementoNoEncontrado,
               QStringLiteral("No se encontró el elemento en la colección que corresponde con el nombre o el ordinal "
                              "solicitado: %1")
                   .arg(nombreUOrdinal));
}

Recordset::Recordset(QStringList columnas, QVector<QVector<QVariant>> filas, Escritor escritor)
    : columnas_(std::move(columnas)), filas_(std::move(filas)), escritor_(std::move(escritor))
{
}

Recordset::Recordset(std::unique_ptr<LectorFilas> lector) : columnas_(lector->columnas()), lector_(std::move(lector))
{
}

Recordset::~Recordset() = default;

void Recordset::exigeAbierto() const
{
    if (!abierto_)
        throw Err(NumeroError::ObjetoCerrado);
}

void Recordset::exigeActualizable() const
{
    exigeAbierto();
    if (!escritor_)
        throw Err(NumeroError::NoActualizable);
}

bool Recordset::BOF() const
{
    exigeAbierto();
    if (lector_)
        return lector_->vacio();
    return filas_.isEmpty() && !(editando_ && cambio_.nuevo);
}

bool Recordset::EOF() const
{
    exigeAbierto();
    if (lector_)
        return !lector_->hayFila();
    return posicion_ >= filas_.size() && !(editando_ && cambio_.nuevo);
}

int Recordset::ContarFilas() const
{
    return lector_ ? lector_->cuenta() : int(filas_.size());
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
    if (lector_)
        return lector_->alPrincipio();
    posicion_ = 0;
}

void Recordset::MoveNext()
{
    exigeAbierto();
    guardaPendiente();
    if (lector_) {
        if (!lector_->hayFila())
            throw Err(NumeroError::SinRegistroActual);
        return lector_->siguiente();
    }
    if (posicion_ >= filas_.size())
        throw Err(NumeroError::SinRegistroActual);
    ++posicion_;
}

void Recordset::Close()
{
    exigeAbierto();
    // Closing is no save: an edit never saved is dropped.
    editando_ = false;
    abierto_ = false;
    lector_.reset();
}

bool Recordset::nombresUnicos() const
{
    if (unicos_ < 0) {
        unicos_ = 1;
        for (int i = 0; i < columnas_.size() && unicos_; ++i)
            for (int j = 0; j < i && unicos_; ++j)
                unicos_ = columnas_[i].compare(columnas_[j], Qt::CaseInsensitive) != 0;
    }
    return unicos_;
}

int Recordset::indice(const QString& nombre) const
{
    const int i = pista_ < columnas_.size() && nombreEquivalente(columnas_[pista_], nombre) && nombresUnicos()
                      ? pista_
                      : IndiceDeCampo(columnas_, nombre);
    pista_ = i + 1;
    return i;
}

const QVariant& Recordset::Campo(const QString& nombre) const
{
    exigeAbierto();
    return Campo(indice(nombre));
}

const QVariant& Recordset::Campo(int i) const
{
    static const QVariant nulo;
    exigeAbierto();
    if (i < 0 || i >= columnas_.size())
        throw ErrorCampoNoEncontrado(QString::number(i));
    if (lector_) {
        if (const QVariant* valor = lector_->valor(i))
            return *valor;
        throw Err(NumeroError::SinRegistroActual);
    }
    if (editando_) {
        const int escrito = int(cambio_.columnas.lastIndexOf(columnas_[i]));
        if (escrito >= 0)
            return cambio_.valores[escrito];
        if (cambio_.nuevo)
            return nulo;
    }
    if (posicion_ >= filas_.size())
        throw Err(NumeroError::SinRegistroActual);
    const QVector<QVariant>& fila = filas_[posicion_];
    return i < fila.size() ? fila[i] : nulo;
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
            throw Err(NumeroError::SinRegistroActual);
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
