#include "printing/FormatoImportes.h"
#include "printing/GeneradorAuxiliar.h"

namespace {

// Where a task line and a diary line differ.
struct Origen {
    const char* vista;
    const char* adicional;  // printed after the description
    const char* minutos;
    bool conImportes;
};

const Origen Tareas{"V_MV_CPTETAREAS  ", "descripcionadicional", "Horas", true};
const Origen Diarios{"V_MV_DIARIOS ", "Observaciones", "Minutos", false};

// Plain text, or an RTF text that carries the additional text after a line break.
QString descripcion(const GeneradorAuxiliar& gen, const Recordset& r, const char* adicional)
{
    const QString principal = gen.campo(r, "Descripcion").trimmed();
    const QString extra = gen.campo(r, adicional);
    if (gen.u.LimpiaTexto(extra.trimmed()).isEmpty())
        return principal;
    return QStringLiteral("{\\rtf1\\ansi\\deff0 ") + principal + QStringLiteral("\r\n ") + extra;
}

void filaTarea(GeneradorAuxiliar& gen, const Recordset& r, const Origen& o, const QString& separador)
{
    const auto dinero = [&](const char* columna) {
        return gen.literal(FmtMoneda(gen.campo(r, columna), -1, false));
    };
    gen.nuevaFila("TA");
    gen.agrega("Columna1", [&] { return gen.literal(gen.campo(r, "IDTAREA").trimmed()); });
    gen.agrega("Columna2", [&] { return gen.literal(descripcion(gen, r, o.adicional)); });
    gen.agrega("Columna3", [&] { return gen.literal(QStringLiteral(" ")); });
    gen.agrega("Columna4", [&] {
        if (gen.esTipo("OT") && gen.SinImportesEnOT)
            return gen.literal(QString(6, u' '));
        int32_t horas = 0, minutos = 0;
        return gen.literal(MinutosAHora(gen.campo(r, o.minutos), horas, minutos, separador));
    });
    const QString cero = gen.literal(QStringLiteral("0"));
    gen.agrega("Columna5", [&] { return o.conImportes ? dinero("ValorHora") : cero; });
    gen.agrega("Columna6", [&] { return o.conImportes ? dinero("Total") : cero; });
    gen.agrega("Columna7", [&] { return o.conImportes ? dinero("valorHora_S_Iva") : cero; });
    gen.insertaFila();
}

// True when the view had lines for this voucher (and task).
bool escribeLineas(GeneradorAuxiliar& gen, const Origen& o, const QString& condicionTarea)
{
    auto rs = gen.abre(QStringLiteral("SELECT * FROM ") + QLatin1String(o.vista) + gen.FiltroComprobante
                       + condicionTarea + QStringLiteral(" ORDER BY ID "));
    if (!hayFilas(rs))
        return false;
    gen.Titulo = gen.esTipo("PR") || gen.esTipo("OT") ? QStringLiteral("Detalles de Tareas a Realizar")
                                                       : QStringLiteral("Detalles de Tareas Realizadas");
    gen.bloqueTitulo();
    QString separador = QStringLiteral(":");
    gen.g.paso([&] { separador = SeparadorHora(); });
    gen.recorre(*rs, [&](const Recordset& r) { filaTarea(gen, r, o, separador); });
    return true;
}

}

void SeccionTareas(GeneradorAuxiliar& gen)
{
    const QString condicionTarea =
        gen.IdTarea.isEmpty() ? QString() : QStringLiteral(" and idtarea = ") + gen.literal(gen.IdTarea);
    if (!escribeLineas(gen, Tareas, condicionTarea) && !gen.IdTarea.isEmpty())
        escribeLineas(gen, Diarios, condicionTarea);
}
