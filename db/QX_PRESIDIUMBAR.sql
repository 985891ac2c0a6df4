-- The statistics database: its own key/value settings (such as "TimeOut").
-- Text columns use the engine's SQLSRV collation, as in the main database.
CREATE TABLE TA_CONFIGURACION (
    Grupo           TEXT COLLATE SQLSRV,
    Clave           TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    Valor           TEXT COLLATE SQLSRV,
    ValorAux        TEXT COLLATE SQLSRV,
    PoliticaNegocio TEXT COLLATE SQLSRV
);
