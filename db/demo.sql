-- Demo rows for the embedded database. Codes are stored as the system pads
-- them: voucher types to 4 with blanks, branch 4 and number 8 digits
-- zero-filled, letter 1. Keys are stored upper-case as the settings writer
-- stores them. The scan folder is relative to the demo folder; the demo
-- script replaces it with the absolute folder when it builds the database.

INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux, PoliticaNegocio) VALUES
    ('DATOS',   'RUTA_ESCANEO',                    'SCAN/',       '', 'Falso'),
    ('GENERAL', 'THEME',                           '1',           '', 'Falso'),
    ('GENERAL', 'MOSTRARSTOCKENCONSULTAS',         'NO',          '', 'Falso'),
    ('GENERAL', 'TITULOCLIENTES',                  'Clientes',    '', 'Falso'),
    ('GENERAL', 'TITULOPROVEEDORES',               'Proveedores', '', 'Falso'),
    ('GENERAL', 'EXIGECLAVECONSULTALIKEARTICULOS', 'NO',          '', 'Falso'),
    ('GENERAL', 'USACONSULTALIKE',                 'SI',          '', 'Falso'),
    ('GENERAL', 'CANTIDADDECIMALES',               '2',           '', 'Falso'),
    ('GENERAL', 'CANTIDADDECIMALESVENTAS',         '2',           '', 'Falso'),
    ('GENERAL', 'SS_CONFIDENCIALIDAD',             'NO',          '', 'Falso'),
    ('GENERAL', 'USAMULTILESMONEDAS',              'NO',          '', 'Falso'),
    ('GENERAL', 'USAFACTURAPROFORMA',              'SI',          '', 'Falso'),
    ('GENERAL', 'USACCOSTO',                       'NO',          '', 'Falso'),
    ('GENERAL', 'USA_STK_STOCK_UDKG',              'NO',          '', 'Falso'),
    ('GENERAL', 'UNIDADDEMEDIDA_M3',               'M3',          '', 'Falso'),
    ('GENERAL', 'UNIDADDEMEDIDA_BL',               'BL',          '', 'Falso'),
    ('GENERAL', 'UNIDADDEMEDIDA_KG',               'KG',          '', 'Falso'),
    ('GENERAL', 'PERIODO',                         '12',          '', 'Falso'),
    ('GENERAL', 'RAZONSOCIALPORUNEG',              'NO',          '', 'Falso'),
    ('GENERAL', 'VALIDACODIGOBARRA',               'NO',          '', 'Falso'),
    -- Focus colours, blue-green-red: light yellow background, black text.
    ('GENERAL', 'CFONDO',                          '12648447',    '', 'Falso'),
    ('GENERAL', 'CLETRA',                          '0',           '', 'Falso'),
    ('GENERAL', 'MODULOORDENDETRABAJO',            'SI',          '', 'Falso'),
    ('GENERAL', 'V_MODIFICACPRECIO',               'SI',          '', 'Falso'),
    ('GENERAL', 'C_MODIFICACPRECIO',               'SI',          '', 'Falso'),
    ('GENERAL', 'MADERERA',                        'NO',          '', 'Falso'),
    ('GENERAL', 'MAXDTO',                          '10',          '', 'Falso'),
    ('GENERAL', 'MAXDTOPROFORMA',                  '5',           '', 'Falso'),
    ('GENERAL', 'PIDECLAVE_STOCKNEG',              'NO',          '', 'Falso'),
    ('GENERAL', 'PIDECLAVE_MARKUPBASE',            'NO',          '', 'Falso'),
    ('GENERAL', 'PIDECLAVE_LIMITECREDITO',         'NO',          '', 'Falso'),
    ('GENERAL', 'SS_BLOQUEOACTIVO',                'NO',          '', 'Falso'),
    ('GENERAL', 'UTILIZARFECHADIA',                'NO',          '', 'Falso'),
    ('GENERAL', 'ASIGNACIONAUTOMATICADELOTEING',   'NO',          '', 'Falso'),
    ('GENERAL', 'CONDIVAEMPRESA',                  '1',           '', 'Falso'),
    ('GENERAL', 'TOP_DEFAULT',                     '1000',        '', 'Falso');

