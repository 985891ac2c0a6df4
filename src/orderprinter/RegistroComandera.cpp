#include "orderprinter/RegistroComandera.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QFile>

#include <array>

namespace {

struct Campo {
    QString RegistroComandera::*miembro;
    int ancho;
};

// File order; the offsets follow from the widths.
constexpr std::array<Campo, 17> kCampos{{
    {&RegistroComandera::Estacion, 254},
    {&RegistroComandera::ImpresoraComandera, 150},
    {&RegistroComandera::Puerto, 5},
    {&RegistroComandera::Reservado1, 2},
    {&RegistroComandera::ImprimeEncabezado1, 1},
    {&RegistroComandera::Encabezado1, 150},
    {&RegistroComandera::ImprimeEncabezado2, 1},
    {&RegistroComandera::Encabezado2, 150},
    {&RegistroComandera::ImprimeNumero, 1},
    {&RegistroComandera::ImprimeCliente, 1},
    {&RegistroComandera::ImprimePie, 1},
    {&RegistroComandera::Pie, 150},
    {&RegistroComandera::Reservado2, 1},
    {&RegistroComandera::Reservado3, 20},
    {&RegistroComandera::Reservado4, 20},
    {&RegistroComandera::DosLineas, 1},
    {&RegistroComandera::Reservado5, 2},
}};

RegistroComandera& registroActual()
{
    static RegistroComandera registro;
    return registro;
}

bool esDeEstaEstacion(const RegistroComandera& r)
{
    const Sistema& sistema = ObjSistema();
    const QString estacion = (sistema.NombreMaquina() + QLatin1Char('|') + sistema.UsuarioWindows()).trimmed();
    return ObjUtilidades().RecortaCampo(r.Estacion).compare(estacion, Qt::CaseInsensitive) == 0;
}

}

RegistroComandera RegistroComandera::desdeBytes(const QByteArray& bytes)
{
    RegistroComandera r;
    int desde = 0;
    for (const Campo& c : kCampos) {
        r.*c.miembro = DeCp1252(bytes.mid(desde, c.ancho));
        desde += c.ancho;
    }
    return r;
}

QByteArray RegistroComandera::aBytes() const
{
    QByteArray bytes;
    bytes.reserve(Largo);
    for (const Campo& c : kCampos)
        bytes += ACp1252(this->*c.miembro).left(c.ancho).leftJustified(c.ancho, ' ');
    return bytes;
}

bool Activo(const QString& bandera)
{
    return TextoDeRegistro(bandera).compare(QLatin1String("S"), Qt::CaseInsensitive) == 0;
}

QString TextoDeRegistro(const QString& campo)
{
    return ObjUtilidades().RecortaCampo(campo).trimmed();
}

QString ArchivoComanderas()
{
    return CarpetaDelPrograma() + QStringLiteral("Comanderas.cfg");
}

bool ExisteComandera(const QString& NombreImpresora)
{
    QFile archivo(ArchivoComanderas());
    if (!archivo.open(QIODevice::ReadOnly))
        return false;
    const qint64 registros = archivo.size() / RegistroComandera::Largo;
    for (qint64 i = 0; i < registros; ++i) {
        const QByteArray bytes = archivo.read(RegistroComandera::Largo);
        if (bytes.size() != RegistroComandera::Largo)
            return false;
        const RegistroComandera r = RegistroComandera::desdeBytes(bytes);
        if (!esDeEstaEstacion(r))
            continue;
        const QString impresora = TextoDeRegistro(r.ImpresoraComandera);
        if (impresora.isEmpty())
            continue;
        if (NombreImpresora.isEmpty() || impresora.compare(NombreImpresora, Qt::CaseInsensitive) == 0) {
            registroActual() = r;
            return true;
        }
    }
    return false;
}

const RegistroComandera& RegistroActualComandera()
{
    return registroActual();
}

void EscribeComanderas(const QString& archivo, const QVector<RegistroComandera>& registros)
{
    QByteArray contenido;
    for (const RegistroComandera& r : registros)
        contenido += r.aBytes();
    EscribeArchivoCompleto(archivo, contenido);
}
