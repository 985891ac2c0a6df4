#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class ConexionDatos;

// The lookup object: a modal dialog over a statement's rows, returning the
// values of one column of the rows the operator chose.
class Buscador {
public:
    void setConexion(ConexionDatos* conexion) { conexion_ = conexion; }
    QString Proveedor() const { return proveedor_; }
    void setProveedor(const QString& p) { proveedor_ = p; }
    bool Activo() const { return activo_; }
    void setActivo(bool a) { activo_ = a; }
    QString ArchivoCatalogo() const { return archivoCatalogo_; }
    void setArchivoCatalogo(const QString& a) { archivoCatalogo_ = a; }
    bool SeleccionMultiple() const { return seleccionMultiple_; }
    void setSeleccionMultiple(bool s) { seleccionMultiple_ = s; }
    QString CampoRetorno() const { return campoRetorno_; }
    void setCampoRetorno(const QString& c) { campoRetorno_ = c; }

    // Shows the statement's rows modally; raises Err when the statement fails,
    // 91 without a connection and 3265 when the return column is not among
    // the statement's (a blank return column returns the first).
    void Busca(const QString& sql, const QString& titulo = QString());
    // Nothing before a search; else the return-column values of the chosen
    // rows, in order (empty when none was chosen).
    std::optional<QStringList> Seleccion() const { return seleccion_; }

private:
    ConexionDatos* conexion_ = nullptr;
    QString proveedor_, archivoCatalogo_, campoRetorno_;
    bool activo_ = false;
    bool seleccionMultiple_ = false;
    std::optional<QStringList> seleccion_;
};
