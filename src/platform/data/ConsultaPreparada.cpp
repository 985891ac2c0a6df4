#include "platform/data/ConsultaPreparada.h"

#include "platform/data/ConexionDatos.h"
#include "platform/data/sql/Tokens.h"

namespace {

class ConsultaTexto : public ConsultaPreparada {
public:
    ConsultaTexto(ConexionDatos& conexion, const QString& sql) : conexion_(conexion)
    {
        // The pieces between the markers, found once; a "?" inside a string
        // literal is no marker.
        QString trozo;
        for (const Token& t : Tokeniza(sql)) {
            if (t.tipo == Token::Simbolo && t.texto == u"?") {
                trozos_ << trozo;
                trozo.clear();
            } else {
                trozo += t.texto;
            }
        }
        trozos_ << trozo;
    }

    bool Abre(std::initializer_list<QVariant> valores) override
    {
        CompruebaValores(trozos_.size() - 1, qsizetype(valores.size()));
        filas_.reset();
        QString sql = trozos_.first();
        qsizetype i = 1;
        for (const QVariant& valor : valores)
            sql += conexion_.FormatoLiteral(valor) + trozos_[i++];
        filas_ = conexion_.AbreRecordset(sql);
        return !filas_->EOF();
    }

    QVariant Campo(const QString& nombre) const override { return filas().Campo(nombre); }
    QVariant Campo(int indice) const override { return filas().Campo(indice); }

private:
    const Recordset& filas() const
    {
        if (!filas_)
            throw Err(NumeroError::SinRegistroActual);
        return *filas_;
    }

    ConexionDatos& conexion_;
    QStringList trozos_;
    std::unique_ptr<Recordset> filas_;
};

}

void CompruebaValores(qsizetype marcas, qsizetype valores)
{
    if (valores != marcas)
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("La consulta espera %1 valores y recibió %2.").arg(marcas).arg(valores));
}

std::unique_ptr<ConsultaPreparada> ConsultaPorTexto(ConexionDatos& conexion, const QString& sql)
{
    return std::make_unique<ConsultaTexto>(conexion, sql);
}
