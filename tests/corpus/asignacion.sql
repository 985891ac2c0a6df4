-- Whether the voucher already has the assigned file.
SELECT * FROM CTROL_ESCANEO WHERE CUENTA='1001' AND CPTE='FC  000100000012A' AND NombreArchivo='d''or.jpg' AND RutaArchivo='/home/demo/SCAN/' AND (Eliminado = 0 OR ELIMINADO IS NULL)
--
-- The register row of an assigned file.
INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo,ActualizadoPor,FhActualizado)  VALUES ('1001','FC  000100000012A','2026-01-05 00:00:00','demo','/home/demo/SCAN/','d''or.jpg','demo','2026-01-05 00:00:00')
