#pragma once

#include "platform/mail/MensajeCorreo.h"

#include <QString>

#include <vector>

// The src of every <img> of a page, in document order, as written.
std::vector<QString> FuentesImagenes(const QString& html);

// The pictures of the page shown that travel inside the message: each
// "file:///" image with a name gets the Content-ID of its name and its index
// among all the page's images (foto.jpg at index 2 is foto.jpg2). Pictures
// whose file is not there stay links.
struct ImagenDePagina {
    QString src;
    ImagenIncrustada parte;
};
std::vector<ImagenDePagina> ImagenesIncrustadas(const std::vector<QString>& fuentes);

// The body as sent: every <img> whose src is an embedded picture's points at
// that picture's cid: (the first one of that src).
QString ApuntaACid(const QString& html, const std::vector<ImagenDePagina>& imagenes);
