-- Tables of the suite's database that the scanning module reads and writes,
-- for the embedded engine. Text columns use the engine's SQLSRV collation so
-- that equality ignores case and trailing blanks as the suite's server does;
-- dates are ISO text 'yyyy-mm-dd hh:mm:ss' in DATETIME columns.

-- Key/value settings, one row per key.
CREATE TABLE TA_CONFIGURACION (
    Grupo           TEXT COLLATE SQLSRV,
    Clave           TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    Valor           TEXT COLLATE SQLSRV,
    ValorAux        TEXT COLLATE SQLSRV,
    PoliticaNegocio TEXT COLLATE SQLSRV
);

-- The suite's users, keyed by their database login. UNegocio is a
-- business-unit code right-aligned to 4 ("   1").
CREATE TABLE ta_usuarios (
    Nombre           TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    Grupo            TEXT COLLATE SQLSRV,
    UNegocio         TEXT COLLATE SQLSRV,
    verproforma      INTEGER NOT NULL DEFAULT 0,
    eMail_Server     TEXT COLLATE SQLSRV,
    email_usuario    TEXT COLLATE SQLSRV,
    email_Password   TEXT COLLATE SQLSRV,
    Email_Nombre     TEXT COLLATE SQLSRV,
    email_ServerOtro TEXT COLLATE SQLSRV
);

-- One row per start of a module of the suite.
CREATE TABLE Control_Acceso (
    Id            INTEGER PRIMARY KEY AUTOINCREMENT,
    Maquina       TEXT COLLATE SQLSRV,
    Usuario       TEXT COLLATE SQLSRV,
    Formulario    TEXT COLLATE SQLSRV,
    Tarea         TEXT COLLATE SQLSRV,
    Ingreso       DATETIME,
    NombreUsuario TEXT COLLATE SQLSRV
);

-- Menu entries of the suite and the users allowed each one.
CREATE TABLE TA_MENU (
    Clave   TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    Proceso TEXT COLLATE SQLSRV,
    Nombre  TEXT COLLATE SQLSRV
);

CREATE TABLE TA_TAREAS (
    USUARIO TEXT COLLATE SQLSRV NOT NULL,
    TAREA   TEXT COLLATE SQLSRV NOT NULL REFERENCES TA_MENU (Clave),
    PRIMARY KEY (USUARIO, TAREA)
);

-- One row per failed SQL batch, written outside the rolled-back transaction.
CREATE TABLE AUX_ERR (
    Proceso     TEXT COLLATE SQLSRV,
    Fecha       DATETIME,
    Error       INTEGER,
    Descripcion TEXT COLLATE SQLSRV,
    SQL         TEXT COLLATE SQLSRV,
    PC          TEXT COLLATE SQLSRV,
    Usuario     TEXT COLLATE SQLSRV
);

-- Customers' and suppliers' accounts.
CREATE TABLE MA_CUENTAS (
    CODIGO      TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    DESCRIPCION TEXT COLLATE SQLSRV
);

-- Which user groups may see each account.
CREATE TABLE MA_CUENTAS_USUARIOS (
    Cuenta    TEXT COLLATE SQLSRV NOT NULL REFERENCES MA_CUENTAS (CODIGO),
    GrupoUser TEXT COLLATE SQLSRV NOT NULL,
    PRIMARY KEY (Cuenta, GrupoUser)
);

-- The suite's sales and purchase voucher views, held here as tables with the
-- columns the module reads. TC is padded to 4; IDCOMPROBANTE is the branch
-- (4 digits), the number (8 digits) and the letter.
CREATE TABLE V_MV_CPTE (
    TC            TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPLEMENTO INTEGER NOT NULL DEFAULT 0,
    CUENTA        TEXT COLLATE SQLSRV,
    FECHA         DATETIME,
    ANULADA       INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (TC, IDCOMPROBANTE, IDCOMPLEMENTO)
);

CREATE TABLE C_MV_CPTE (
    CUENTA        TEXT COLLATE SQLSRV NOT NULL,
    TC            TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE TEXT COLLATE SQLSRV NOT NULL,
    FECHA         DATETIME,
    ANULADA       INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (CUENTA, TC, IDCOMPROBANTE)
);

-- The register of scans: one row per image filed against an account and a
-- voucher (Cpte: the type padded to 4 and the 13-character number). Rows are
-- never deleted; a withdrawal sets Eliminado.
CREATE TABLE CTROL_ESCANEO (
    Cuenta         TEXT COLLATE SQLSRV,
    Cpte           TEXT COLLATE SQLSRV,
    Fecha          DATETIME,
    Usuario        TEXT COLLATE SQLSRV,
    RutaArchivo    TEXT COLLATE SQLSRV,
    NombreArchivo  TEXT COLLATE SQLSRV,
    Eliminado      INTEGER,
    EliminadoPor   TEXT COLLATE SQLSRV,
    ActualizadoPor TEXT COLLATE SQLSRV,
    FhActualizado  DATETIME
);

CREATE INDEX IX_CTROL_ESCANEO_Cpte ON CTROL_ESCANEO (Cuenta, Cpte);
CREATE INDEX IX_CTROL_ESCANEO_NombreArchivo ON CTROL_ESCANEO (NombreArchivo);

-- Order tickets: the voucher's table, waiter, customer and total, its items
-- with what is already prepared or billed, and the articles' kitchen ("C")
-- and bar ("B") marks.
ALTER TABLE V_MV_CPTE ADD COLUMN TRANSPORTE TEXT COLLATE SQLSRV;
ALTER TABLE V_MV_CPTE ADD COLUMN IDVENDEDOR TEXT COLLATE SQLSRV;
ALTER TABLE V_MV_CPTE ADD COLUMN NOMBRE TEXT COLLATE SQLSRV;
ALTER TABLE V_MV_CPTE ADD COLUMN IMPORTE NUMERIC;

CREATE TABLE V_MV_CPTEINSUMOS (
    ID                INTEGER PRIMARY KEY,
    TC                TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE     TEXT COLLATE SQLSRV NOT NULL,
    IDARTICULO        TEXT COLLATE SQLSRV,
    DESCRIPCION       TEXT COLLATE SQLSRV,
    CANTIDAD          NUMERIC,
    CANTIDADPREPARADA NUMERIC,
    CANTIDADAFACTURAR NUMERIC,
    IMPORTE_S_IVA     NUMERIC,
    IMPORTE           NUMERIC
);

CREATE TABLE V_MA_ARTICULOS (
    IDARTICULO   TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    DESCRIPCION  TEXT COLLATE SQLSRV,
    PESABLE      INTEGER NOT NULL DEFAULT 0,
    TALLEDEFAULT TEXT COLLATE SQLSRV
);

CREATE TABLE V_TA_VENDEDORES (
    IDVENDEDOR TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    NOMBRE     TEXT COLLATE SQLSRV
);
