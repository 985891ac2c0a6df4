#include "platform/dialogs/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void CargaTraduccionesQt()
{
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& catalogo : {QStringLiteral("qtbase_es"), QStringLiteral("qtwebengine_es")}) {
        auto* traductor = new QTranslator(QCoreApplication::instance());
        if (traductor->load(catalogo, carpeta)) {
            QCoreApplication::installTranslator(traductor);
            continue;
        }
        qWarning("escaneo: no se encontraron las traducciones de Qt (%s) en %s", qUtf8Printable(catalogo),
                 qUtf8Printable(carpeta));
        delete traductor;
    }
}
