#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A local picture the body shows through "cid:<contentId>".
struct ImagenIncrustada {
    QString ruta;
    QString contentId;
};

// One HTML message as the e-mail window hands it over.
struct MensajeCorreo {
    // "Name<address>", "Name <address>" or a bare address.
    QString de;
    // Addresses separated by ";" or ",".
    QString para;
    QString asunto;
    QString html;
    std::vector<ImagenIncrustada> imagenes;
    // Full paths, sent as base64 under their file names.
    QStringList adjuntos;
};
