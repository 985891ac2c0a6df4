#include "platform/reports/PaginasInforme.h"

#include "platform/base/Err.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double Ancho = 210, Alto = 297, Margen = 15, Renglon = 5;
constexpr double Util = Ancho - 2 * Margen;
constexpr double FinLineas = Alto - Margen - 2 * Renglon;

using Estilo = PaginaInforme::Estilo;

int alineacion(Diseno::Alineacion a)
{
    switch (a) {
    case Diseno::Alineacion::Centro:
        return Qt::AlignHCenter;
    case Diseno::Alineacion::Derecha:
        return Qt::AlignRight;
    case Diseno::Alineacion::Izquierda:
        break;
    }
    return Qt::AlignLeft;
}

class Compaginado {
public:
    explicit Compaginado(const ContenidoInforme& c) : c_(c)
    {
        double total = 0;
        for (const Diseno::Columna& col : c.columnas)
            total += col.ancho;
        // Columns wider than the sheet are narrowed in proportion.
        const double escala = total > Util ? Util / total : 1;
        double x = Margen;
        for (const Diseno::Columna& col : c.columnas) {
            xs_ << x;
            anchos_ << col.ancho * escala;
            x += col.ancho * escala;
        }
    }

    QVector<PaginaInforme> paginas()
    {
        nueva();
        encabezado();
        rotulos();
        for (const ContenidoInforme::Linea& l : c_.lineas)
            linea(l);
        pie();
        numera();
        return paginas_;
    }

private:
    PaginaInforme& actual() { return paginas_.last(); }

    void texto(double x, double ancho, const QString& t, Estilo e, int alin = Qt::AlignLeft, double alto = Renglon)
    {
        if (!t.isEmpty())
            actual().textos.push_back({QRectF(x, y_, ancho, alto), t, e, alin});
    }

    void raya() { actual().rayas.push_back(QLineF(Margen, y_, Ancho - Margen, y_)); }

    void nueva()
    {
        paginas_.push_back({});
        y_ = Margen;
        if (paginas_.size() > 1) {
            texto(Margen, Util, c_.titulo, Estilo::Negrita);
            y_ += Renglon + 1;
        }
    }

    void lugar(double alto)
    {
        if (y_ + alto <= FinLineas)
            return;
        nueva();
        rotulos();
    }

    void encabezado()
    {
        const double inicio = y_;
        texto(Ancho / 2, Util / 2, c_.titulo, Estilo::Titulo, Qt::AlignRight, 2 * Renglon);
        for (int i = 0; i < c_.empresa.size(); ++i) {
            texto(Margen, Util / 2, c_.empresa[i], i == 0 ? Estilo::Empresa : Estilo::Normal, Qt::AlignLeft,
                  i == 0 ? 1.5 * Renglon : Renglon);
            y_ += i == 0 ? 1.5 * Renglon : Renglon;
        }
        y_ = std::max(y_, inicio + 2 * Renglon) + 2;
        raya();
        y_ += 1;
        // The heading's values go in two columns, left then right.
        const int mitad = int(c_.datos.size() + 1) / 2;
        const double arriba = y_;
        for (int i = 0; i < c_.datos.size(); ++i) {
            const double x = i < mitad ? Margen : Ancho / 2;
            y_ = arriba + (i < mitad ? i : i - mitad) * Renglon;
            texto(x, 28, c_.datos[i].rotulo, Estilo::Negrita);
            texto(x + 28, Util / 2 - 30, c_.datos[i].valor, Estilo::Normal);
        }
        y_ = arriba + mitad * Renglon + 2;
    }

    void rotulos()
    {
        if (c_.columnas.isEmpty())
            return;
        raya();
        for (int i = 0; i < c_.columnas.size(); ++i)
            texto(xs_[i], anchos_[i], c_.columnas[i].rotulo, Estilo::Negrita, alineacion(c_.columnas[i].alineacion));
        y_ += Renglon;
        raya();
        y_ += 1;
    }

