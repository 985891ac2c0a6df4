-- The voucher print-data generator: the selection of vouchers, by range,
-- by list of numbers and by list of IDs.
SELECT * FROM V_MV_CPTE  WHERE TC = 'FC  ' AND IDCOMPROBANTE >= '000100000012A' AND IDCOMPLEMENTO >= 0 AND IDCOMPROBANTE <= '000100000013A' AND IDCOMPLEMENTO <= 0 ORDER BY ID
--
SELECT * FROM V_MV_CPTE  WHERE TC = 'FC  ' AND IDCOMPROBANTE >= '' AND IDCOMPLEMENTO >= 0 ORDER BY ID
--
SELECT * FROM V_MV_CPTE  WHERE TC = 'FC  ' AND IdComprobante IN ( '000200000007B','000100000012A') ORDER BY ID
--
SELECT * FROM V_MV_CPTE  WHERE TC = 'FC  ' AND ID IN(2, 9) ORDER BY ID
--
-- The rows of one call go in one transaction, after this workstation's old rows.
BEGIN TRANSACTION
--
DELETE Aux_MV_Cpte where USUARIO = 'PUESTO1|demo' 
--
SELECT Descripcion FROM ta_monedas WHERE Codigo = '2   '
--
-- Header, title, blank, closing and footer rows.
SELECT * FROM V_MV_CPTE_Observ  WHERE TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0 AND Tipo_Obs = 'EN' 
--
INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,Encabezado ) VALUES ('PUESTO1|demo','FC  ','000100000012A','0','','Avisar a O''Brien')
--
INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo) VALUES ('PUESTO1|demo','FC  ','000100000012A','0','3')
--
INSERT INTO Aux_MV_Cpte (Usuario, TC , IdComprobante , IdComplemento , Tipo , Seccion) VALUES ('PUESTO1|demo','FC  ','000100000012A','0','M','Insumos - Materiales Utilizados - Productos')
--
INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo,SECCION) VALUES ('PUESTO1|demo','FC  ','000100000012A','0','ZZ','L-0312 L-0318  C25-A C25-B')
--
SELECT * FROM V_MV_CPTE_Observ  WHERE TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0 AND (Tipo_Obs = 'PP')
--
INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,PieDePagina) VALUES ('PUESTO1|demo','FC  ','000100000012A','0','','Gracias por su compra')
--
-- Tasks, or a task's diary entries.
SELECT * FROM V_MV_CPTETAREAS   WHERE TC = 'OT  ' AND IDCOMPROBANTE = '000100000050X' AND IDCOMPLEMENTO = 0 ORDER BY ID 
--
SELECT * FROM V_MV_CPTETAREAS   WHERE TC = 'OT  ' AND IDCOMPROBANTE = '000100000050X' AND IDCOMPLEMENTO = 0 and idtarea = 'T03' ORDER BY ID 
--
SELECT * FROM V_MV_DIARIOS  WHERE TC = 'OT  ' AND IDCOMPROBANTE = '000100000050X' AND IDCOMPLEMENTO = 0 and idtarea = 'T03' ORDER BY ID 
--
INSERT INTO AUX_MV_CPTE (Usuario,TC,IdComprobante,IdComplemento,Tipo,Columna1,Columna2,Columna3,Columna4,Columna5,Columna6,Columna7) VALUES ('PUESTO1|demo','OT  ','000100000050X',0,'TA','T01','{\rtf1\ansi\deff0 Diagnóstico de falla
 Revisión d''el tablero','      ','01:30','5000,00','7500,00','4132,23')
--
-- Supplies, with and without the timber columns, and the pending lines of
-- the originating order.
SELECT * FROM V_MV_CPTEINSUMOS  WHERE TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0 ORDER BY ID
--
INSERT INTO AUX_MV_CPTE (Usuario,TC,IdComprobante,IdComplemento,Tipo,Columna1,Columna2,Columna3,Columna4,Columna5,Columna6,Columna7,Columna8,Columna9,Columna10,Columna11,Columna12,Columna13,Columna14,Columna15,CANTIDAD_ORIGEN) VALUES ('PUESTO1|demo','FC  ','000100000012A',0,'IN','ART001','Tornillo Parker 8x1','UN','100','5,00','500,00','4,13','L-0312 L-0318','6040','0','0','1','100','UN','1',100)
--
INSERT INTO AUX_MV_CPTE (Usuario,TC,IdComprobante,IdComplemento,Tipo,Columna1,Columna2,Columna3,Columna4,Columna5,Columna6,Columna7,Columna8,Columna9,Columna10,Columna11,Columna12,Columna13,Columna14,Columna15,CANTIDAD_ORIGEN,COLUMNA16,COLUMNA17) VALUES ('PUESTO1|demo','FC  ','000100000012A',0,'IN','ART003','Cable unipolar 2,5 mm','MT','50','6,69','334,50','5,53','C25-A C25-B','3020','2,5','0','1','50','MT','1',50,'ML',6.69)
--
SELECT * FROM V_MV_CPTEINSUMOS WHERE TC = 'NP' AND IDCOMPROBANTE ='000100000020X'  ORDER BY ID
--
SELECT * FROM VT_V_MV_Insumos_NPPendiente WHERE TC = 'NP' AND ( TC = 'NP' AND IDCOMPROBANTE = '000100000020X' AND IDARTICULO = 'ART005')
--
-- Other concepts.
SELECT * FROM V_MV_CPTE_Observ  WHERE TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0 AND Tipo_Obs = 'OC'  ORDER BY ID
--
INSERT INTO AUX_MV_CPTE (Usuario,TC,IdComprobante,IdComplemento,Tipo,Columna1,Columna2,Columna3,Columna4,Columna5,Columna6,Columna7,Columna8) VALUES ('PUESTO1|demo','FC  ','000100000012A',0,'OC','','Entrega en obra','0','0','0','50,00','50,00','0')
--
-- The amount in words and the header text on every row of the voucher.
UPDATE AUX_MV_CPTE SET IMPORTEENLETRAS = ' un mil doscientos treinta y cuatro Pesos con cincuenta Centavos' WHERE USUARIO = 'PUESTO1|demo' AND TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0
--
UPDATE Aux_MV_Cpte SET Encabezado='.' WHERE USUARIO = 'PUESTO1|demo' AND TC = 'FC  ' AND IDCOMPROBANTE = '000100000012A' AND IDCOMPLEMENTO = 0
--
COMMIT TRANSACTION
--
-- A commit that fails leaves nothing open.
BEGIN TRANSACTION
--
ROLLBACK TRANSACTION
