#pragma once

#include <QByteArray>
#include <QString>

// poppler's pdftotext, which the tests read printed and exported PDF files
// with.
bool HayPdftotext();
// The file's text in reading order, its lines' blanks kept (-layout); an
// empty text when the file cannot be read as a PDF.
QString TextoPdf(const QString& ruta);
// The number of pages Qt PDF finds in the file; 0 when it does not load.
int PaginasPdf(const QString& ruta);
