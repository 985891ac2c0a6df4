// Writes the page of a demo sales voucher with 1,000 supply lines, 100 tasks
// and 50 history rows through the program's own road (the SQL the system
// builds, the data-access layer, the page sections and the whole-file
// write), and, as the baseline, runs the same section queries through the
// bare sqlite3 C API, reading every column as text, and writes the same
// number of bytes to a file. The two take turns round by round, timed in
// processor time; the last line gives the median of the rounds' ratios.

#include "base/Medidas.h"
#include "base/SinOperador.h"
#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Objetos.h"
#include "voucherweb/GeneraPagina.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int Insumos = 1000;
constexpr int Tareas = 100;
constexpr int Acciones = 50;
// Enough rounds to run for a quarter of a minute: the first half second of
// a process runs slower here, and the ratio drifts by spells of a second or
// two, not by the same share for both roads.
constexpr int Rondas = 4001;

// What the page of FC 0001-00000012A reads, as the engine runs it.
const char* const Consultas[] = {
    "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = 'NOMBRE'",
    "SELECT DESCRIPCION FROM TA_COMPROBANTES WHERE CODIGO='FC'",
    "SELECT NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, "
    "v_mv_cpte.observaciones,v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, FECHAESTINICIO,"
    "FECHAESTFIN, ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion,ANULADA,"
    "v_mv_cpte.IdVendedor, v_mv_cpte.IDCOND_CPRA_VTA, importe,v_mv_cpte.cotizacion, V_MV_Cpte.importe_s_iva, "
    "V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , "
    "V_MV_Cpte.porcdescuento3, V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, "
    "V_MV_Cpte.ImporteImpuestosInternos, V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, "
    "V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,"
    "V_MV_Cpte.ImpIVA4,v_mv_cpte.MONEDA,RETIVA_IMPORTE,RETGAN_IMPORTE,RETIBR_IMPORTE FROM V_MV_Cpte LEFT OUTER JOIN "
    "MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON "
    "V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='FC  ' and idcomprobante='000100000012A'",
    "SELECT Nombre FROM v_ta_vendedores WHERE IdVendedor = '3'",
    "SELECT Descripcion FROM v_ta_cpra_vta WHERE IdCond_Cpra_Vta = '2'",
    "SELECT IDARTICULO,DESCRIPCION,ALICIVA,IMPORTE_S_IVA,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL,IMPORTEDTO from "
    "V_MV_CPTEInsumos WHERE TC='FC  ' and idcomprobante='000100000012A' and idcomplemento=0",
    "SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from V_MV_CPTETareas WHERE TC='FC  ' and "
    "idcomprobante='000100000012A' and idcomplemento=0",
    "SELECT TIPO_OBS,OBSERVACION,IMPORTE from V_MV_CPTE_Observ WHERE TC='FC  ' and idcomprobante='000100000012A' "
    "and idcomplemento=0",
    "SELECT Descripcion FROM ta_monedas WHERE Codigo = '1'",
    "SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT, "
    "IDCOMPROBANTE_PRINT  from MV_APLICACION WHERE TC='FC  ' and SUCURSAL='0001' and NUMERO='00000012' and "
    "LETRA='A   '",
    "SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT from MV_Aplicacion WHERE "
    "TCo_origen='FC  ' and idcomprobante_origen='000100000012A'",
    "SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='FC  ' and "
    "IDCOMPROBANTE='000100000012A' AND IDCOMPLEMENTO='0'",
    "SELECT * FROM CTROL_ESCANEO WHERE CPTE='FC  000100000012A' AND (Eliminado = 0 OR ELIMINADO IS NULL)",
};

// The demo voucher grown to the benchmark's size.
const char* const Relleno =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
    "INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO, DESCRIPCION, ALICIVA, IMPORTE_S_IVA, "
    "IDUNIDAD, CANTIDAD, IMPORTE, TOTAL, IMPORTEDTO) SELECT 'FC  ', '000100000012A', 0, 'ART-' || i, "
    "'Artículo de prueba número ' || i || ' <medida 2\"> & acabado', 21, 10.25 + i, 'UN', i % 17 + 1, "
    "12.4025 + i, (12.4025 + i) * (i % 17 + 1), i % 3 FROM n WHERE i <= %1;"
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
    "INSERT INTO V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA, DESCRIPCION, HORAS, VALORHORA, TOTAL) "
    "SELECT 'FC  ', '000100000012A', 0, 'T' || i, 'Tarea de taller ' || i, 15 * i, 1500, 25 * i FROM n WHERE i <= %2;"
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
    "INSERT INTO V_MV_CPTEACCIONES (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER) "
    "SELECT 'FC  ', '000100000012A', 0, substr('ABMX', i % 4 + 1, 1), '2025-03-03 10:15:00', 'demo', 'PUESTO1', "
    "'sa' FROM n WHERE i <= %3;";

