#include "support/TextoPdf.h"

#include <QFileInfo>
#include <QPdfDocument>
#include <QProcess>
#include <QStandardPaths>

bool HayPdftotext()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString TextoPdf(const QString& ruta)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), ruta,
                                          QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasPdf(const QString& ruta)
{
    QPdfDocument documento;
    if (documento.load(ruta) != QPdfDocument::Error::None)
        return 0;
    return documento.pageCount();
}
