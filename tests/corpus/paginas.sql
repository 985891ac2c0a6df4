-- The title of a voucher page: the name of its type.
SELECT DESCRIPCION FROM TA_COMPROBANTES  with(nolock) WHERE CODIGO='FC'
--
-- The header of a sales voucher.
SELECT NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, v_mv_cpte.observaciones,v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion,ANULADA,v_mv_cpte.IdVendedor, v_mv_cpte.IDCOND_CPRA_VTA, importe,v_mv_cpte.cotizacion, V_MV_Cpte.importe_s_iva, V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , V_MV_Cpte.porcdescuento3, V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, V_MV_Cpte.ImporteImpuestosInternos,     V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4,v_mv_cpte.MONEDA,RETIVA_IMPORTE,RETGAN_IMPORTE,RETIBR_IMPORTE FROM V_MV_Cpte  with(nolock) LEFT OUTER JOIN MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='FC  ' and idcomprobante='000100000012A'
--
-- The header of a payment order, from the sales-side view.
SELECT NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, v_mv_cpte.observaciones,v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion,ANULADA, importe, V_MV_Cpte.importe_s_iva, V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , V_MV_Cpte.porcdescuento3, V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, V_MV_Cpte.ImporteImpuestosInternos,     V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4 FROM V_MV_Cpte  with(nolock) LEFT OUTER JOIN MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='PG  ' and idcomprobante='000100000031X'
--
-- The header of a purchase voucher, by account.
SELECT NOMBRE, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, FECHA, c_mv_cpte.comentarios,c_mv_cpte.OBSERVACIONES, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion,ANULADA, importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, c_mv_Cpte.impdescuento1 , c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , c_mv_Cpte.porcdescuento3, c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, c_mv_Cpte.impdescuento4, c_mv_Cpte.ImporteImpuestosInternos, C_MV_Cpte.AlicIva,C_MV_Cpte.AlicIva2,   c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2 FROM C_MV_Cpte  with(nolock) LEFT OUTER JOIN MA_CUENTASADIC ON C_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON C_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE  CUENTA = '2001' AND TC='FCC ' and idcomprobante='000400001520A'
--
-- The seller and the sale terms of the header.
SELECT Nombre FROM v_ta_vendedores WHERE IdVendedor = '3'
--
SELECT Descripcion FROM v_ta_cpra_vta WHERE IdCond_Cpra_Vta = '2'
--
-- The detail lines of a sales voucher.
SELECT IDARTICULO,DESCRIPCION,ALICIVA,IMPORTE_S_IVA,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL,IMPORTEDTO from V_MV_CPTEInsumos  with(nolock) WHERE TC='FC  ' and idcomprobante='000100000012A' and idcomplemento=0
--
SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL,IMPORTEDTO from V_MV_CPTEInsumos  with(nolock) WHERE TC='PG  ' and idcomprobante='000100000031X' and idcomplemento=0
--
SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from V_MV_CPTETareas  with(nolock) WHERE TC='FC  ' and idcomprobante='000100000012A' and idcomplemento=0
--
SELECT TIPO_OBS,OBSERVACION,IMPORTE from V_MV_CPTE_Observ  with(nolock) WHERE TC='FC  ' and idcomprobante='000100000012A' and idcomplemento=0
--
-- The detail lines of a purchase voucher.
SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL from C_mv_CPTEInsumos  with(nolock) WHERE CUENTA = '2001' AND TC='FCC ' and idcomprobante='000400001520A'
--
SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from C_mv_CPTETareas  with(nolock) WHERE CUENTA = '2001' AND TC='FCC ' and idcomprobante='000400001520A'
--
SELECT TIPO_OBS,OBSERVACION,IMPORTE from C_mv_CPTE_Observ  with(nolock) WHERE CUENTA = '2001' AND TC='FCC ' and idcomprobante='000400001520A'
--
-- The currency of the totals and the perceptions of a purchase.
SELECT Descripcion FROM ta_monedas WHERE Codigo = '1'
--
select liva_ret_perc, liva_ret_ibtos from mv_asientos where tc = 'FCC ' and sucursal = '0004' and numero = '00001520' and letra = 'A' and cuenta = '2001'
--
-- The vouchers a sales voucher applies, and those applying to it.
SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT  from MV_APLICACION  with(nolock) WHERE TC='FC  ' and SUCURSAL='0001' and NUMERO='00000012' and LETRA='A   '
--
SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT from MV_Aplicacion  with(nolock) WHERE TCo_origen='FC  ' and idcomprobante_origen='000100000012A'
--
-- The same for a purchase voucher, by account.
SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE from MV_APLICACION  with(nolock) WHERE CUENTA = '2001' AND TC='FCC ' and SUCURSAL='0004' and NUMERO='00001520' and LETRA='A   '
--
SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE from MV_Aplicacion  with(nolock) WHERE CUENTA = '2001' AND TCo_origen='FCC ' and idcomprobante_origen='000400001520A'
--
-- The reception reports of a purchase order.
SELECT V_MV_STOCK.FECHA, V_MV_STOCK.TC,V_MV_STOCK.IDCOMPROBANTE from V_MV_STOCK  with(nolock) WHERE V_MV_STOCK.TC_ORIGEN='OC  ' and V_MV_STOCK.IDCOMPROBANTE_ORIGEN='000100000045A   ' AND SECUENCIA = 1
--
-- The history of a sales voucher (by complement) and of a purchase voucher.
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES  with(nolock) WHERE TC='FC  ' and IDCOMPROBANTE='000100000012A' AND IDCOMPLEMENTO='0'
--
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES  with(nolock) WHERE TC='FCC ' and IDCOMPROBANTE='000400001520A'
--
-- The scanned images still filed for a sales voucher, and for a purchase voucher of its account.
SELECT * FROM CTROL_ESCANEO WHERE CPTE='FC  000100000012A' AND (Eliminado = 0 OR ELIMINADO IS NULL)
--
SELECT * FROM CTROL_ESCANEO WHERE CUENTA='2001' AND CPTE='FCC 000400001520A' AND (Eliminado = 0 OR ELIMINADO IS NULL)
