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

-- ---------------------------------------------------------------------------
-- Voucher web page: the header data, detail lines, totals, applications,
-- receptions and history of the demo vouchers. The sales invoice FC
-- 0001-00000013A and the purchase invoice FCC 0004-00001520A fill every
-- section of their pages; the purchase order OC 0001-00000045A has its
-- reception reports; the credit note NC 0001-00000004A has no tasks.
-- ---------------------------------------------------------------------------

INSERT INTO TA_COMPROBANTES (CODIGO, DESCRIPCION) VALUES
    ('FC  ', 'Factura'),
    ('NC  ', 'Nota de Crédito'),
    ('ND  ', 'Nota de Débito'),
    ('TK  ', 'Ticket'),
    ('RM  ', 'Remito'),
    ('PR  ', 'Presupuesto'),
    ('CB  ', 'Recibo'),
    ('PG  ', 'Orden de Pago'),
    ('FCC ', 'Factura de Compra'),
    ('NCC ', 'Nota de Crédito de Compra'),
    ('RMC ', 'Remito de Compra'),
    ('OC  ', 'Orden de Compra');

INSERT INTO MA_CUENTASADIC (CODIGO, CONTACTO) VALUES
    ('1001', 'Marta Ruiz'),
    ('1002', 'Oscar Díaz'),
    ('2001', 'Jorge Paz'),
    ('2002', 'Lucía Ferro');

INSERT INTO V_TA_UNIDADNEGOCIO (CODIGO, DESCRIPCION) VALUES
    (1, 'Casa Central'),
    (2, 'Sucursal Norte');

INSERT INTO V_TA_VENDEDORES (IDVENDEDOR, NOMBRE) VALUES
    ('3', 'Carlos Gómez'),
    ('4', 'Ana Torres');

INSERT INTO V_TA_CPRA_VTA (IDCOND_CPRA_VTA, DESCRIPCION) VALUES
    (1, 'Contado'),
    (2, 'Cuenta corriente 30 días');

UPDATE V_MV_CPTE SET NOMBRE = 'Distribuidora Norte SRL', DOMICILIO = 'Ruta 40 km 12',
    LOCALIDAD = 'San Juan', CODIGOPOSTAL = '5400', OBSERVACIONES = 'Entregar por la mañana',
    COMENTARIOS = 'Precios & plazos <según lista 3>', TELEFONO = '264-4200000', MATRICULA = 'AB123CD',
    MODELO = 'Ranger XL', SERIE = 'S-998', FECHAESTINICIO = '2025-03-01 00:00:00',
    FECHAESTFIN = '2025-03-31 00:00:00', UNEGOCIO = 1, IDVENDEDOR = 3, IDCOND_CPRA_VTA = 2, MONEDA = 1,
    COTIZACION = 1, IMPORTE = 3415.5, IMPORTE_S_IVA = 2900, PORCDESCUENTO1 = 5, IMPDESCUENTO1 = 145,
    PORCDESCUENTO2 = 2.5, IMPDESCUENTO2 = 68.88, PORCDESCUENTO3 = 0, IMPDESCUENTO3 = 0,
    IMPORTEIMPUESTOSINTERNOS = 12.5, ALICIVA = 21, ALICIVA2 = 10.5, IMPORTEIVA = 504, IMPORTEIVA2 = 31.5,
    ALICIVAREC = 0, IMPORTEIVAREC = 0, RETIVA_IMPORTE = 15, RETGAN_IMPORTE = 0, RETIBR_IMPORTE = 20.25
WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000013A';

UPDATE V_MV_CPTE SET NOMBRE = 'Ferreteria El Tornillo S.A.', DOMICILIO = 'Av. San Martín 1234',
    LOCALIDAD = 'Mendoza', CODIGOPOSTAL = '5500', TELEFONO = '261-4200000', UNEGOCIO = 1, IDVENDEDOR = 3,
    IDCOND_CPRA_VTA = 1, IMPORTE = 150.5, IMPORTE_S_IVA = 124.38, ALICIVA = 21, IMPORTEIVA = 26.12,
    RETIVA_IMPORTE = 0, RETGAN_IMPORTE = 0, RETIBR_IMPORTE = 0, IMPORTEIMPUESTOSINTERNOS = 0
WHERE TC = 'NC' AND IDCOMPROBANTE = '000100000004A';

UPDATE V_MV_CPTE SET NOMBRE = 'Ferreteria El Tornillo S.A.', IMPORTE = 500, IMPORTE_S_IVA = 413.22,
    ALICIVA = 21, IMPORTEIVA = 86.78
WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000014A';

UPDATE C_MV_CPTE SET NOMBRE = 'Papelera del Sur S.A.', DOMICILIO = 'Calle 7 N° 850', LOCALIDAD = 'La Plata',
    CODIGOPOSTAL = '1900', OBSERVACIONES = 'Mercadería recibida conforme', COMENTARIOS = 'Pago a 60 días',
    TELEFONO = '221-4830000', UNEGOCIO = 1, IMPORTE = 2689.28, IMPORTE_S_IVA = 2150, PORCDESCUENTO1 = 3,
    IMPDESCUENTO1 = 64.5, IMPORTEIMPUESTOSINTERNOS = 0, ALICIVA = 21, ALICIVA2 = 10.5, IMPORTEIVA = 420,
    IMPORTEIVA2 = 15.75, ALICIVAREC = 0, IMPORTEIVAREC = 0
WHERE CUENTA = '2001' AND TC = 'FCC' AND IDCOMPROBANTE = '000400001520A';

UPDATE C_MV_CPTE SET NOMBRE = 'Papelera del Sur S.A.', IMPORTE = 242, IMPORTE_S_IVA = 200, ALICIVA = 21,
    IMPORTEIVA = 42
WHERE CUENTA = '2001' AND TC = 'NCC' AND IDCOMPROBANTE = '000400000211A';

INSERT INTO C_MV_CPTE (CUENTA, TC, IDCOMPROBANTE, FECHA, ANULADA, NOMBRE, DOMICILIO, LOCALIDAD, CODIGOPOSTAL,
                       TELEFONO, UNEGOCIO, IMPORTE, IMPORTE_S_IVA, ALICIVA, IMPORTEIVA) VALUES
    ('2002', 'OC  ', '000100000045A', '2025-03-04 00:00:00', 0, 'Maderas Patagónicas SRL', 'Av. Roca 77',
     'Neuquén', '8300', '299-4470000', 2, 6050, 5000, 21, 1050);

