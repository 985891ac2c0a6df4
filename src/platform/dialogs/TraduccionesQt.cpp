#include "platform/dialogs/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void CargaTraduccionesQt()
{
    auto* traductor = new QTranslator(QCoreApplication::instance());
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traductor->load(QStringLiteral("qtbase_es"), carpeta)) {
        QCoreApplication::installTranslator(traductor);
        return;
    }
    qWarning("escaneo: no se encontraron las traducciones de Qt (qtbase_es) en %s", qUtf8Printable(carpeta));
    delete traductor;
}
