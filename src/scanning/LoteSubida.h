#pragma once

#include "platform/data/ConexionDatos.h"

#include <QString>

#include <functional>
#include <memory>

// Where the upload batch reads and writes, from our settings: the upload
// database (an SQLite file unless another server is named), the share, and
// the folder of the BMP files (the program folder unless one is named).
struct AjustesSubida {
    QString servidor, base, usuario, password;
    QString origen, destino;
    static AjustesSubida leidos();
};

// The reference number a JPEG name carries: the name without ".jpg", cut
// before its first "_" ("12345_2.jpg" gives "12345").
QString ReferenciaDeArchivo(const QString& jpg);

// The points between the steps of one file's upload, in their order.
enum class PuntoSubida { JpegEscrito, JpegEnSuLugar, CarpetaSincronizada, SolicitudMarcada, BmpBorrado };

// Compresses the BMP files of the source folder into JPEG files on the share
// and marks each request as scanned in the upload database. The connection
// is the window's, kept for the run.
class LoteSubida {
public:
    // Shows the file being compressed (the window's label).
    using Estado = std::function<void(const QString&)>;

    // The batch: `eliminar` is the box that deletes the BMP files whose JPEG
    // is on the share. Every message goes through the platform dialogs.
    void Ejecuta(bool eliminar, const Estado& estado);
    ConexionDatos& conexion();
    // Called at each point as the batch passes it with a file, so a test
    // can stop the batch there as a crash would.
    using AlPunto = std::function<void(PuntoSubida, const QString& bmp)>;
    void setAlPunto(AlPunto alPunto);
    // Called before each file is compressed, on the thread that compresses
    // it, so a test can make the work fail there as a huge page would.
    using AlComprimir = std::function<void(const QString& bmp)>;
    void setAlComprimir(AlComprimir alComprimir);

private:
    void punto(PuntoSubida p, const QString& bmp) const;

    AlPunto alPunto_;
    AlComprimir alComprimir_;
    std::unique_ptr<ConexionDatos> conexion_;
};