bool paginaPrograma(const QString& ruta)
{
    return GeneraPaginaVenta(ruta, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000012"),
                             QStringLiteral("A"), true);
}

// The section queries read whole, every column as text, and as many bytes
// as the page written to a file.
bool paginaBase(sqlite3* db, const QString& ruta, qint64 bytes)
{
    long leidos = 0;
    for (const char* sql : Consultas) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "sqlite3: %s\n", sqlite3_errmsg(db));
            return false;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                if (const unsigned char* t = sqlite3_column_text(st, c))
                    leidos += t[0];
            }
        }
        sqlite3_finalize(st);
    }
    const QByteArray contenido(bytes, char('a' + leidos % 26));
    std::FILE* f = std::fopen(QFile::encodeName(ruta).constData(), "wb");
    if (!f)
        return false;
    const bool escrito = std::fwrite(contenido.constData(), 1, size_t(contenido.size()), f) == size_t(contenido.size());
    return std::fclose(f) == 0 && escrito;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    instalaDialogos(std::make_unique<SinOperador>());
    QTemporaryDir carpeta;
    const QString base = carpeta.filePath(QStringLiteral("escaneo.db"));
    const QString relleno = carpeta.filePath(QStringLiteral("relleno.sql"));
    {
        QFile f(relleno);
        if (!carpeta.isValid() || !f.open(QIODevice::WriteOnly)
            || f.write(QString::fromUtf8(Relleno).arg(Insumos).arg(Tareas).arg(Acciones).toUtf8()) < 0) {
            std::fprintf(stderr, "no se pudo preparar la carpeta temporal\n");
            return 1;
        }
    }
    try {
        CreaBaseSqlite(base, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                              QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql"), relleno});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return 1;
    }
    ConexionDatos& conexion = ConexionPrincipal();
    conexion.setServidor(QStringLiteral("sqlite"));
    conexion.setBaseDatos(base);
    conexion.Conecta(false, 3, QString(), true, true);
    sqlite3* db = nullptr;
    if (!conexion.EstaConectado() || sqlite3_open_v2(QFile::encodeName(base).constData(), &db, SQLITE_OPEN_READONLY, nullptr)
                                         != SQLITE_OK) {
        std::fprintf(stderr, "no se pudo abrir %s\n", qPrintable(base));
        return 1;
    }
    RegistraFuncionesSqlite(db, nullptr);

    const QString rutaPrograma = carpeta.filePath(QStringLiteral("FC0001A7.htm"));
    const QString rutaBase = carpeta.filePath(QStringLiteral("base.htm"));
    if (!paginaPrograma(rutaPrograma))
        return 1;
    const qint64 bytes = QFileInfo(rutaPrograma).size();
    if (!paginaBase(db, rutaBase, bytes))
        return 1;

    const auto lado = [](const std::function<bool()>& escribe) {
        bool escrita = false;
        const double ms = msDeHilo([&] { escrita = escribe(); });
        return escrita ? ms : -1;
    };
    Alternadas tiempos;
    const bool medidas = tiempos.corre(
        Rondas, [&] { return lado([&] { return paginaPrograma(rutaPrograma); }); },
        [&] { return lado([&] { return paginaBase(db, rutaBase, bytes); }); });
    sqlite3_close_v2(db);
    if (!medidas)
        return 1;

    std::printf("pagina de %d insumos, %d tareas y %d acciones: %lld bytes, %d rondas alternadas\n", Insumos, Tareas,
                Acciones, static_cast<long long>(bytes), Rondas);
    std::printf("%-52s mediana %.2f ms\n", "programa (sentencias, datos, secciones, archivo):", mediana(tiempos.nuestro));
    std::printf("%-52s mediana %.2f ms\n", "sqlite3 a secas y los mismos bytes a un archivo:", mediana(tiempos.base));
    tiempos.imprimeRelacion(1.5);
    return 0;
}
