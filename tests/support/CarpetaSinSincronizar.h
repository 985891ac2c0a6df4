#pragma once

#include "platform/base/ArchivoSeguro.h"

#include <atomic>
#include <cerrno>

// What a folder sync may answer, and whether the write it ends still stands:
// a share that keeps no entry of its own for a folder says it cannot sync
// one; a failing disk fails.
struct RespuestaDeSincronizacion {
    int error;
    bool vale;
};
inline constexpr RespuestaDeSincronizacion RespuestasDeSincronizacion[] = {{EINVAL, true}, {ENOTSUP, true},
                                                                             {EIO, false}};

// For the life of a test every folder sync fails with one error: EINVAL as
// a Samba share answers, EIO as a failing disk does.
class CarpetaSinSincronizar {
public:
    explicit CarpetaSinSincronizar(int error)
    {
        error_ = error;
        setSincronizacionDeCarpeta([](int) {
            errno = error_;
            return -1;
        });
    }
    ~CarpetaSinSincronizar() { setSincronizacionDeCarpeta(nullptr); }
    CarpetaSinSincronizar(const CarpetaSinSincronizar&) = delete;
    CarpetaSinSincronizar& operator=(const CarpetaSinSincronizar&) = delete;

private:
    // A plain function carries no state of its own.
    static inline std::atomic<int> error_{0};
};
