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

-- Supply lines of a voucher: what order tickets read, and what the voucher
-- print reads (with the customer's VAT condition). Batches and their
-- quantities (or serial numbers) are "|"-separated lists; ControladoPor says
-- whether the article is followed by batch or by serial number.
CREATE TABLE V_MV_CPTEINSUMOS (
    ID                INTEGER PRIMARY KEY AUTOINCREMENT,
    TC                TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE     TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPLEMENTO     INTEGER NOT NULL DEFAULT 0,
    IDARTICULO        TEXT COLLATE SQLSRV,
    DESCRIPCION       TEXT COLLATE SQLSRV,
    IDUNIDAD          TEXT COLLATE SQLSRV,
    CANTIDAD          NUMERIC,
    CANTIDADPREPARADA NUMERIC,
    CANTIDADAFACTURAR NUMERIC,
    IMPORTE_S_IVA     NUMERIC,
    IMPORTE           NUMERIC,
    TOTAL             NUMERIC,
    ALICIVA           NUMERIC,
    CONDICIONIVA      TEXT COLLATE SQLSRV,
    NRO_LOTE          TEXT COLLATE SQLSRV,
    NRO_SERIE         TEXT COLLATE SQLSRV,
    PORCDTO           NUMERIC,
    IMPUESTOS         NUMERIC,
    CONTROLADOPOR     INTEGER,
    CANTIDADUD        NUMERIC,
    IDUNIDADBASE      TEXT COLLATE SQLSRV,
    EQUIV_UDBASE      NUMERIC,
    CANTIDAD_ORIGEN   NUMERIC,
    UD_PR             TEXT COLLATE SQLSRV,
    IMPORTE_UD        NUMERIC
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

-- Voucher print data: the per-workstation print table the voucher reports
-- read, the voucher columns and detail views its generator reads, and the
-- currencies.

-- What the generator reads of each voucher besides its key: the row's ID
-- (assigned on insert), the currency code and the voucher it was made from
-- (the total is above).
ALTER TABLE V_MV_CPTE ADD COLUMN ID INTEGER;
ALTER TABLE V_MV_CPTE ADD COLUMN MONEDA TEXT COLLATE SQLSRV;
ALTER TABLE V_MV_CPTE ADD COLUMN TCORIGEN TEXT COLLATE SQLSRV;
ALTER TABLE V_MV_CPTE ADD COLUMN COMPROBANTEORIGEN TEXT COLLATE SQLSRV;

CREATE TRIGGER V_MV_CPTE_ID AFTER INSERT ON V_MV_CPTE WHEN NEW.ID IS NULL
BEGIN
    UPDATE V_MV_CPTE SET ID = NEW.rowid WHERE rowid = NEW.rowid;
END;

-- Currencies; the code is padded to 4. Code 1 is the local currency.
CREATE TABLE TA_MONEDAS (
    CODIGO      TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    DESCRIPCION TEXT COLLATE SQLSRV
);

-- Observations of a voucher by kind: EN header, PP footer, OC other concepts
-- (a commented amount).
CREATE TABLE V_MV_CPTE_OBSERV (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    TC            TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPLEMENTO INTEGER NOT NULL DEFAULT 0,
    TIPO_OBS      TEXT COLLATE SQLSRV NOT NULL,
    OBSERVACION   TEXT COLLATE SQLSRV,
    IMPORTE       NUMERIC,
    IMPORTE_S_IVA NUMERIC
);

-- Task lines of a voucher; HORAS holds minutes.
CREATE TABLE V_MV_CPTETAREAS (
    ID                   INTEGER PRIMARY KEY AUTOINCREMENT,
    TC                   TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE        TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPLEMENTO        INTEGER NOT NULL DEFAULT 0,
    IDTAREA              TEXT COLLATE SQLSRV NOT NULL,
    DESCRIPCION          TEXT COLLATE SQLSRV,
    DESCRIPCIONADICIONAL TEXT COLLATE SQLSRV,
    HORAS                NUMERIC,
    VALORHORA            NUMERIC,
    TOTAL                NUMERIC,
    VALORHORA_S_IVA      NUMERIC
);

-- Diary entries of the work done on a task.
CREATE TABLE V_MV_DIARIOS (
    ID            INTEGER PRIMARY KEY AUTOINCREMENT,
    TC            TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPLEMENTO INTEGER NOT NULL DEFAULT 0,
    IDTAREA       TEXT COLLATE SQLSRV NOT NULL,
    DESCRIPCION   TEXT COLLATE SQLSRV,
    OBSERVACIONES TEXT COLLATE SQLSRV,
    MINUTOS       NUMERIC
);

-- Order (NP) lines not yet delivered in full by the delivery notes made from
-- the order.
CREATE VIEW VT_V_MV_INSUMOS_NPPENDIENTE AS
SELECT * FROM (
    SELECT np.TC, np.IDCOMPROBANTE, np.IDCOMPLEMENTO, np.IDARTICULO,
           np.CANTIDAD - IFNULL((SELECT SUM(rm.CANTIDAD)
                                   FROM V_MV_CPTEINSUMOS rm
                                   INNER JOIN V_MV_CPTE c ON c.TC = rm.TC AND c.IDCOMPROBANTE = rm.IDCOMPROBANTE
                                                          AND c.IDCOMPLEMENTO = rm.IDCOMPLEMENTO
                                  WHERE c.TCORIGEN = 'NP' AND c.COMPROBANTEORIGEN = np.IDCOMPROBANTE
                                    AND rm.IDARTICULO = np.IDARTICULO), 0) AS PENDIENTE
      FROM V_MV_CPTEINSUMOS np
     WHERE np.TC = 'NP')
 WHERE PENDIENTE > 0;

-- The print table: rows per workstation (USUARIO) and voucher, in ID order.
-- The first nineteen columns after ID follow the order in which the receipt
-- rows are copied into it.
CREATE TABLE AUX_MV_CPTE (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    TC              TEXT COLLATE SQLSRV,
    USUARIO         TEXT COLLATE SQLSRV,
    TIPO            TEXT COLLATE SQLSRV,
    SECCION         TEXT COLLATE SQLSRV,
    IDCOMPROBANTE   TEXT COLLATE SQLSRV,
    IDCOMPLEMENTO   INTEGER,
    COLUMNA1        TEXT COLLATE SQLSRV,
    COLUMNA2        TEXT COLLATE SQLSRV,
    COLUMNA3        TEXT COLLATE SQLSRV,
    COLUMNA4        TEXT COLLATE SQLSRV,
    COLUMNA5        TEXT COLLATE SQLSRV,
    COLUMNA6        TEXT COLLATE SQLSRV,
    COLUMNA7        TEXT COLLATE SQLSRV,
    COLUMNA8        TEXT COLLATE SQLSRV,
    ENCABEZADO      TEXT COLLATE SQLSRV,
    PIEDEPAGINA     TEXT COLLATE SQLSRV,
    COLUMNA9        TEXT COLLATE SQLSRV,
    COLUMNA10       TEXT COLLATE SQLSRV,
    COLUMNA11       TEXT COLLATE SQLSRV,
    COLUMNA12       TEXT COLLATE SQLSRV,
    COLUMNA13       TEXT COLLATE SQLSRV,
    COLUMNA14       TEXT COLLATE SQLSRV,
    COLUMNA15       TEXT COLLATE SQLSRV,
    COLUMNA16       TEXT COLLATE SQLSRV,
    COLUMNA17       NUMERIC,
    IMPORTEENLETRAS TEXT COLLATE SQLSRV,
    CANTIDAD_ORIGEN NUMERIC
);

CREATE INDEX IX_AUX_MV_CPTE_USUARIO ON AUX_MV_CPTE (USUARIO, TC, IDCOMPROBANTE, IDCOMPLEMENTO);

-- Receipt and payment-order print data: the withholding and discount
-- accounts, the accounts' means of payment, the applications of each print,
-- the journal lines, the balances still pending, the voucher types' systems
-- and the banks. TC and the origin types are padded to 4.
CREATE TABLE TA_CUENTASIVA (
    CB_RETIVA    TEXT COLLATE SQLSRV,
    CB_RETIB     TEXT COLLATE SQLSRV,
    CB_RETGAN    TEXT COLLATE SQLSRV,
    CB_DESCUENTO TEXT COLLATE SQLSRV,
    PG_RETIVA    TEXT COLLATE SQLSRV,
    PG_RETIB     TEXT COLLATE SQLSRV,
    PG_RETGAN    TEXT COLLATE SQLSRV,
    PG_DESCUENTO TEXT COLLATE SQLSRV,
    CFI_RETPERC  TEXT COLLATE SQLSRV,
    CFI_RETIBTOS TEXT COLLATE SQLSRV,
    CFI_RETIGAN  TEXT COLLATE SQLSRV
);

ALTER TABLE MA_CUENTAS ADD COLUMN CODIGOOPCIONAL TEXT COLLATE SQLSRV;
ALTER TABLE MA_CUENTAS ADD COLUMN MEDIODEPAGO TEXT COLLATE SQLSRV;
ALTER TABLE MA_CUENTAS ADD COLUMN TIPOVISTA TEXT COLLATE SQLSRV;

ALTER TABLE C_MV_CPTE ADD COLUMN IMPORTE NUMERIC;

ALTER TABLE V_MV_CPTE ADD COLUMN RETGAN_IMPORTE NUMERIC;
ALTER TABLE V_MV_CPTE ADD COLUMN RETIVA_IMPORTE NUMERIC;
ALTER TABLE V_MV_CPTE ADD COLUMN RETIBR_IMPORTE NUMERIC;
ALTER TABLE V_MV_CPTE ADD COLUMN IMPDESCUENTO1 NUMERIC;

-- One row per voucher applied by a document (TC, IDCOMPROBANTE) to an origin
-- voucher, on the print of a receipt or payment order (the _PRINT columns).
CREATE TABLE MV_APLICACION (
    CUENTA               TEXT COLLATE SQLSRV,
    TC                   TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE        TEXT COLLATE SQLSRV NOT NULL,
    TCO_ORIGEN           TEXT COLLATE SQLSRV NOT NULL,
    IDCOMPROBANTE_ORIGEN TEXT COLLATE SQLSRV NOT NULL,
    SUCURSAL_ORIGEN      TEXT COLLATE SQLSRV,
    NUMERO_ORIGEN        TEXT COLLATE SQLSRV,
    LETRA_ORIGEN         TEXT COLLATE SQLSRV,
    IMPORTE              NUMERIC,
    TC_PRINT             TEXT COLLATE SQLSRV,
    IDCOMPROBANTE_PRINT  TEXT COLLATE SQLSRV
);

-- Journal lines of a voucher: the account and amount, the cheque, card and
-- bank details of a means of payment, and the voucher's own date and total.
CREATE TABLE MV_ASIENTOS (
    TC                     TEXT COLLATE SQLSRV NOT NULL,
    SUCURSAL               TEXT COLLATE SQLSRV NOT NULL,
    NUMERO                 TEXT COLLATE SQLSRV NOT NULL,
    LETRA                  TEXT COLLATE SQLSRV NOT NULL,
    CUENTA                 TEXT COLLATE SQLSRV,
    DETALLE                TEXT COLLATE SQLSRV,
    IMPORTE                NUMERIC,
    FECHA                  DATETIME,
    CABIMPORTE             NUMERIC,
    FECHASUBDIARIO         DATETIME,
    CHPROPIO               INTEGER,
    NROCOMPROBANTEBANCARIO TEXT COLLATE SQLSRV,
    TJ_OBSERVACIONES       TEXT COLLATE SQLSRV,
    IDBANCO                TEXT COLLATE SQLSRV,
    VENCIMIENTO            DATETIME,
    TJ_NROCUPON            TEXT COLLATE SQLSRV,
    TJ_NROSOCIO            TEXT COLLATE SQLSRV,
    TJ_CUOTAS              INTEGER
);

CREATE TABLE VE_SALDOAPLICACION (
    CUENTA          TEXT COLLATE SQLSRV,
    TCO_ORIGEN      TEXT COLLATE SQLSRV NOT NULL,
    SUCURSAL_ORIGEN TEXT COLLATE SQLSRV NOT NULL,
    NUMERO_ORIGEN   TEXT COLLATE SQLSRV NOT NULL,
    LETRA_ORIGEN    TEXT COLLATE SQLSRV NOT NULL,
    SALDO           NUMERIC
);

CREATE TABLE V_TA_CPTE (
    CODIGO      TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    DESCRIPCION TEXT COLLATE SQLSRV,
    SISTEMA     TEXT COLLATE SQLSRV
);

CREATE TABLE V_TA_BANCOS (
    IDBANCO     TEXT COLLATE SQLSRV NOT NULL PRIMARY KEY,
    DESCRIPCION TEXT COLLATE SQLSRV
);
