#pragma once

#include <QByteArray>
#include <QString>

// A small filesystem of its own (tmpfs) mounted on an existing folder for the
// life of a test, so that the folder can really be full or read-only, whoever
// runs the test. Mounting needs root; montada() says whether it worked.
class CarpetaMontada {
public:
    CarpetaMontada(const QString& carpeta, qint64 bytes);
    ~CarpetaMontada();
    CarpetaMontada(const CarpetaMontada&) = delete;
    CarpetaMontada& operator=(const CarpetaMontada&) = delete;

    bool montada() const { return montada_; }
    // From now on nothing can be written there; false when that failed.
    bool soloLectura();
    // Takes all the free space with the file "relleno"; false when it could not.
    bool llena();

private:
    QByteArray carpeta_;
    QByteArray opciones_;
    bool montada_ = false;
};