INSERT INTO V_MV_CPTEINSUMOS (ID, TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO, DESCRIPCION, ALICIVA,
                              IMPORTE_S_IVA, IDUNIDAD, CANTIDAD, IMPORTE, TOTAL, IMPORTEDTO) VALUES
    (101, 'FC  ', '000100000013A', 0, 'TORN-001', 'Tornillo hexagonal 1/2" x 2', 21, 12.5, 'UN', 40, 15.125, 605, 0),
    (102, 'FC  ', '000100000013A', 0, ' CLAV-10 ', '  Clavos 2" (caja x 500)  ', 21, 80, 'CJ', 10, 96.8, 968,
     48.4),
    (103, 'FC  ', '000100000013A', 0, 'PINT-20', 'Pintura látex blanca 20 L', 10.5, 300, 'LT', 3, 331.5, 994.5, 0),
    (104, 'NC  ', '000100000004A', 0, 'TORN-001', 'Devolución tornillos', 21, 12.5, 'UN', 9.95, 15.125, 150.5, 0);

INSERT INTO V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA, DESCRIPCION, HORAS, VALORHORA, TOTAL) VALUES
    ('FC  ', '000100000013A', 0, 'T01', 'Armado de estantería', 90, 1500, 2250),
    ('FC  ', '000100000013A', 0, 'T02', 'Flete y descarga', 45, 800, 600);

INSERT INTO V_MV_CPTE_OBSERV (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_OBS, OBSERVACION, IMPORTE) VALUES
    ('FC  ', '000100000013A', 0, 'EN', 'Cliente de cuenta corriente', NULL),
    ('FC  ', '000100000013A', 0, 'PP', ' Embalaje especial ', 35.5),
    ('NC  ', '000100000004A', 0, 'PP', 'Devolución por falla', NULL);

INSERT INTO C_MV_CPTEINSUMOS (CUENTA, TC, IDCOMPROBANTE, IDARTICULO, DESCRIPCION, IDUNIDAD, CANTIDAD, IMPORTE,
                              TOTAL) VALUES
    ('2001', 'FCC ', '000400001520A', 'PAP-A4', 'Resma papel A4 80 g', 'UN', 100, 18.5, 1850),
    ('2001', 'FCC ', '000400001520A', 'CART-01', 'Cartulina color', 'PL', 200, 1.5, 300),
    ('2002', 'OC  ', '000100000045A', 'TAB-PINO', 'Tablón de pino 2"x6"', 'UN', 250, 20, 5000);

INSERT INTO C_MV_CPTETAREAS (CUENTA, TC, IDCOMPROBANTE, IDTAREA, DESCRIPCION, HORAS, VALORHORA, TOTAL) VALUES
    ('2001', 'FCC ', '000400001520A', 'DESC', 'Descarga en depósito', 30, 400, 200);

INSERT INTO C_MV_CPTE_OBSERV (CUENTA, TC, IDCOMPROBANTE, TIPO_OBS, OBSERVACION, IMPORTE) VALUES
    ('2001', 'FCC ', '000400001520A', 'OC', 'Bonificación por volumen', -64.5);

INSERT INTO MV_APLICACION (CUENTA, TC, SUCURSAL, NUMERO, LETRA, IDCOMPROBANTE, TCO_ORIGEN, SUCURSAL_ORIGEN,
                           NUMERO_ORIGEN, LETRA_ORIGEN, IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT,
                           IDCOMPROBANTE_PRINT) VALUES
    ('1002', 'FC  ', '0001', '00000013', 'A', '000100000013A', 'RM  ', '0001', '00000031', 'R', '000100000031R',
     605, NULL, NULL),
    ('1001', 'NC  ', '0001', '00000004', 'A', '000100000004A', 'FC  ', '0001', '00000013', 'A', '000100000013A',
     150.5, 'NC', '000100000004A'),
    ('1002', 'CB  ', '0001', '00000077', 'A', '000100000077A', 'FC  ', '0001', '00000013', 'A', '000100000013A',
     3265, 'CB', '000100000077A'),
    ('2001', 'NCC ', '0004', '00000211', 'A', '000400000211A', 'FCC ', '0004', '00001520', 'A', '000400001520A',
     242, NULL, NULL),
    ('2001', 'PG  ', '0001', '00000031', 'X', '000100000031X', 'FCC ', '0004', '00001520', 'A', '000400001520A',
     2447.28, 'PG', '000100000031X'),
    -- Another supplier's voucher of the same type and number.
    ('2002', 'NCC ', '0004', '00000300', 'A', '000400000300A', 'FCC ', '0004', '00001520', 'A', '000400001520A',
     99, NULL, NULL);

INSERT INTO V_MV_STOCK (FECHA, TC, IDCOMPROBANTE, TC_ORIGEN, IDCOMPROBANTE_ORIGEN, SECUENCIA) VALUES
    ('2025-03-08 00:00:00', 'RMC ', '001200000873R', 'OC  ', '000100000045A', 1),
    ('2025-03-08 00:00:00', 'RMC ', '001200000873R', 'OC  ', '000100000045A', 2),
    ('2025-03-12 00:00:00', 'RMC ', '001200000880R', 'OC  ', '000100000045A', 1);

INSERT INTO V_MV_CPTEACCIONES (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_ACCION, FECHAHORA, USUARIO, PC,
                               SYSTEMUSER) VALUES
    ('FC  ', '000100000013A', 0, 'A', '2025-03-03 10:15:00', 'demo', 'PUESTO1', 'sa'),
    ('FC  ', '000100000013A', 0, 'm', '2025-03-04 16:40:12', 'JUAN', 'PUESTO2', 'sa'),
    ('FC  ', '000100000013A', 0, 'I', '2025-03-05 09:00:00', 'JUAN', 'PUESTO2', 'sa'),
    ('FC  ', '000100000013A', 1, 'B', '2025-03-06 09:00:00', 'demo', 'PUESTO1', 'sa'),
    ('FCC ', '000400001520A', 0, 'A', '2025-02-27 11:30:00', 'MARIA', 'COMPRAS1', 'sa');

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

