#include "platform/base/DiscoLocal.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

// Kernel file systems on a disk or in the memory of this machine (an
// overlay's layers are too); linux/magic.h does not name them all.
constexpr unsigned long JfsMagic = 0x3153464a;
constexpr unsigned long ZfsMagic = 0x2fc12fc1;
constexpr unsigned long BcachefsMagic = 0xca451a4e;
constexpr unsigned long TiposLocales[] = {
    EXT4_SUPER_MAGIC,     XFS_SUPER_MAGIC,   BTRFS_SUPER_MAGIC, F2FS_SUPER_MAGIC,  JfsMagic,    ZfsMagic,
    BcachefsMagic,        NILFS_SUPER_MAGIC, MSDOS_SUPER_MAGIC, EXFAT_SUPER_MAGIC, TMPFS_MAGIC, RAMFS_MAGIC,
    REISERFS_SUPER_MAGIC, OVERLAYFS_SUPER_MAGIC};

std::atomic<ConsultaDeSistemaDeArchivos>& ConsultaActual()
{
    static std::atomic<ConsultaDeSistemaDeArchivos> consulta{::statfs};
    return consulta;
}

}

void setConsultaDeSistemaDeArchivos(ConsultaDeSistemaDeArchivos consulta)
{
    ConsultaActual().store(consulta ? consulta : ::statfs);
}

bool EnDiscoLocal(const QString& ruta)
{
    struct statfs datos {};
    if (ConsultaActual().load()(QFile::encodeName(ruta).constData(), &datos) != 0)
        return false;
    // f_type is signed on some architectures: the magic is its low 32 bits.
    const unsigned long tipo = static_cast<unsigned long>(datos.f_type) & 0xffffffffUL;
    return std::find(std::begin(TiposLocales), std::end(TiposLocales), tipo) != std::end(TiposLocales);
}
