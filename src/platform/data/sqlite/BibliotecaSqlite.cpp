#include "platform/data/sqlite/BibliotecaSqlite.h"

#include "platform/base/BibliotecaDelSistema.h"

SQLITE_EXTENSION_INIT1

namespace {

const EntradasDeBiblioteca<sqlite3_api_routines>& carga()
{
    static const EntradasDeBiblioteca<sqlite3_api_routines> entradas(
        QStringLiteral("sqlite3"), 0, [](auto& b, sqlite3_api_routines& f) {
            b.resuelve(f.bind_blob, "sqlite3_bind_blob");
            b.resuelve(f.bind_double, "sqlite3_bind_double");
            b.resuelve(f.bind_int, "sqlite3_bind_int");
            b.resuelve(f.bind_int64, "sqlite3_bind_int64");
            b.resuelve(f.bind_null, "sqlite3_bind_null");
            b.resuelve(f.bind_parameter_count, "sqlite3_bind_parameter_count");
            b.resuelve(f.bind_text, "sqlite3_bind_text");
            b.resuelve(f.busy_handler, "sqlite3_busy_handler");
            b.resuelve(f.changes, "sqlite3_changes");
            b.resuelve(f.clear_bindings, "sqlite3_clear_bindings");
            b.resuelve(f.close_v2, "sqlite3_close_v2");
            b.resuelve(f.column_count, "sqlite3_column_count");
            b.resuelve(f.column_decltype, "sqlite3_column_decltype");
            b.resuelve(f.column_int, "sqlite3_column_int");
            b.resuelve(f.column_int64, "sqlite3_column_int64");
            b.resuelve(f.column_name, "sqlite3_column_name");
            b.resuelve(f.column_text, "sqlite3_column_text");
            b.resuelve(f.column_value, "sqlite3_column_value");
            b.resuelve(f.create_collation_v2, "sqlite3_create_collation_v2");
            b.resuelve(f.create_function_v2, "sqlite3_create_function_v2");
            b.resuelve(f.errmsg, "sqlite3_errmsg");
            b.resuelve(f.exec, "sqlite3_exec");
            b.resuelve(f.extended_errcode, "sqlite3_extended_errcode");
            b.resuelve(f.extended_result_codes, "sqlite3_extended_result_codes");
            b.resuelve(f.finalize, "sqlite3_finalize");
            b.resuelve(f.free, "sqlite3_free");
            b.resuelve(f.get_autocommit, "sqlite3_get_autocommit");
            b.resuelve(f.last_insert_rowid, "sqlite3_last_insert_rowid");
            b.resuelve(f.open_v2, "sqlite3_open_v2");
            b.resuelve(f.prepare_v2, "sqlite3_prepare_v2");
            b.resuelve(f.prepare_v3, "sqlite3_prepare_v3");
            b.resuelve(f.reset, "sqlite3_reset");
            b.resuelve(f.result_double, "sqlite3_result_double");
            b.resuelve(f.result_error, "sqlite3_result_error");
            b.resuelve(f.result_int64, "sqlite3_result_int64");
            b.resuelve(f.result_null, "sqlite3_result_null");
            b.resuelve(f.result_text, "sqlite3_result_text");
            b.resuelve(f.result_value, "sqlite3_result_value");
            b.resuelve(f.set_authorizer, "sqlite3_set_authorizer");
            b.resuelve(f.step, "sqlite3_step");
            b.resuelve(f.stmt_readonly, "sqlite3_stmt_readonly");
            b.resuelve(f.total_changes64, "sqlite3_total_changes64");
            b.resuelve(f.user_data, "sqlite3_user_data");
            b.resuelve(f.value_blob, "sqlite3_value_blob");
            b.resuelve(f.value_bytes, "sqlite3_value_bytes");
            b.resuelve(f.value_double, "sqlite3_value_double");
            b.resuelve(f.value_int64, "sqlite3_value_int64");
            b.resuelve(f.value_text, "sqlite3_value_text");
            b.resuelve(f.value_type, "sqlite3_value_type");
        });
    return entradas;
}

}

bool CargaSqlite(QString& motivo)
{
    // Set once, before any caller goes on to use the table.
    static const bool cargada = [] {
        sqlite3_api = carga().completas();
        return sqlite3_api != nullptr;
    }();
    if (!cargada)
        motivo = QStringLiteral("SQLite no está disponible: ") + carga().motivo();
    return cargada;
}