-- "demo" is the login of the demo command line.
INSERT INTO ta_usuarios (Nombre, Grupo, UNegocio, verproforma, eMail_Server, email_usuario,
                         email_Password, Email_Nombre, email_ServerOtro) VALUES
    ('demo',  'ADMIN',   '   1', 1, 'OTRO',  'demo@example.com',  '', 'Usuario Demo', 'localhost'),
    ('JUAN',  'VENTAS',  '   2', 0, 'Gmail', 'juan@example.com',  '', 'Juan Pérez',   NULL),
    ('MARIA', 'COMPRAS', '',     0, NULL,    NULL,                NULL, NULL,         NULL);

INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES
    ('ESC01', 'ESCANEO.EXE',  'Escaneo de Documentos'),
    ('VTA01', 'VENTAS.EXE',   'Facturación'),
    ('CMP01', 'COMPRAS.EXE',  'Compras y Proveedores');

INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES
    ('demo',  'ESC01'),
    ('demo',  'VTA01'),
    ('JUAN',  'VTA01'),
    ('MARIA', 'CMP01'),
    ('MARIA', 'ESC01');

INSERT INTO Control_Acceso (Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario) VALUES
    ('PUESTO1', 'DEMO', 'ESCANEO', 'ESCANEO DE DOCUMENTOS', '2025-03-01 09:15:00', 'demo');

INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES
    ('1001', 'Ferreteria El Tornillo S.A.'),
    ('1002', 'Distribuidora Norte SRL'),
    ('1003', 'Pérez Juan Carlos'),
    ('2001', 'Papelera del Sur S.A.'),
    ('2002', 'Maderas Patagónicas SRL');

INSERT INTO MA_CUENTAS_USUARIOS (Cuenta, GrupoUser) VALUES
    ('1001', 'ADMIN'), ('1002', 'ADMIN'), ('1003', 'ADMIN'),
    ('2001', 'ADMIN'), ('2002', 'ADMIN'),
    ('1001', 'VENTAS'), ('1002', 'VENTAS'), ('1003', 'VENTAS'),
    ('2001', 'COMPRAS'), ('2002', 'COMPRAS');

INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA) VALUES
    ('FC  ', '000100000012A', 0, '1001', '2025-03-03 00:00:00', 0),
    ('FC  ', '000100000013A', 0, '1002', '2025-03-05 00:00:00', 0),
    ('FC  ', '000200000007B', 0, '1003', '2025-03-07 00:00:00', 0),
    ('NC  ', '000100000004A', 0, '1001', '2025-03-10 00:00:00', 0),
    ('ND  ', '000100000002A', 0, '1002', '2025-03-11 00:00:00', 0),
    ('TK  ', '000300000105B', 0, '1003', '2025-03-12 00:00:00', 0),
    ('RM  ', '000100000031R', 0, '1001', '2025-03-03 00:00:00', 0),
    ('PR  ', '000100000009X', 0, '1002', '2025-03-14 00:00:00', 0),
    ('FC  ', '000100000014A', 0, '1001', '2025-03-15 00:00:00', 1);

INSERT INTO C_MV_CPTE (CUENTA, TC, IDCOMPROBANTE, FECHA, ANULADA) VALUES
    ('2001', 'FCC ', '000400001520A', '2025-02-27 00:00:00', 0),
    ('2001', 'NCC ', '000400000211A', '2025-03-06 00:00:00', 0),
    ('2002', 'FCC ', '001200004410B', '2025-03-08 00:00:00', 0),
    ('2002', 'RMC ', '001200000873R', '2025-03-08 00:00:00', 0);

INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo,
                           Eliminado, EliminadoPor, ActualizadoPor, FhActualizado) VALUES
    ('1001', 'FC  000100000012A', '2025-03-03 00:00:00', 'demo', 'SCAN/', 'factura-0001-00000012.jpg',
     NULL, NULL, 'demo', '2025-03-03 00:00:00'),
    ('2001', 'FCC 000400001520A', '2025-03-01 00:00:00', 'demo', 'SCAN/', 'proveedor-0004-00001520.jpg',
     NULL, NULL, 'demo', '2025-03-01 00:00:00'),
    ('1002', 'ND  000100000002A', '2025-03-11 00:00:00', 'JUAN', 'SCAN/', 'nota-debito-0002.jpg',
     1, 'demo', 'JUAN', '2025-03-11 00:00:00');

