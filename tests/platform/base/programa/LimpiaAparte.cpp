#include "platform/base/ArchivoSeguro.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// The cleanup of the folder given, in a process of its own and as the user
// it was started as. A file of the pid given shows something only when that
// user may not signal it, so otherwise it ends 3, saying why.
int main(int argc, char** argv)
{
    if (argc != 3)
        return 1;
    const pid_t pid = pid_t(std::atol(argv[2]));
    const int error = ::kill(pid, 0) == 0 ? 0 : errno;
    if (error != EPERM) {
        std::fprintf(stderr, "uid %u, pid %d: %s\n", unsigned(::getuid()), int(pid),
                     error ? std::strerror(error) : "may be signalled");
        return 3;
    }
    LimpiaProvisionales(QFile::decodeName(argv[1]));
    return 0;
}
