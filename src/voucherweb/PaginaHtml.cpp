#include "voucherweb/PaginaHtml.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Objetos.h"

void PaginaHtml::Linea(const QString& texto)
{
    bytes_ += ACp1252Html(texto);
    bytes_ += "\r\n";
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
        EscribeArchivoCompleto(ruta, bytes_);
        escrito = true;
    });
    return escrito;
}
