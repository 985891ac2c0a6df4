#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// Builds a new SQLite database for the program from SQL scripts. The scripts
// need the engine's own functions and collation, which the sqlite3 shell
// does not know, so they run through the engine.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList argumentos = QCoreApplication::arguments().mid(1);
    if (argumentos.size() < 2) {
        std::fprintf(stderr, "Uso: creabase <archivo nuevo> <script.sql>...\n");
        return 1;
    }
    const QString archivo = argumentos.takeFirst();

    GuardaErrores guarda([&](const Err& e) {
        std::fprintf(stderr, "creabase: no se pudo crear %s: %s\n", qPrintable(archivo),
                     qPrintable(e.Description));
        return Respuesta::Salir;
    });
    guarda.paso([&] { CreaBaseSqlite(archivo, argumentos); });
    return guarda.salio() ? 1 : 0;
}
