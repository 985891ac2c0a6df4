#include "platform/objects/Sistema.h"

#include "platform/base/Rutas.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

// What callers test: above 32 means started, 2 file not found.
constexpr long kAbierto = 33;
constexpr long kArchivoNoEncontrado = 2;

QString variableEntorno(const char* nombre)
{
    return qEnvironmentVariable(nombre).trimmed();
}

QString archivoPrograma()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString sinComillas(const QString& ruta)
{
    QString r = ruta.trimmed();
    if (r.size() >= 2 && r.startsWith(u'"') && r.endsWith(u'"'))
        r = r.mid(1, r.size() - 2);
    return r;
}

}

QString Sistema::NombreMaquina() const
{
    return QSysInfo::machineHostName();
}

QString Sistema::UsuarioWindows() const
{
    if (const passwd* cuenta = getpwuid(getuid()); cuenta && cuenta->pw_name && *cuenta->pw_name)
        return QString::fromLocal8Bit(cuenta->pw_name);
    const QString usuario = variableEntorno("USER");
    return usuario.isEmpty() ? variableEntorno("LOGNAME") : usuario;
}

QString Sistema::CarpetaTemporal() const
{
    return CarpetaTemporalPropia();
}

long Sistema::AbreConProgramaAsociado(long, const QString&, const QString& archivo, const QString&,
                                      const QString& carpeta, int) const
{
    // xdg-open takes only the file and picks the program and its window
    // itself, so the verb, the parameters and the window style have nowhere
    // to go. Callers quote paths with blanks as a command line would need;
    // the argument list needs none.
    const QString ruta = sinComillas(archivo);
    if (ruta.isEmpty() || !QFileInfo::exists(ruta))
        return kArchivoNoEncontrado;
    const bool iniciado = QProcess::startDetached(QStringLiteral("xdg-open"), {ruta}, carpeta);
    return iniciado ? kAbierto : kArchivoNoEncontrado;
}

QString Sistema::CarpetaPrograma() const
{
    return QFileInfo(archivoPrograma()).absolutePath();
}

QString Sistema::NombreEjecutable() const
{
    return QFileInfo(archivoPrograma()).completeBaseName();
}
