#include "platform/objects/Buscador.h"

#include "platform/data/ConexionDatos.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/objects/Utilidades.h"

namespace {

// The return column's position; an empty name returns the first column.
int columnaRetorno(const QStringList& columnas, const QString& campoRetorno)
{
    if (campoRetorno.isEmpty() && !columnas.isEmpty())
        return 0;
    for (int i = 0; i < columnas.size(); ++i) {
        if (columnas[i].compare(campoRetorno, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw Err(NumeroError::ElementoNoEncontrado,
              QStringLiteral("No se encontró el elemento %1 en la consulta de búsqueda").arg(campoRetorno));
}

}

void Buscador::Busca(const QString& sql, const QString& titulo)
{
    seleccion_.reset();
    if (!conexion_)
        throw Err(NumeroError::ObjetoNoEstablecido);

    auto rs = conexion_->AbreRecordset(sql, 0, 1);
    QStringList columnas;
    for (int i = 0; i < rs->ContarCampos(); ++i)
        columnas << rs->NombreCampo(i);
    const int retorno = columnaRetorno(columnas, campoRetorno_);

    const Utilidades util;
    QVector<QStringList> filas;
    while (!rs->EOF()) {
        QStringList fila;
        for (int i = 0; i < columnas.size(); ++i)
            fila << util.ValorCampo(rs->Campo(i));
        filas << fila;
        rs->MoveNext();
    }
    conexion_->CierraRecordset(rs);

    QStringList elegidos;
    for (int fila : dialogos().EligeFilas(titulo, columnas, filas, seleccionMultiple_)) {
        if (fila >= 0 && fila < filas.size())
            elegidos << filas[fila][retorno];
    }
    seleccion_ = elegidos;
}