    void linea(const ContenidoInforme::Linea& l)
    {
        lugar(Renglon);
        switch (l.clase) {
        case Diseno::ClaseFila::Columnas:
            for (int i = 0; i < l.textos.size() && i < xs_.size(); ++i)
                texto(xs_[i], anchos_[i], l.textos[i], Estilo::Normal, alineacion(c_.columnas[i].alineacion));
            break;
        case Diseno::ClaseFila::Titulo:
            texto(Margen, Util, l.textos.value(0), Estilo::Negrita);
            break;
        case Diseno::ClaseFila::Texto:
            texto(Margen + 5, Util - 5, l.textos.value(0), Estilo::Normal);
            break;
        case Diseno::ClaseFila::Blanco:
            break;
        }
        y_ += Renglon;
    }

    void pie()
    {
        if (!c_.totales.isEmpty()) {
            lugar(Renglon * (c_.totales.size() + 1));
            y_ += 1;
            raya();
            y_ += 1;
            for (const ContenidoInforme::Par& t : c_.totales) {
                texto(Margen, 30, t.rotulo, Estilo::Negrita);
                texto(Margen + 30, Util - 30, t.valor, Estilo::Normal, Qt::AlignRight);
                y_ += Renglon;
            }
        }
        for (const ContenidoInforme::Bloque& b : c_.bloques) {
            lugar(2 * Renglon);
            y_ += 2;
            texto(Margen, Util, b.rotulo, Estilo::Negrita);
            y_ += Renglon;
            for (const QString& v : b.valores) {
                lugar(Renglon);
                texto(Margen + 5, Util - 5, v, Estilo::Normal);
                y_ += Renglon;
            }
        }
    }

    void numera()
    {
        const int n = int(paginas_.size());
        for (int i = 0; i < n; ++i)
            paginas_[i].textos.push_back({QRectF(Margen, Alto - Margen - Renglon, Util, Renglon),
                                          QStringLiteral("Hoja %1 de %2").arg(i + 1).arg(n), Estilo::Normal,
                                          Qt::AlignRight});
    }

    const ContenidoInforme& c_;
    QVector<double> xs_, anchos_;
    QVector<PaginaInforme> paginas_;
    double y_ = Margen;
};

}

QVector<PaginaInforme> CompaginaInforme(const ContenidoInforme& contenido)
{
    return Compaginado(contenido).paginas();
}

void PintaPaginas(const QVector<PaginaInforme>& paginas, QPagedPaintDevice& dispositivo)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("No se pudo empezar a dibujar el informe."));
    const double k = dispositivo.logicalDpiX() / 25.4;
    QFont normal(QStringLiteral("Sans Serif"), 9);
    QFont negrita = normal;
    negrita.setBold(true);
    QFont titulo = negrita;
    titulo.setPointSize(15);
    QFont empresa = negrita;
    empresa.setPointSize(12);
    const QFont* fuentes[] = {&normal, &negrita, &titulo, &empresa};
    QPen pluma(Qt::black);
    pluma.setWidthF(0.2 * k);
    for (int i = 0; i < paginas.size(); ++i) {
        if (i > 0 && !dispositivo.newPage())
            throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("No se pudo empezar otra hoja del informe."));
        Estilo vigente = Estilo::Normal;
        p.setFont(normal);
        p.setPen(pluma);
        for (const QLineF& r : paginas[i].rayas)
            p.drawLine(QLineF(r.p1() * k, r.p2() * k));
        for (const PaginaInforme::Texto& t : paginas[i].textos) {
            if (t.estilo != vigente) {
                vigente = t.estilo;
                p.setFont(*fuentes[int(vigente)]);
            }
            const QRectF caja(t.caja.topLeft() * k, t.caja.size() * k);
            p.drawText(caja, t.alineacion | Qt::AlignVCenter | Qt::TextSingleLine, t.texto);
        }
    }
    if (!p.end())
        throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("No se pudo terminar el informe."));
}