-- Order tickets: a table's order ("PE"), and the kitchen ("PECO") and bar
-- ("PEBA") orders of the same kind, with items for the kitchen, the bar,
-- both, a long description, one more prepared than ordered, a weighed
-- article and prices on the half cent.
INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES
    ('EMPRESA', 'NOMBRE', 'La Fonda de Prueba'),
    ('EMPRESA', 'CALLE', 'Calle Mayor'),
    ('EMPRESA', 'NUMERO', '123'),
    ('EMPRESA', 'LOCALIDAD', 'Villa Ejemplo');

INSERT INTO V_TA_VENDEDORES (IDVENDEDOR, NOMBRE) VALUES
    ('07', 'Roberto Carlos Gimenez Fernandez'),
    ('08', 'Ana');

INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, PESABLE, TALLEDEFAULT) VALUES
    ('MIL01', 'Milanesa napolitana', 0, 'C'),
    ('CER01', 'Cerveza tirada', 0, 'B'),
    ('LIM01', 'Limonada con menta', 0, 'cb'),
    ('PAR01', 'Parrillada completa', 0, 'C'),
    ('QUE01', 'Queso por kilo', 1, 'C'),
    ('CAF01', 'Cafe', 0, 'B');

INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA, TRANSPORTE, IDVENDEDOR, NOMBRE,
                       IMPORTE) VALUES
    ('PE  ', '000100000101P', 0, '1001', '2025-03-20 00:00:00', 0, ' 12 ', '07 ', ' Cliente de Mostrador ', 8391.25),
    ('PECO', '000100000102P', 0, '1002', '2025-03-20 00:00:00', 0, '4', '08', 'Mesa del fondo', 0),
    ('PEBA', '000100000103P', 0, '1003', '2025-03-20 00:00:00', 0, '5', '08', 'Barra', 0);

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IDARTICULO, DESCRIPCION, CANTIDAD, CANTIDADPREPARADA,
                              CANTIDADAFACTURAR, IMPORTE_S_IVA, IMPORTE) VALUES
    (1, 'PE  ', '000100000101P', 'MIL01', 'Milanesa napolitana', 2, 1, 0, 1240.08, 1500.5),
    (2, 'PE  ', '000100000101P', 'CER01', 'Cerveza tirada', 3, 0, 1, 289.26, 350),
    (3, 'PE  ', '000100000101P', 'LIM01', 'Limonada con menta', 1, 1, 0, 330.58, 400),
    (4, 'PE  ', '000100000101P', 'PAR01',
     'Parrillada completa para cuatro personas con achuras, chorizos, morcillas y vacio a punto', 1, 0, 0,
     3305.79, 4000),
    (5, 'PE  ', '000100000101P', 'MIL01', 'Milanesa napolitana', 1, 2, 0, 1240.08, 1500.5),
    (6, 'PE  ', '000100000101P', 'QUE01', 'Queso por kilo', 0.35, 0, 0, 0.1, 0.125),
    (7, 'PE  ', '000100000101P', 'CAF01', 'Cafe', 1, 0, 0, 0.11, 0.135),
    (8, 'PECO', '000100000102P', 'MIL01', 'Milanesa napolitana', 2, 2, 0, 1240.08, 1500.5),
    (9, 'PEBA', '000100000103P', 'CER01', 'Cerveza tirada', 2, 0, 2, 289.26, 350);

-- Vouchers for the search and the voucher pages: more types, branches,
-- letters and dates (last year's too, some with a time of day), annulled
-- ones, scans of purchases and of an annulled voucher, a withdrawn purchase
-- scan and a scan without a location; then the heading of every voucher.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA) VALUES
    ('TKFC', '000300000210A', 0, '1003', '2024-12-28 10:35:00', 0),
    ('NP  ', '000100000045X', 0, '1001', '2025-03-18 00:00:00', 0),
    ('CB  ', '000100000077X', 0, '1002', '2025-02-14 00:00:00', 0),
    ('FP  ', '000200000020B', 0, '1001', '2024-11-05 00:00:00', 0),
    ('OT  ', '000100000101X', 0, '1002', '2025-01-10 00:00:00', 0),
    ('NC  ', '000200000005B', 0, '1003', '2025-03-19 00:00:00', 1),
    ('PG  ', '000100000033X', 0, '2001', '2025-03-20 00:00:00', 0);

