#include "voucherweb/PaginaHtml.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Objetos.h"

#include <algorithm>

void PaginaHtml::Linea(QStringView texto)
{
    Agrega(texto);
    bytes_ += "\r\n";
}

void PaginaHtml::Agrega(QStringView texto)
{
    // Appending alone can copy the whole page on every line; doubling the
    // room keeps a page of thousands of lines linear. A character outside
    // the code page may take more room; it is rare.
    const qsizetype necesario = bytes_.size() + texto.size() + 2;
    if (bytes_.capacity() < necesario)
        bytes_.reserve(std::max(2 * bytes_.capacity(), necesario));
    AgregaCp1252Html(bytes_, texto);
}

Politica PaginaHtml::PoliticaGenerar()
{
    return politicas::dialogo([](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e, 18, QStringLiteral("Generar")); });
}

bool PaginaHtml::Seccion(const std::function<void()>& escribe)
{
    return guarda_.paso([&] {
        const qsizetype marca = bytes_.size();
        try {
            escribe();
        } catch (const Err&) {
            bytes_.truncate(marca);
            throw;
        }
    });
}

bool PaginaHtml::Guarda(const QString& ruta)
{
    // A page already left still gets its file, as far as it was written.
    GuardaErrores guarda(PoliticaGenerar());
    bool escrito = false;
    guarda.paso([&] {
        EscribeArchivoPasajero(ruta, bytes_);
        escrito = true;
    });
    return escrito;
}