-- Voucher print data: currencies, the vouchers' totals and currencies, and
-- the lines, tasks, diaries and observations the print table is built from.
-- FC 0001-00000012 A has supplies with batches and serial numbers, other
-- concepts and a header and a footer; FC 0002-00000007 B is in dollars; the
-- delivery note RM 0001-00000031 R comes from the order NP 0001-00000020 X,
-- which still has lines pending; the work order OT 0001-00000050 X has tasks
-- (one with an additional text), a task done only through diary entries,
-- supplies and concepts; the proforma FP 0001-00000060 A is printed with its
-- VAT added.
INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux, PoliticaNegocio) VALUES
    ('GENERAL', 'RETAIL',          'SI', '', 'Falso'),
    ('GENERAL', 'ROBAIVAPROFORMA', 'SI', '', 'Falso');

INSERT INTO TA_MONEDAS (CODIGO, DESCRIPCION) VALUES
    ('1   ', 'Pesos'),
    ('2   ', 'Dólares'),
    ('3   ', 'Euros');

UPDATE V_MV_CPTE SET MONEDA = '1   ' WHERE MONEDA IS NULL;
UPDATE V_MV_CPTE SET IMPORTE = 870.00 WHERE IMPORTE IS NULL;
UPDATE V_MV_CPTE SET IMPORTE = 1234.50 WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000012A';
UPDATE V_MV_CPTE SET MONEDA = '2   ', IMPORTE = 350.75 WHERE TC = 'FC' AND IDCOMPROBANTE = '000200000007B';
UPDATE V_MV_CPTE SET IMPORTE = 460.00, TCORIGEN = 'NP  ', COMPROBANTEORIGEN = '000100000020X'
 WHERE TC = 'RM' AND IDCOMPROBANTE = '000100000031R';

INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA, MONEDA, IMPORTE) VALUES
    ('NP  ', '000100000020X', 0, '1001', '2025-02-28 00:00:00', 0, '1   ', 840.00),
    ('OT  ', '000100000050X', 0, '1003', '2025-03-18 00:00:00', 0, '1   ', 18150.00),
    ('FP  ', '000100000060A', 0, '1002', '2025-03-19 00:00:00', 0, '1   ', 200.00);

INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO, DESCRIPCION, IDUNIDAD, CANTIDAD,
                              IMPORTE, TOTAL, IMPORTE_S_IVA, ALICIVA, CONDICIONIVA, NRO_LOTE, NRO_SERIE, PORCDTO,
                              IMPUESTOS, CONTROLADOPOR, CANTIDADUD, IDUNIDADBASE, EQUIV_UDBASE, CANTIDAD_ORIGEN,
                              UD_PR, IMPORTE_UD) VALUES
    ('FC  ', '000100000012A', 0, 'ART001', 'Tornillo ''Parker'' 8x1', 'UN', 100, 5.00, 500.00, 4.1322, 21, '1',
     'L-0312|L-0318|', '60|40|', 0, 0, 1, 100, 'UN', 1, 100, NULL, NULL),
    ('FC  ', '000100000012A', 0, 'ART002', 'Taladro percutor 750W', 'UN', 2, 200.00, 400.00, 165.2893, 21, '1',
     NULL, 'TP-88121 |TP-88122 |', 0, 0, 2, 2, 'UN', 1, 2, NULL, NULL),
    ('FC  ', '000100000012A', 0, 'ART003', 'Cable unipolar 2,5 mm', 'MT', 50, 6.69, 334.50, 5.5289, 21, '1',
     'C25-A|C25-B|', '30|20|', 2.5, 0, 1, 50, 'MT', 1, 50, 'ML', 6.69),
    ('FC  ', '000200000007B', 0, 'ART010', 'Licencia software anual', 'UN', 1, 350.75, 350.75, 289.876, 21, '5',
     NULL, NULL, 0, 0, 0, 1, 'UN', 1, 1, NULL, NULL),
    ('NP  ', '000100000020X', 0, 'ART001', 'Tornillo Parker 8x1', 'UN', 100, 5.00, 500.00, 4.1322, 21, '1',
     NULL, NULL, 0, 0, 1, 100, 'UN', 1, 100, NULL, NULL),
    ('NP  ', '000100000020X', 0, 'ART004', 'Arandela plana 8 mm', 'UN', 200, 0.80, 160.00, 0.6612, 21, '1',
     NULL, NULL, 0, 0, 0, 200, 'UN', 1, 200, NULL, NULL),
    ('NP  ', '000100000020X', 0, 'ART005', 'Tuerca hexagonal 8 mm', 'UN', 150, 1.20, 180.00, 0.9917, 21, '1',
     'T8-07|', NULL, 0, 0, 1, 150, 'UN', 1, 150, NULL, NULL),
    ('RM  ', '000100000031R', 0, 'ART001', 'Tornillo Parker 8x1', 'UN', 60, 5.00, 300.00, 4.1322, 21, '1',
     'L-0318|', '60|', 0, 0, 1, 60, 'UN', 1, 100, NULL, NULL),
    ('RM  ', '000100000031R', 0, 'ART004', 'Arandela plana 8 mm', 'UN', 200, 0.80, 160.00, 0.6612, 21, '1',
     NULL, NULL, 0, 0, 0, 200, 'UN', 1, 200, NULL, NULL),
    ('OT  ', '000100000050X', 0, 'ART003', 'Cable unipolar 2,5 mm', 'MT', 10, 6.69, 66.90, 5.5289, 21, '5',
     'C25-B|', '10|', 0, 0, 1, 10, 'MT', 1, 10, NULL, NULL),
    ('FP  ', '000100000060A', 0, 'ART006', 'Lámpara LED 12W', 'UN', 2, 100.00, 200.00, 100.00, 21, '1',
     NULL, NULL, 0, 0, 0, 2, 'UN', 1, 2, NULL, NULL);

