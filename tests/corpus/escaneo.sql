-- A scanned page registered against a voucher.
INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo)  VALUES ('1001','FC  000100000012A','2025-07-09 00:00:00','demo','/home/demo/SCAN/remito(2).bmp','remito')
--
-- A page scanned without a voucher, with an apostrophe in the name.
INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo)  VALUES ('','    ','2025-07-09 00:00:00','demo','/home/demo/SCAN/d''or.bmp','d''or')
--
-- Whether a voucher has a scan.
SELECT * FROM CTROL_ESCANEO WHERE CUENTA='1001' AND CPTE='FC  000100000012A'
--
-- The withdrawal of one voucher's file.
UPDATE CTROL_ESCANEO SET ELIMINADO=1,ELIMINADOPOR ='demo' WHERE NombreArchivo='remito' AND Cuenta='1001' AND Cpte='FC  000100000012A'