INSERT INTO C_MV_CPTE (CUENTA, TC, IDCOMPROBANTE, FECHA, ANULADA) VALUES
    ('2001', 'NDC ', '000400000090A', '2025-01-22 00:00:00', 0),
    ('2001', 'OC  ', '000100000550X', '2024-10-02 00:00:00', 0),
    ('2002', 'FCC ', '001200004411B', '2025-03-21 00:00:00', 1);

INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo,
                           Eliminado, EliminadoPor, ActualizadoPor, FhActualizado) VALUES
    ('1003', 'TKFC000300000210A', '2024-12-28 10:40:12', 'demo', 'SCAN/', 'ticket-0003-00000210.jpg',
     0, NULL, 'demo', '2024-12-28 00:00:00'),
    ('2002', 'FCC 001200004410B', '2025-03-09 00:00:00', 'MARIA', 'SCAN/', 'proveedor-0012-00004410.jpg',
     1, 'MARIA', 'MARIA', '2025-03-09 00:00:00'),
    ('1003', 'NC  000200000005B', '2025-03-19 00:00:00', 'JUAN', 'SCAN/', 'credito-0002-00000005.jpg',
     NULL, NULL, 'JUAN', '2025-03-19 00:00:00'),
    ('1001', 'NP  000100000045X', '2025-03-18 16:42:10', 'demo', NULL, 'pedido-0001-00000045.jpg',
     NULL, NULL, 'demo', '2025-03-18 00:00:00'),
    ('2001', 'PG  000100000033X', '2025-03-20 00:00:00', 'MARIA', 'SCAN/', 'pago-0001-00000033.jpg',
     0, NULL, 'MARIA', '2025-03-20 00:00:00');