INSERT INTO V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA, DESCRIPCION, DESCRIPCIONADICIONAL, HORAS,
                             VALORHORA, TOTAL, VALORHORA_S_IVA) VALUES
    ('OT  ', '000100000050X', 0, 'T01', 'Diagnóstico de falla',
     'Revisión del tablero principal' || char(13, 10) || 'y de las protecciones.', 90, 5000, 7500, 4132.2314),
    ('OT  ', '000100000050X', 0, 'T02', 'Cambio de interruptor', '  ', 45, 5000, 3750, 4132.2314);

INSERT INTO V_MV_DIARIOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA, DESCRIPCION, OBSERVACIONES, MINUTOS) VALUES
    ('OT  ', '000100000050X', 0, 'T03', 'Guardia nocturna', 'Sin novedades', 240),
    ('OT  ', '000100000050X', 0, 'T03', 'Guardia nocturna', NULL, 180);

INSERT INTO V_MV_CPTE_OBSERV (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_OBS, OBSERVACION, IMPORTE, IMPORTE_S_IVA) VALUES
    ('FC  ', '000100000012A', 0, 'EN', 'Pedido telefónico del 28/02', NULL, NULL),
    ('FC  ', '000100000012A', 0, 'PP', 'Gracias por su compra', NULL, NULL),
    ('FC  ', '000100000012A', 0, 'OC', 'Flete sin cargo', 0, 0),
    ('FC  ', '000100000012A', 0, 'OC', 'Entrega en obra', 60.50, 50.00),
    ('FC  ', '000200000007B', 0, 'OC', 'Soporte remoto incluido', 12.10, 10.00),
    ('RM  ', '000100000031R', 0, 'EN', 'Entregar por portería', NULL, NULL),
    ('OT  ', '000100000050X', 0, 'EN', 'Orden urgente', NULL, NULL),
    ('OT  ', '000100000050X', 0, 'PP', 'Garantía de 90 días sobre la mano de obra', NULL, NULL),
    ('OT  ', '000100000050X', 0, 'OC', 'Trabajo en altura', 6833.10, 5647.19);

-- Receipt and payment-order print data. CB 101 applies three sales vouchers
-- (one with a credit note on the same print) and pays with a cheque and a VAT
-- withholding; CBCT 102 applies one voucher and pays with five journal lines;
-- CBFP 103 has no journal lines and its withholdings on the voucher. PG 201
-- applies one purchase voucher with three journal lines; OPG 202 applies two
-- (one found in no view) with one debit.
INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, CODIGOOPCIONAL, MEDIODEPAGO, TIPOVISTA) VALUES
    ('1.1.01', 'Caja', 'CAJA', 'EF', NULL),
    ('1.1.02', 'Valores a depositar', 'VALORES', ' ch ', 'VA'),
    ('1.1.03', 'Banco Nación cuenta corriente', 'BNA', 'CH', 'BC'),
    ('1.1.04', 'Débito automático', NULL, 'DB', NULL),
    ('1.1.05', 'Tarjeta Visa', 'VISA', 'TJ', NULL),
    ('2.1.01', 'Retención IVA sufrida', NULL, NULL, NULL),
    ('2.1.02', 'Retención IIBB sufrida', NULL, NULL, NULL),
    ('2.1.03', 'Retención Ganancias sufrida', NULL, NULL, NULL),
    ('2.2.03', 'Retención Ganancias efectuada', NULL, NULL, NULL),
    ('4.1.01', 'Descuentos otorgados', NULL, NULL, NULL),
    ('4.1.02', 'Descuentos obtenidos', NULL, NULL, NULL);

INSERT INTO TA_CUENTASIVA (CB_RETIVA, CB_RETIB, CB_RETGAN, CB_DESCUENTO, PG_RETIVA, PG_RETIB, PG_RETGAN,
                           PG_DESCUENTO, CFI_RETPERC, CFI_RETIBTOS, CFI_RETIGAN) VALUES
    ('2.1.01', '  ', '2.1.03', '4.1.01', '', NULL, '2.2.03', ' ', '2.1.01', '2.1.02', '2.1.03');

INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux) VALUES
    ('RECIBOS', 'CuentaDesCuentosObtenidos', '4.1.02', NULL);

INSERT INTO V_TA_CPTE (CODIGO, DESCRIPCION, SISTEMA) VALUES
    ('FC  ', 'Factura', 'VENTAS'),
    ('ND  ', 'Nota de débito', 'VENTAS'),
    ('NC  ', 'Nota de crédito', 'VENTAS'),
    ('FCC ', 'Factura de compra', ' compras '),
    ('NCC ', 'Nota de crédito de compra', 'COMPRAS');

INSERT INTO V_TA_BANCOS (IDBANCO, DESCRIPCION) VALUES
    ('011', 'Banco de la Nación Argentina'),
    ('007', 'Banco de Galicia');

UPDATE C_MV_CPTE SET IMPORTE = 300.00 WHERE TC = 'FCC' AND IDCOMPROBANTE = '001200004410B';

INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA, MONEDA, IMPORTE,
                       RETGAN_IMPORTE, RETIVA_IMPORTE, RETIBR_IMPORTE, IMPDESCUENTO1) VALUES
    ('CB  ', '000100000101A', 0, '1001', '2025-03-20 00:00:00', 0, '1   ', 1870.00, 0, 100, 0, 0),
    ('CBCT', '000100000102A', 0, '1002', '2025-03-21 00:00:00', 0, '1   ', 450.00, 0, 0, 0, 50),
    ('CBFP', '000100000103A', 0, '1003', '2025-03-22 00:00:00', 0, '1   ', 315.75, 10.00, 20.00, 5.00, 0);

