#include "services/CatalogoBusquedas.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString NombreCatalogo = QStringLiteral("consultas.kzr");
constexpr qsizetype LargoRegistro = 1202;

struct Busqueda {
    const char* titulo;
    const char* vista;
    const char* campos;
};

constexpr Busqueda BusquedasPorDefecto[] = {
    {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
    {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
    {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
    {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
    {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
    {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
    {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
    {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
    {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|"},
    {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
    {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"},
};

// Left-aligned, padded with blanks, cut to the width; one byte per character.
QByteArray campoFijo(const QString& texto, qsizetype ancho)
{
    QByteArray bytes = ACp1252(texto).left(ancho);
    bytes.append(QByteArray(ancho - bytes.size(), ' '));
    return bytes;
}

QByteArray registro(const Busqueda& b)
{
    QByteArray r = campoFijo(QString::fromLatin1(b.titulo).trimmed(), 100);
    r += campoFijo(QString::fromLatin1(b.vista), 100);
    r += campoFijo(QString::fromLatin1(b.campos).trimmed(), 500);
    r += campoFijo(QString(), 500);
    r += "\r\n";
    return r;
}

}

void GeneraCatalogoBusquedas()
{
    const QString ruta = ObjBuscador().ArchivoCatalogo();
    QByteArray contenido;
    if (QFileInfo(ruta).isFile()) {
        contenido = LeeArchivoCompleto(ruta);
        // A partial last record is overwritten by the next whole one.
        contenido.truncate(contenido.size() / LargoRegistro * LargoRegistro);
    }
    for (const Busqueda& b : BusquedasPorDefecto)
        contenido += registro(b);
    EscribeArchivoCompleto(ruta, contenido);
}

void PreparaCatalogoBusquedas(const QString& carpetaPrograma)
{
    GuardaErrores g(politicas::reanudaTodo());
    QString ruta = carpetaPrograma + NombreCatalogo;
    if (!QFileInfo(ruta).isFile() && !QFileInfo(carpetaPrograma).isWritable()) {
        const QString carpeta = CarpetaDatosUsuario();
        QDir().mkpath(carpeta);
        ruta = carpeta + NombreCatalogo;
    }
    ObjBuscador().setArchivoCatalogo(ruta);
    if (!QFileInfo(ruta).isFile())
        g.paso([] { GeneraCatalogoBusquedas(); });
}
