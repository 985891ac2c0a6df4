#pragma once

#include "platform/base/DiscoLocal.h"

#include <atomic>
#include <cerrno>
#include <sys/vfs.h>

// For the life of a test every file lies on a file system of one type, as
// statfs names it: a share's (NFS, SMB, FUSE) or a local disk's; 0 for a
// system that cannot say.
class SistemaDeArchivosFingido {
public:
    explicit SistemaDeArchivosFingido(unsigned long tipo)
    {
        tipo_ = tipo;
        setConsultaDeSistemaDeArchivos([](const char*, struct statfs* datos) {
            *datos = {};
            datos->f_type = decltype(datos->f_type)(tipo_.load());
            errno = tipo_ ? 0 : ENOSYS;
            return tipo_ ? 0 : -1;
        });
    }
    ~SistemaDeArchivosFingido() { setConsultaDeSistemaDeArchivos(nullptr); }
    SistemaDeArchivosFingido(const SistemaDeArchivosFingido&) = delete;
    SistemaDeArchivosFingido& operator=(const SistemaDeArchivosFingido&) = delete;

private:
    // A plain function carries no state of its own.
    static inline std::atomic<unsigned long> tipo_{0};
};