INSERT INTO MV_APLICACION (CUENTA, TC, IDCOMPROBANTE, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, SUCURSAL_ORIGEN,
                           NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT) VALUES
    ('1001', 'CB  ', '000100000101A', 'FC  ', '000100000012A', '0001', '00000012', 'A', 1000.00, 'CB  ', '000100000101A'),
    ('1001', 'NC  ', '000100000004A', 'FC  ', '000100000012A', '0001', '00000012', 'A', 234.50, 'CB  ', '000100000101A'),
    ('1001', 'CB  ', '000100000101A', 'FC  ', '000100000013A', '0001', '00000013', 'A', 870.00, 'CB  ', '000100000101A'),
    ('1001', 'CB  ', '000100000101A', 'ND  ', '000100000002A', '0001', '00000002', 'A', 100.00, 'CB  ', '000100000101A'),
    ('1002', 'CBCT', '000100000102A', 'FC  ', '000100000013A', '0001', '00000013', 'A', 500.00, 'CBCT', '000100000102A'),
    ('1003', 'CBFP', '000100000103A', 'FC  ', '000200000007B', '0002', '00000007', 'B', 350.75, 'CBFP', '000100000103A'),
    ('2001', 'PG  ', '000100000201A', 'FCC ', '000400001520A', '0004', '00001520', 'A', 700.00, 'PG  ', '000100000201A'),
    ('2001', 'NCC ', '000400000211A', 'FCC ', '000400001520A', '0004', '00001520', 'A', 100.00, 'PG  ', '000100000201A'),
    ('2002', 'OPG ', '000100000202A', 'FCC ', '001200004410B', '0012', '00004410', 'B', 300.00, 'OPG ', '000100000202A'),
    ('2002', 'OPG ', '000100000202A', 'FCC ', '001200009999B', '0012', '00009999', 'B', 50.00, 'OPG ', '000100000202A');
-- The applying voucher's number in parts, as the voucher pages link it.
UPDATE MV_APLICACION SET SUCURSAL = substr(IDCOMPROBANTE, 1, 4), NUMERO = substr(IDCOMPROBANTE, 5, 8),
    LETRA = substr(IDCOMPROBANTE, 13, 1)
WHERE SUCURSAL IS NULL;

INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, CUENTA, DETALLE, IMPORTE, FECHA, CABIMPORTE, FECHASUBDIARIO,
                         CHPROPIO, NROCOMPROBANTEBANCARIO, TJ_OBSERVACIONES, IDBANCO, VENCIMIENTO, TJ_NROCUPON,
                         TJ_NROSOCIO, TJ_CUOTAS) VALUES
    ('CB  ', '0001', '00000101', 'A', '1.1.02', 'Cobranza marzo', 1770.00, '2025-03-20 00:00:00', 1870.00, NULL,
     NULL, 'ch-0012345', '20/12345678/9', '011', '2025-04-10 00:00:00', NULL, NULL, NULL),
    ('CB  ', '0001', '00000101', 'A', '2.1.01', 'Retención IVA', 100.00, '2025-03-20 00:00:00', 1870.00, NULL,
     NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('CBCT', '0001', '00000102', 'A', '1.1.05', '  ', 200.00, '2025-03-21 00:00:00', 450.00, NULL,
     NULL, NULL, NULL, NULL, NULL, 'cup-778', '4509', 3),
    ('CBCT', '0001', '00000102', 'A', '1002', 'Cobranza contado', -500.00, '2025-03-21 00:00:00', 450.00, NULL,
     NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('CBCT', '0001', '00000102', 'A', '1.1.03', NULL, 150.00, '2025-03-21 00:00:00', 450.00, NULL,
     1, '0000456', NULL, '999', '2025-03-28 00:00:00', NULL, NULL, NULL),
    ('CBCT', '0001', '00000102', 'A', '1.1.04', NULL, 100.00, '2025-03-21 00:00:00', 450.00, NULL,
     0, 'db-31', NULL, '007', '2025-03-21 00:00:00', NULL, NULL, NULL),
    ('CBCT', '0001', '00000102', 'A', '4.1.01', NULL, 50.00, '2025-03-21 00:00:00', 450.00, NULL,
     NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('PG  ', '0001', '00000201', 'A', '1.1.03', 'Pago a proveedor', 500.00, '2025-03-24 00:00:00', 700.00, NULL,
     1, '0000789', NULL, '011', '2025-04-24 00:00:00', NULL, NULL, NULL),
    ('PG  ', '0001', '00000201', 'A', '1.1.01', NULL, 100.00, '2025-03-24 00:00:00', 700.00, NULL,
     NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('PG  ', '0001', '00000201', 'A', '2.2.03', NULL, 100.00, '2025-03-24 00:00:00', 700.00, NULL,
     NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('FCC ', '0004', '00001520', 'A', '2001', 'Factura de compra', 1500.00, '2025-02-27 00:00:00', 1500.00,
     '2025-02-28 00:00:00', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
    ('OPG ', '0001', '00000202', 'A', '1.1.04', 'Débito de proveedor', 350.00, '2025-03-25 00:00:00', 350.00, NULL,
     NULL, 'db-99', NULL, '007', '2025-03-25 00:00:00', NULL, NULL, NULL);
-- The perceptions the purchase page shows, on the purchase invoice's entry.
UPDATE MV_ASIENTOS SET LIVA_RET_PERC = 64.5, LIVA_RET_IBTOS = 39.03
WHERE TC = 'FCC ' AND SUCURSAL = '0004' AND NUMERO = '00001520' AND LETRA = 'A';

INSERT INTO VE_SALDOAPLICACION (CUENTA, TCO_ORIGEN, SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, SALDO) VALUES
    ('1001', 'FC  ', '0001', '00000012', 'A', 0),
    ('1002', 'FC  ', '0001', '00000013', 'A', 370.00),
    ('2001', 'FCC ', '0004', '00001520', 'A', 700.00),
    ('2002', 'FCC ', '0012', '00004410', 'B', 0);

-- Vouchers for the search and the voucher pages: more types, branches,
-- letters and dates (last year's too, some with a time of day), annulled
-- ones, scans of purchases and of an annulled voucher, a withdrawn purchase
-- scan and a scan without a location; then the heading of every voucher,
-- leaving alone whatever a section above already set.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, FECHA, ANULADA, MONEDA, IMPORTE) VALUES
    ('TKFC', '000300000210A', 0, '1003', '2024-12-28 10:35:00', 0, '1   ', 2419.99),
    ('NP  ', '000100000045X', 0, '1001', '2025-03-18 00:00:00', 0, '1   ', 9196),
    ('CB  ', '000100000077X', 0, '1002', '2025-02-14 00:00:00', 0, '1   ', 9983.11),
    ('FP  ', '000200000020B', 0, '1001', '2024-11-05 00:00:00', 0, '1   ', 774.4),
    ('OT  ', '000100000101X', 0, '1002', '2025-01-10 00:00:00', 0, '1   ', 15125),
    ('NC  ', '000200000005B', 0, '1003', '2025-03-19 00:00:00', 1, '1   ', 1452),
    ('PG  ', '000100000033X', 0, '2001', '2025-03-20 00:00:00', 0, '1   ', 36300);

INSERT INTO C_MV_CPTE (CUENTA, TC, IDCOMPROBANTE, FECHA, ANULADA, IMPORTE) VALUES
    ('2001', 'NDC ', '000400000090A', '2025-01-22 00:00:00', 0, 508.2),
    ('2001', 'OC  ', '000100000550X', '2024-10-02 00:00:00', 0, 67760),
    ('2002', 'FCC ', '001200004411B', '2025-03-21 00:00:00', 1, 3751);
UPDATE C_MV_CPTE SET IMPORTE = 26620 WHERE TC = 'FCC' AND IDCOMPROBANTE = '000400001520A' AND IMPORTE IS NULL;
UPDATE C_MV_CPTE SET IMPORTE = 1815 WHERE TC = 'NCC' AND IDCOMPROBANTE = '000400000211A' AND IMPORTE IS NULL;
UPDATE C_MV_CPTE SET IMPORTE = 118580 WHERE TC = 'FCC' AND IDCOMPROBANTE = '001200004410B' AND IMPORTE IS NULL;
UPDATE C_MV_CPTE SET IMPORTE = 0 WHERE IMPORTE IS NULL;

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

-- Addresses by account; amounts before VAT from the totals, at 21 %.
CREATE TEMP TABLE DatosCuenta (CUENTA TEXT COLLATE SQLSRV, DOMICILIO TEXT, LOCALIDAD TEXT, CP TEXT, TELEFONO TEXT);
INSERT INTO DatosCuenta VALUES
    ('1001', 'Av. Colón 1540', 'Córdoba', '5000', '351-4221100'),
    ('1002', 'Ruta 9 km 12', 'Villa María', '5900', '353-4530022'),
    ('1003', 'Belgrano 77', 'Río Cuarto', '5800', '358-4641234'),
    ('2001', 'Av. Roca 2100', 'Bahía Blanca', '8000', '291-4550101'),
    ('2002', 'Los Arrayanes 35', 'Bariloche', '8400', '294-4423344');

UPDATE V_MV_CPTE SET
    NOMBRE = COALESCE(NOMBRE, (SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = V_MV_CPTE.CUENTA)),
    DOMICILIO = COALESCE(DOMICILIO, (SELECT DOMICILIO FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA)),
    LOCALIDAD = COALESCE(LOCALIDAD, (SELECT LOCALIDAD FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA)),
    CODIGOPOSTAL = COALESCE(CODIGOPOSTAL, (SELECT CP FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA)),
    TELEFONO = COALESCE(TELEFONO, (SELECT TELEFONO FROM DatosCuenta d WHERE d.CUENTA = V_MV_CPTE.CUENTA)),
    UNEGOCIO = COALESCE(UNEGOCIO, '   1'), IDVENDEDOR = COALESCE(IDVENDEDOR, '07'),
    IDCOND_CPRA_VTA = COALESCE(IDCOND_CPRA_VTA, '1'), COTIZACION = COALESCE(COTIZACION, 1),
    IMPORTE_S_IVA = COALESCE(IMPORTE_S_IVA, ROUND(IMPORTE / 1.21, 2)),
    PORCDESCUENTO1 = COALESCE(PORCDESCUENTO1, 0), IMPDESCUENTO1 = COALESCE(IMPDESCUENTO1, 0),
    PORCDESCUENTO2 = COALESCE(PORCDESCUENTO2, 0), IMPDESCUENTO2 = COALESCE(IMPDESCUENTO2, 0),
    PORCDESCUENTO3 = COALESCE(PORCDESCUENTO3, 0), IMPDESCUENTO3 = COALESCE(IMPDESCUENTO3, 0),
    PORCDESCUENTO4 = COALESCE(PORCDESCUENTO4, 0), IMPDESCUENTO4 = COALESCE(IMPDESCUENTO4, 0),
    IMPORTEIMPUESTOSINTERNOS = COALESCE(IMPORTEIMPUESTOSINTERNOS, 0), ALICIVA = COALESCE(ALICIVA, 21),
    ALICIVA2 = COALESCE(ALICIVA2, 0), ALICIVA3 = COALESCE(ALICIVA3, 0), ALICIVA4 = COALESCE(ALICIVA4, 0),
    IMPORTEIVA2 = COALESCE(IMPORTEIVA2, 0), IMPIVA3 = COALESCE(IMPIVA3, 0), IMPIVA4 = COALESCE(IMPIVA4, 0),
    ALICIVAREC = COALESCE(ALICIVAREC, 0), IMPORTEIVAREC = COALESCE(IMPORTEIVAREC, 0),
    RETIVA_IMPORTE = COALESCE(RETIVA_IMPORTE, 0), RETGAN_IMPORTE = COALESCE(RETGAN_IMPORTE, 0),
    RETIBR_IMPORTE = COALESCE(RETIBR_IMPORTE, 0);
UPDATE V_MV_CPTE SET IMPORTEIVA = ROUND(IMPORTE - IMPORTE_S_IVA, 2) WHERE IMPORTEIVA IS NULL;

UPDATE C_MV_CPTE SET
    NOMBRE = COALESCE(NOMBRE, (SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = C_MV_CPTE.CUENTA)),
    DOMICILIO = COALESCE(DOMICILIO, (SELECT DOMICILIO FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA)),
    LOCALIDAD = COALESCE(LOCALIDAD, (SELECT LOCALIDAD FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA)),
    CODIGOPOSTAL = COALESCE(CODIGOPOSTAL, (SELECT CP FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA)),
    TELEFONO = COALESCE(TELEFONO, (SELECT TELEFONO FROM DatosCuenta d WHERE d.CUENTA = C_MV_CPTE.CUENTA)),
    UNEGOCIO = COALESCE(UNEGOCIO, '   1'),
    IMPORTE_S_IVA = COALESCE(IMPORTE_S_IVA, ROUND(IMPORTE / 1.21, 2)),
    PORCDESCUENTO1 = COALESCE(PORCDESCUENTO1, 0), IMPDESCUENTO1 = COALESCE(IMPDESCUENTO1, 0),
    PORCDESCUENTO2 = COALESCE(PORCDESCUENTO2, 0), IMPDESCUENTO2 = COALESCE(IMPDESCUENTO2, 0),
    PORCDESCUENTO3 = COALESCE(PORCDESCUENTO3, 0), IMPDESCUENTO3 = COALESCE(IMPDESCUENTO3, 0),
    PORCDESCUENTO4 = COALESCE(PORCDESCUENTO4, 0), IMPDESCUENTO4 = COALESCE(IMPDESCUENTO4, 0),
    IMPORTEIMPUESTOSINTERNOS = COALESCE(IMPORTEIMPUESTOSINTERNOS, 0), ALICIVA = COALESCE(ALICIVA, 21),
    ALICIVA2 = COALESCE(ALICIVA2, 0), IMPORTEIVA2 = COALESCE(IMPORTEIVA2, 0),
    ALICIVAREC = COALESCE(ALICIVAREC, 0), IMPORTEIVAREC = COALESCE(IMPORTEIVAREC, 0);
UPDATE C_MV_CPTE SET IMPORTEIVA = ROUND(IMPORTE - IMPORTE_S_IVA, 2) WHERE IMPORTEIVA IS NULL;

UPDATE V_MV_CPTE SET OBSERVACIONES = 'Entregar por la mañana', COMENTARIOS = 'Cliente habitual'
    WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000012A' AND OBSERVACIONES IS NULL;
UPDATE V_MV_CPTE SET MATRICULA = 'AB123CD', MODELO = 'Hilux', SERIE = '8AJFA22G',
    FECHAESTINICIO = '2025-01-10 00:00:00', FECHAESTFIN = '2025-01-24 00:00:00'
    WHERE TC = 'OT' AND IDCOMPROBANTE = '000100000101X';

DROP TABLE DatosCuenta;

-- Voucher printing. The company's address, tax and electronic-voucher keys;
-- report rows for FC-A (one file, repeated), FC-B (four files, the third
-- empty), the third-party and cost-settlement reports and the payment
-- settlement's fallback PG-X; printer settings per type and letter for every
-- default destination (printer with and without a port, screen, e-mail,
-- none, selective, fiscal, the kitchen and bar order printers), a negative
-- and a fractional number of copies; an accounting type (AS), a stock type
-- (AJ) and purchase types; FC 0001-00000012 A is electronic at point of
-- sale 0001, which has its own forms; the accounting voucher
-- AS 0001-00000301 X has two journal entries on one date.
INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES
    ('EMPRESA', 'PISO', '2'),
    ('EMPRESA', 'DEPARTAMENTO', 'B'),
    ('EMPRESA', 'CPOSTAL', '5500'),
    ('EMPRESA', 'PROVINCIA', 'Mendoza'),
    ('EMPRESA', 'TELEFONO', ' 261-4200000 '),
    ('EMPRESA', 'CONDIVA', '1'),
    ('EMPRESA', 'CUIT', ' 30-12345678-9 '),
    ('EMPRESA', 'NROINGRESOSBRUTOS', '901-123456-7'),
    ('EMPRESA', 'INICIOACTIVIDADES', '01/03/2001'),
    ('IMPRESION', 'COPIAS_EFACTURA', '3'),
    ('IMPRESION', 'IMPRESIONPAGOSCONSUBREPORTE', 'SI');

INSERT INTO TA_CONDIVA (CODIGO, DESCRIPCION) VALUES
    ('1', 'Responsable Inscripto'),
    ('4', 'Exento'),
    ('5', 'Consumidor Final');

INSERT INTO TA_REPORTES (NOMBRE, ARCHIVO, ARCHIVO2, ARCHIVO3, ARCHIVO4) VALUES
    ('FC-A', 'FC-A.rpt', NULL, NULL, NULL),
    ('FC-B', 'FC-B', 'FC-B-Duplicado', '', 'FC-B-Cuadruplicado'),
    ('RP_MV_3ros', 'RP_MV_3ros.rpt', NULL, NULL, NULL),
    ('RP_Liq_Com', 'RP_Liq_Com.rpt', NULL, NULL, NULL),
    ('PG-X', 'LiqOPG.rpt', NULL, NULL, NULL);

INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, USUARIO, IMPRESORA, CANTCOPIAS, CANTLINEAS, DESTINODEFAULT) VALUES
    ('FC  ', 'A', NULL, ' Laser Oficina | LPT1 ', '2', '40', 'Impresora'),
    ('FC  ', 'B', NULL, '', '1', '40', 'Pantalla'),
    ('NC  ', 'A', NULL, '', '-2', '40', 'Impresora'),
    ('ND  ', 'A', NULL, '', '2.5', '40', 'E-M@ail'),
    ('OT  ', 'X', NULL, 'Matricial', '3', '60', 'Impresora'),
    ('RM  ', 'R', NULL, '', '1', '40', 'Ninguno'),
    ('NP  ', 'X', NULL, '', '1', '40', 'Selectivo'),
    ('TK  ', 'T', NULL, '', '1', '0', 'Controlador Fiscal: Mostrador'),
    ('PE  ', 'P', NULL, '', '1', '0', 'Pantalla'),
    ('PECO', 'P', NULL, '', '1', '0', 'Comandera : Cocina'),
    ('PEBA', 'P', NULL, '', '1', '0', 'Comandera : Barra');

INSERT INTO V_TA_CPTE (CODIGO, DESCRIPCION, SISTEMA) VALUES
    ('AS  ', 'Asiento manual', 'CONTABLE'),
    ('AJ  ', 'Ajuste de stock', 'STOCK'),
    ('RMC ', 'Remito de compra', 'Compras'),
    ('OC  ', 'Orden de compra', 'COMPRAS');

INSERT INTO V_MV_CPTE_ELECTRONICOS (TC, IDCOMPROBANTE, CAE) VALUES
    ('FC  ', '000100000012A', '75123456789012');

UPDATE V_TA_UNIDADNEGOCIO SET PDV = '0001', USAEFC = 1, RUTA_REPORTE = 'formularios/efactura' WHERE CODIGO = 1;
UPDATE V_TA_UNIDADNEGOCIO SET PDV = '0002', USAEFC = 0, RUTA_REPORTE = 'formularios/norte' WHERE CODIGO = 2;

INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, CUENTA, DETALLE, IMPORTE, FECHA, "NUMERO ASIENTO",
                         MES_OPERATIVO, PERIODO) VALUES
    ('AS  ', '0001', '00000301', 'X', '1.1.01', 'Apertura caja', 5000.00, '2025-03-25 00:00:00', 1, 3, '2025'),
    ('AS  ', '0001', '00000301', 'X', '3.1.01', 'Apertura caja', -5000.00, '2025-03-25 00:00:00', 1, 3, '2025'),
    ('AS  ', '0001', '00000301', 'X', '5.1.04', 'Sueldos marzo', 1200.00, '2025-03-25 00:00:00', 2, 3, '2025'),
    ('AS  ', '0001', '00000301', 'X', '2.1.07', 'Sueldos marzo', -1200.00, '2025-03-25 00:00:00', 2, 3, '2025'),
    ('AS  ', '0001', '00000301', 'X', '1.1.01', 'Ajuste', 10.00, '2025-04-02 00:00:00', 3, 4, '2025');

-- Report engine: a stock receipt and a cash closing to print.
INSERT INTO V_MV_STOCK (TC, IDCOMPROBANTE, FECHA, IDARTICULO, DESCRIPCION, DEPOSITO, CANTIDAD) VALUES
    ('STK5', '000100000007X', '2025-03-21 00:00:00', 'ART001', 'Tornillo Parker 8x1', 'CENTRAL', 500),
    ('STK5', '000100000007X', '2025-03-21 00:00:00', 'ART002', 'Taladro percutor 750W', 'CENTRAL', 4);

INSERT INTO V_MV_CIERRECAJA (IDCIERRE, FECHA, CUENTA, CONCEPTO, IMPORTE) VALUES
    (12, '2025-03-21 18:00:00', '1001', 'Ventas de contado', 15230.50),
    (12, '2025-03-21 18:00:00', '1002', 'Cobranzas', 4200.00);

-- E-mail: the demo user sends through a local server (localhost, port 2525,
-- type "Otro" from the configuration); the customers' contacts and
-- additional addresses; one mailing rule.
UPDATE ta_usuarios SET eMail_Server = NULL WHERE Nombre = 'demo';

INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor, ValorAux, PoliticaNegocio) VALUES
    ('EMAIL', 'EMAIL_SERVER',         'Otro',                 '', 'Falso'),
    ('EMAIL', 'EMAIL_USUARIO',        'envios@example.com',   '', 'Falso'),
    ('EMAIL', 'EMAIL_PASSWORD',       '',                     '', 'Falso'),
    ('EMAIL', 'EMAIL_NOMBRE',         'Escaneo de Documentos', '', 'Falso'),
    ('EMAIL', 'EMAIL_OTROSERVER',     'localhost',            '', 'Falso'),
    ('EMAIL', 'EMAIL_PUERTO',         '2525',                 '', 'Falso'),
    ('EMAIL', 'EMAIL_DE',             'envios@example.com',   '', 'Falso'),
    ('EMAIL', 'EMAIL_FORMATOADJUNTO', 'PDF',                  '', 'Falso');

INSERT INTO ma_contactos (CuentaRel, Nombre, eMail, MAILPGCB, MAILOT, MAILOC) VALUES
    ('1001', 'Compras',     'compras@tornillo.example',  1, 0, 1),
    ('1001', 'Tesorería',   'tesoreria@tornillo.example', 1, 1, 0),
    ('1002', 'Administración', 'admin@norte.example',    1, 0, 0),
    ('1002', 'Sin correo',  '',                          1, 0, 0),
    ('1003', 'Juan Carlos', 'jcperez@example.com',       0, 0, 0);

UPDATE MA_CUENTASADIC SET mail = 'ventas@papelera.example;pagos@papelera.example' WHERE CODIGO = '2001';
INSERT INTO MA_CUENTASADIC (CODIGO, mail) VALUES ('1003', 'jcperez@example.com;');

INSERT INTO v_ma_email (codigoactivador, baja, SinConfirmacion, De, Para, Asunto, Mensaje) VALUES
    ('FC NC ND', 0, 0, 'envios@example.com', 'facturacion@example.com', 'Comprobante', 'Adjuntamos su comprobante.');

-- Automatic mailing: rules for several types, in key order after the
-- voucher rule above. OT and RM have only a withdrawn rule; receipts have
-- two active ones, the first sending without confirmation; NP (a
-- "Selectivo" default) sends without confirmation too; payment orders and
-- the cash closing ("@CJA", closing 12 above) leave SinConfirmacion null.
-- Receipts print one copy a page and are padded to eight lines.
INSERT INTO v_ma_email (codigoactivador, baja, SinConfirmacion, De, Para, Asunto, Mensaje) VALUES
    ('OT RM', 1, 0, 'envios@example.com', 'taller@example.com', 'Orden de trabajo', NULL),
    ('CB CBCT CBFP', 0, 1, 'cobranzas@example.com', 'cobranzas@example.com', 'Recibo', 'Adjuntamos su recibo.'),
    ('CB', 0, 0, 'otro@example.com', 'otro@example.com', 'Recibo de cobranza', NULL),
    ('PG OPG', 0, NULL, 'pagos@example.com', 'proveedores@example.com', 'Orden de pago', NULL),
    ('NP', 0, 1, 'ventas@example.com', 'pedidos@example.com', 'Nota de pedido', 'Su pedido.'),
    ('@CJA', 0, NULL, 'caja@example.com', 'gerencia@example.com', 'Cierre de caja', 'Cierre del día.');

INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES
    ('COBRANZAS', 'CobranzasCopiasPorPagina', '1'),
    ('COBRANZAS', 'CobranzasItems', '8');