-- Addresses by account, net amounts by voucher (the vouchers above this
-- section's order tickets keep their own); 21 % VAT on the net.
CREATE TEMP TABLE DatosCuenta (CUENTA TEXT COLLATE SQLSRV, DOMICILIO TEXT, LOCALIDAD TEXT, CP TEXT, TELEFONO TEXT);
INSERT INTO DatosCuenta VALUES
    ('1001', 'Av. Colón 1540', 'Córdoba', '5000', '351-4221100'),
    ('1002', 'Ruta 9 km 12', 'Villa María', '5900', '353-4530022'),
    ('1003', 'Belgrano 77', 'Río Cuarto', '5800', '358-4641234'),
    ('2001', 'Av. Roca 2100', 'Bahía Blanca', '8000', '291-4550101'),
    ('2002', 'Los Arrayanes 35', 'Bariloche', '8400', '294-4423344');

CREATE TEMP TABLE NetoComprobante (TC TEXT COLLATE SQLSRV, IDCOMPROBANTE TEXT COLLATE SQLSRV, NETO NUMERIC);
INSERT INTO NetoComprobante VALUES
    ('FC', '000100000012A', 15000), ('FC', '000100000013A', 8250.5), ('FC', '000200000007B', 1200),
    ('NC', '000100000004A', 2500), ('ND', '000100000002A', 310), ('TK', '000300000105B', 845.25),
    ('RM', '000100000031R', 0), ('PR', '000100000009X', 42000), ('FC', '000100000014A', 5300),
    ('TKFC', '000300000210A', 1999.99), ('NP', '000100000045X', 7600), ('CB', '000100000077X', 8250.5),
    ('FP', '000200000020B', 640), ('OT', '000100000101X', 12500), ('NC', '000200000005B', 1200),
    ('PG', '000100000033X', 30000),
    ('FCC', '000400001520A', 22000), ('NCC', '000400000211A', 1500), ('FCC', '001200004410B', 98000),
    ('RMC', '001200000873R', 0), ('NDC', '000400000090A', 420), ('OC', '000100000550X', 56000),
    ('FCC', '001200004411B', 3100);

UPDATE V_MV_CPTE SET
    NOMBRE = (SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = V_MV_CPTE.CUENTA),
    DOMICILIO = (SELECT DOMICILIO FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA),
    LOCALIDAD = (SELECT LOCALIDAD FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA),
    CODIGOPOSTAL = (SELECT CP FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA),
    TELEFONO = (SELECT TELEFONO FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA),
    IMPORTE_S_IVA = (SELECT NETO FROM NetoComprobante n
                     WHERE n.TC = V_MV_CPTE.TC AND n.IDCOMPROBANTE = V_MV_CPTE.IDCOMPROBANTE),
    UNEGOCIO = '   1', IDVENDEDOR = '07', IDCOND_CPRA_VTA = '1', MONEDA = '1', COTIZACION = 1,
    PORCDESCUENTO1 = 0, IMPDESCUENTO1 = 0, PORCDESCUENTO2 = 0, IMPDESCUENTO2 = 0,
    PORCDESCUENTO3 = 0, IMPDESCUENTO3 = 0, PORCDESCUENTO4 = 0, IMPDESCUENTO4 = 0,
    IMPORTEIMPUESTOSINTERNOS = 0, ALICIVA = 21, ALICIVA2 = 0, ALICIVA3 = 0, ALICIVA4 = 0,
    IMPORTEIVA2 = 0, IMPIVA3 = 0, IMPIVA4 = 0, ALICIVAREC = 0, IMPORTEIVAREC = 0,
    RETIVA_IMPORTE = 0, RETGAN_IMPORTE = 0, RETIBR_IMPORTE = 0
    WHERE EXISTS (SELECT 1 FROM NetoComprobante n
                  WHERE n.TC = V_MV_CPTE.TC AND n.IDCOMPROBANTE = V_MV_CPTE.IDCOMPROBANTE);
UPDATE V_MV_CPTE SET IMPORTEIVA = ROUND(IMPORTE_S_IVA * 0.21, 2), IMPORTE = ROUND(IMPORTE_S_IVA * 1.21, 2)
    WHERE IMPORTE_S_IVA IS NOT NULL;

UPDATE C_MV_CPTE SET
    NOMBRE = (SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = C_MV_CPTE.CUENTA),
    DOMICILIO = (SELECT DOMICILIO FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA),
    LOCALIDAD = (SELECT LOCALIDAD FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA),
    CODIGOPOSTAL = (SELECT CP FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA),
    TELEFONO = (SELECT TELEFONO FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA),
    IMPORTE_S_IVA = (SELECT NETO FROM NetoComprobante n
                     WHERE n.TC = C_MV_CPTE.TC AND n.IDCOMPROBANTE = C_MV_CPTE.IDCOMPROBANTE),
    UNEGOCIO = '   1',
    PORCDESCUENTO1 = 0, IMPDESCUENTO1 = 0, PORCDESCUENTO2 = 0, IMPDESCUENTO2 = 0,
    PORCDESCUENTO3 = 0, IMPDESCUENTO3 = 0, PORCDESCUENTO4 = 0, IMPDESCUENTO4 = 0,
    IMPORTEIMPUESTOSINTERNOS = 0, ALICIVA = 21, ALICIVA2 = 0, IMPORTEIVA2 = 0, ALICIVAREC = 0, IMPORTEIVAREC = 0
    WHERE EXISTS (SELECT 1 FROM NetoComprobante n
                  WHERE n.TC = C_MV_CPTE.TC AND n.IDCOMPROBANTE = C_MV_CPTE.IDCOMPROBANTE);
UPDATE C_MV_CPTE SET IMPORTEIVA = ROUND(IMPORTE_S_IVA * 0.21, 2), IMPORTE = ROUND(IMPORTE_S_IVA * 1.21, 2)
    WHERE IMPORTE_S_IVA IS NOT NULL;

UPDATE V_MV_CPTE SET OBSERVACIONES = 'Entregar por la mañana', COMENTARIOS = 'Cliente habitual'
    WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000012A';
UPDATE V_MV_CPTE SET MATRICULA = 'AB123CD', MODELO = 'Hilux', SERIE = '8AJFA22G',
    FECHAESTINICIO = '2025-01-10 00:00:00', FECHAESTFIN = '2025-01-24 00:00:00'
    WHERE TC = 'OT' AND IDCOMPROBANTE = '000100000101X';

DROP TABLE DatosCuenta;
DROP TABLE NetoComprobante;
