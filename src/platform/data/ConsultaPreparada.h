#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>

class ConexionDatos;

// A read statement written with "?" in place of its values, compiled once
// and run again and again with new ones: the cheap road for a lookup made
// once per row. Its connection must outlive it.
class ConsultaPreparada {
public:
    virtual ~ConsultaPreparada() = default;

    // Runs it with one value per "?", in order. True when it gave a row,
    // which stays current until the next run. The connection's error
    // collection is cleared first; a rejected run leaves its errors there
    // and raises Err, as AbreRecordset does.
    virtual bool Abre(std::initializer_list<QVariant> valores) = 0;
    // A field of the current row, by case-insensitive name or by position;
    // null for NULL. Raises 3265 for no such field, 3021 without a row.
    virtual QVariant Campo(const QString& nombre) const = 0;
    virtual QVariant Campo(int indice) const = 0;
};

// Raises Err 5 unless a run brings one value per marker.
void CompruebaValores(qsizetype marcas, qsizetype valores);

// For engines that compile nothing of their own: each run sends the text
// with the values written in as the connection's literals, so the server
// gets the very statement the system would have built.
std::unique_ptr<ConsultaPreparada> ConsultaPorTexto(ConexionDatos& conexion, const QString& sql);
