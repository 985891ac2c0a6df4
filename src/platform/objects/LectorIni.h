#pragma once

#include <QString>

// Reads and writes INI files (Windows-1252, CR LF). A bare file name is
// looked for in the program's folder.
class LectorIni {
public:
    // The key's text, or the default when the file, section or key is missing.
    QString LeeValor(const QString& archivo, const QString& seccion, const QString& clave,
                     const QString& porDefecto) const;
    // Adds or replaces the key; the file is rewritten whole. Raises Err on failure.
    void EscribeValor(const QString& archivo, const QString& seccion, const QString& clave,
                      const QString& valor) const;
};
