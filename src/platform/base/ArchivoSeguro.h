#pragma once

#include "platform/base/Err.h"

#include <QByteArray>
#include <QString>

// A new empty file under a short hidden name in the folder of `ruta` (the
// file it stands in for), open for writing: created exclusively, and named
// after this host, this process and a random part, so no other process, on
// this machine or another sharing the folder, ever writes it too. Raises the
// error of FallaAccesoArchivo for `ruta`.
struct ArchivoProvisional {
    QByteArray nombre;
    int descriptor = -1;
};
ArchivoProvisional CreaProvisional(const QString& ruta);
// Removes the provisional files that processes of this host which are gone
// left in the folder, once they are a few minutes old; those of live
// processes and of other hosts stay. Never fails: what it cannot remove
// waits for the next time.
void LimpiaProvisionales(const QString& carpeta);
// The same, the first time this process asks for the folder: for a road
// that writes there page after page, such as the scan's, where a listing
// of the folder before every page would cost a tenth of a small page.
void LimpiaProvisionalesUnaVez(const QString& carpeta);

// A file written whole: the bytes go to a provisional file beside the
// target (CreaProvisional), and only a confirmed write is synced and renamed
// over the target. A failure or a crash never leaves half a file
// at the target, a file already there stays until the new one is complete,
// and a target name as long as the system allows still works. Every failure
// raises the error of FallaAccesoArchivo for the target.
class EscrituraSegura {
public:
    // A write that need not be `duradera` (files made again whenever they
    // are needed) skips the sync: it is still never seen half written.
    explicit EscrituraSegura(const QString& ruta, bool duradera = true);
    // A write never confirmed leaves nothing behind.
    ~EscrituraSegura();
    EscrituraSegura(const EscrituraSegura&) = delete;
    EscrituraSegura& operator=(const EscrituraSegura&) = delete;

    // Puts the bytes at that place of the file and starts writing them out,
    // so the sync at confirmation finds little left to do.
    void escribe(qint64 posicion, const char* datos, qint64 largo);
    // Puts the bytes on the disk now, on whichever thread wrote them, so
    // that confirma, later and perhaps on another thread, only renames.
    void sincroniza();
    // The data reaches the disk before the rename, so the target is always
    // either the old file or the whole new one.
    void confirma();

private:
    [[noreturn]] void falla(int error);

    QString ruta_;
    bool duradera_;
    QByteArray provisional_;
    int descriptor_ = -1;
};

// Writes the whole file through EscrituraSegura. Raises Err on failure.
void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido);
// The same replacement in one piece, without waiting for the disk: for files
// made again whenever they are needed (the pages on view), which readers
// must never see half written but which need not outlive a crash.
void EscribeArchivoPasajero(const QString& ruta, const QByteArray& contenido);
// Makes the folder's entries (a file just renamed into it) survive a crash.
// A file system that keeps no entry of its own for a folder (a Samba share,
// some network and FUSE ones) says it cannot sync one: then there is nothing
// to sync. Any other failure raises the error of FallaAccesoArchivo for the
// folder.
void SincronizaCarpeta(const QString& carpeta);
// The call SincronizaCarpeta makes on the folder's descriptor (fsync unless
// set; nullptr restores it), so a test can make it fail as a share does.
using SincronizacionDeCarpeta = int (*)(int descriptor);
void setSincronizacionDeCarpeta(SincronizacionDeCarpeta sincroniza);
// Appends to a log; creates it when missing. Raises Err on failure.
void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido);
// Reads a whole file; raises Err 53 when it does not exist, 75 when it
// cannot be read.
QByteArray LeeArchivoCompleto(const QString& ruta);
// Raises the error of a file that cannot be written or read: 76 when its
// folder is missing, else 75, naming the path and the reason.
[[noreturn]] void FallaAccesoArchivo(const QString& ruta, const QString& motivo);
