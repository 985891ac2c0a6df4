#pragma once

#include <QString>

struct statfs;

// Whether the file at `ruta` lies on a local disk, where a shared, writable
// memory map of a file works and every process using it sees one copy. A
// network share may refuse such a map (a FUSE mount with direct I/O) or keep
// one copy on each machine (NFS, SMB). Only the file systems known to be
// local count: on any other, and when the system cannot say, the answer is
// no, which costs speed where a guess the other way would cost the data.
bool EnDiscoLocal(const QString& ruta);
// The call EnDiscoLocal makes (statfs unless set; nullptr restores it), so a
// test can put a folder on a share.
using ConsultaDeSistemaDeArchivos = int (*)(const char* ruta, struct statfs* datos);
void setConsultaDeSistemaDeArchivos(ConsultaDeSistemaDeArchivos consulta);
