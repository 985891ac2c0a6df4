-- The search of scans, every field filled.
SELECT * FROM CTROL_ESCANEO  Where  (Eliminado = 0 OR ELIMINADO IS NULL)  AND Cuenta='1001'  AND SUBSTRING(CPTE,1,4)='FC  '  AND SUBSTRING(CPTE,5,4)='0001'  AND SUBSTRING(CPTE,9,8)='00000012'  AND RIGHT(CPTE,1)='A'  and  (Fecha>='1990-01-01 00:00:00' AND Fecha<'2200-01-02 00:00:00')  ORDER BY Fecha Desc,Cpte,Cuenta
--
-- The search of scans with no field filled and an account with an apostrophe.
SELECT * FROM CTROL_ESCANEO  Where  (Eliminado = 0 OR ELIMINADO IS NULL)  AND Cuenta='O''Brien'  and  (Fecha>='2024-12-28 00:00:00' AND Fecha<'2024-12-29 00:00:00')  ORDER BY Fecha Desc,Cpte,Cuenta
--
-- The search of sales vouchers, every field filled.
SELECT CUENTA,TC ,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' AS RUTAARCHIVO FROM V_MV_CPTE  Where  ANULADA = 0  AND Cuenta='1001'  AND TC='FC'  AND SUBSTRING(IDCOMPROBANTE,1,4)='0001'  AND SUBSTRING(IDCOMPROBANTE,5,8)='00000012'  AND RIGHT(IDCOMPROBANTE,1)='A'  and  (Fecha>='1990-01-01 00:00:00' AND Fecha<'2200-01-02 00:00:00')  ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta
--
-- The search of purchase vouchers with no field filled.
SELECT CUENTA,TC,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' AS RUTAARCHIVO FROM C_MV_CPTE  Where  ANULADA = 0  and  (Fecha>='1990-01-01 00:00:00' AND Fecha<'2200-01-02 00:00:00')  ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta
--
-- The search of purchase vouchers, every field filled.
SELECT CUENTA,TC,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' AS RUTAARCHIVO FROM C_MV_CPTE  Where  ANULADA = 0  AND Cuenta='2002'  AND TC='FCC'  AND SUBSTRING(IDCOMPROBANTE,1,4)='0012'  AND SUBSTRING(IDCOMPROBANTE,5,8)='00004410'  AND RIGHT(IDCOMPROBANTE,1)='B'  and  (Fecha>='2025-03-01 00:00:00' AND Fecha<'2025-04-01 00:00:00')  ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta
--
-- Each voucher row's scan, compiled once with a marker per value.
SELECT * FROM CTROL_ESCANEO WHERE CUENTA=? AND CPTE=?
--
-- Each row's account name, compiled once and as the server is sent it.
SELECT DESCRIPCION FROM MA_CUENTAS WHERE Codigo = ?
--
SELECT DESCRIPCION FROM MA_CUENTAS WHERE Codigo = '1001'
