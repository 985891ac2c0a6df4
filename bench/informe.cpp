// Renders a voucher of 2,000 print lines (about 40 pages) to PDF through
// the report object and its engine, against a bare QPdfWriter program that
// draws the same texts at the same positions, and prints the ratio of the
// medians.

#include "base/ConexionPrincipal.h"
#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/base/FormatoNumerico.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/reports/MotorInformes.h"
#include "platform/reports/PaginasInforme.h"
#include "services/CargaConfiguracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Lineas = 2000;
constexpr int Rondas = 5;
const char* const Seleccion = "{V_MV_CPTE.TC} = 'FC  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000012A' AND "
                              "{Aux_MV_CPte.USUARIO} = 'BENCH|informe'";

void llenaComprobante(ConexionDatos& cn)
{
    cn.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    for (int i = 0; i < Lineas; ++i) {
        const QString tipo = i % 50 == 0 ? QStringLiteral("M") : QStringLiteral("IN");
        cn.Ejecuta(QStringLiteral("INSERT INTO AUX_MV_CPTE (USUARIO, TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO, SECCION, "
                                  "COLUMNA1, COLUMNA2, COLUMNA3, COLUMNA4, COLUMNA5, COLUMNA6, ENCABEZADO, "
                                  "IMPORTEENLETRAS) VALUES ('BENCH|informe', 'FC  ', '000100000012A', 0, '%1', "
                                  "'Insumos %2', 'ART%2', 'Artículo de ferretería número %2 con descripción larga', "
                                  "'UN', '%3', '%4.50', '%5.00', '.', ' Son pesos')")
                       .arg(tipo)
                       .arg(i, 5, 10, QLatin1Char('0'))
                       .arg(i % 17 + 1)
                       .arg(i % 300)
                       .arg((i % 17 + 1) * (i % 300)));
    }
    cn.Ejecuta(QStringLiteral("COMMIT"));
}

void nuestro(const QString& diseno, const QString& pdf)
{
    Reporte& r = ObjReporte();
    r.setDestino(r.DestinoArchivo());
    r.Parametro(QStringLiteral("PrintFileName"), pdf);
    r.Parametro(QStringLiteral("PrintFileType"), 31);
    r.Imprime(diseno, {"+{Aux_Mv_Cpte.ID}"}, QString::fromLatin1(Seleccion), Modulo().CadenaConexionReporte);
}

// The bare program: the same boxes, rules and fonts, straight onto the writer.
void base(const QVector<PaginaInforme>& paginas, const QString& pdf)
{
    QPdfWriter escritor(pdf);
    escritor.setPageSize(QPageSize(QPageSize::A4));
    escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
    escritor.setResolution(300);
    QPainter p(&escritor);
    const double k = escritor.logicalDpiX() / 25.4;
    QFont normal(QStringLiteral("Sans Serif"), 9), negrita = normal, titulo, empresa;
    negrita.setBold(true);
    titulo = negrita;
    titulo.setPointSize(15);
    empresa = negrita;
    empresa.setPointSize(12);
    const QFont* fuentes[] = {&normal, &negrita, &titulo, &empresa};
    QPen pluma(Qt::black);
    pluma.setWidthF(0.2 * k);
    for (int i = 0; i < paginas.size(); ++i) {
        if (i > 0)
            escritor.newPage();
        p.setFont(normal);
        p.setPen(pluma);
        for (const QLineF& r : paginas[i].rayas)
            p.drawLine(QLineF(r.p1() * k, r.p2() * k));
        const QFont* vigente = &normal;
        for (const PaginaInforme::Texto& t : paginas[i].textos) {
            if (vigente != fuentes[int(t.estilo)])
                p.setFont(*(vigente = fuentes[int(t.estilo)]));
            p.drawText(QRectF(t.caja.topLeft() * k, t.caja.size() * k), t.alineacion | Qt::AlignVCenter | Qt::TextSingleLine,
                       t.texto);
        }
    }
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("escaneo.db"));
    qputenv("TEMP", QFile::encodeName(carpeta.path()));
    try {
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                                 QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql")});
        if (!ConectaPrincipalSqlite(archivo, QStringLiteral("bench")))
            return 1;
        ConexionDatos& cn = ConexionPrincipal();
        CargaConfiguracion(QString());
        instalaFormatoNumerico(FormatoNumerico{u',', u'.', 2});
        llenaComprobante(cn);
        auto motor = std::make_unique<MotorInformes>(cn);
        MotorInformes& m = *motor;
        ObjReporte().InstalaMotor(std::move(motor));
        ObjReporte().CargaFormulas({"NombreEmpresa = 'D'Angelo e Hijos'", "Localidad= 'Rosario'"});

        const QString diseno = QCoreApplication::applicationDirPath() + QStringLiteral("/FC-A.rpt");
        TrabajoReporte trabajo;
        trabajo.archivo = diseno;
        trabajo.formulas = ObjReporte().Formulas();
        trabajo.orden = {"+{Aux_Mv_Cpte.ID}"};
        trabajo.seleccion = QString::fromLatin1(Seleccion);
        const QVector<PaginaInforme> paginas = CompaginaInforme(m.Contenido(trabajo));
        std::printf("líneas: %d, hojas: %lld\n", Lineas, static_cast<long long>(paginas.size()));

        std::vector<double> tiempos[2];
        QElapsedTimer reloj;
        for (int ronda = 0; ronda < Rondas; ++ronda) {
            reloj.start();
            nuestro(diseno, carpeta.filePath(QStringLiteral("nuestro.pdf")));
            tiempos[0].push_back(reloj.nsecsElapsed() / 1e6);
            reloj.start();
            base(paginas, carpeta.filePath(QStringLiteral("base.pdf")));
            tiempos[1].push_back(reloj.nsecsElapsed() / 1e6);
        }
        const double a = mediana(tiempos[0]), b = mediana(tiempos[1]);
        std::printf("informe por el objeto de informes: mediana %.1f ms\n", a);
        std::printf("QPdfWriter solo:                   mediana %.1f ms\n", b);
        std::printf("ratio %.2f goal <= 1.5\n", a / b);
    } catch (const Err& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
