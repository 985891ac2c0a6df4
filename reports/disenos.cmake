# Every report file the system can resolve, made from a few templates: the
# layouts under several names differ only in their title. Each goes beside
# the program and beside the test programs (their program folder).
set(escaneo_plantillas ${PROJECT_SOURCE_DIR}/reports/plantillas)
set(escaneo_letras A B C E M R X P)

function(escaneo_diseno plantilla titulo)
  set(TITULO "${titulo}")
  foreach(archivo IN LISTS ARGN)
    foreach(carpeta ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/tests)
      configure_file(${escaneo_plantillas}/${plantilla}.diseno ${carpeta}/${archivo} @ONLY)
    endforeach()
  endforeach()
endfunction()

# A voucher type's own file and its "-letter" forms.
function(escaneo_diseno_tipo plantilla titulo tipo)
  set(archivos ${tipo}.RPT)
  foreach(letra IN LISTS escaneo_letras)
    list(APPEND archivos ${tipo}-${letra}.rpt)
  endforeach()
  escaneo_diseno(${plantilla} "${titulo}" ${archivos} ${ARGN})
endfunction()

foreach(par "FC;Factura" "NC;Nota de Crédito" "ND;Nota de Débito" "FP;Factura" "NCFP;Nota de Crédito"
            "TK;Ticket" "TKFC;Ticket Factura" "NP;Nota de Pedido" "PR;Presupuesto" "RM;Remito"
            "GF;Guía de Fletes")
  list(GET par 0 tipo)
  list(GET par 1 titulo)
  escaneo_diseno_tipo(comprobante "${titulo}" ${tipo})
endforeach()
escaneo_diseno_tipo(insumos "Orden de Producción" OP)
# The work order's second form ("OT2") and its authorisation.
set(formas_ot)
foreach(letra IN LISTS escaneo_letras)
  list(APPEND formas_ot OT-${letra}2.rpt)
endforeach()
escaneo_diseno_tipo(comprobante "Orden de Trabajo" OT ${formas_ot})
escaneo_diseno(comprobante "Autorización de Orden de Trabajo" AutOT.rpt)
# The electronic forms of the types that have them.
foreach(tipo FC NC ND FP NCFP TKFC)
  foreach(letra A B C E M)
    escaneo_diseno(comprobante "Comprobante Electrónico" e${tipo}-${letra}.RPT)
  endforeach()
endforeach()

escaneo_diseno(compras "Comprobante de Compras" CpteCompras.RPT)
escaneo_diseno_tipo(recibo "Recibo" CB)
escaneo_diseno_tipo(recibo "Recibo" CBCT)
escaneo_diseno_tipo(recibo "Recibo" CBFP)
escaneo_diseno_tipo(recibo "Orden de Pago" PG)
escaneo_diseno_tipo(recibo "Orden de Pago" OPG)
escaneo_diseno(recibo "Liquidación de Orden de Pago" LiqOPG.rpt)
escaneo_diseno(asiento "Asiento Contable" Asientos.rpt)
escaneo_diseno(asiento "Asiento Contable por Centro de Costo" AsientoCCosto.rpt)
escaneo_diseno(cierre "Cierre de Caja" RP_CIERRECAJA.rpt)
escaneo_diseno(pedido "Parte de Consumo" ParteConsumoPE.rpt)
escaneo_diseno(pedido "Comanda" COMANDA.rpt)
escaneo_diseno(pedido "Comanda de Cocina" COMANDA_COCINA.rpt)
escaneo_diseno(pedido "Comanda de Bar" COMANDA_BAR.rpt)
escaneo_diseno(stock "Movimiento de Stock" STK5.rpt)
escaneo_diseno(stock "Ingreso por Orden de Compra" IR-OC.rpt)
escaneo_diseno(terceros "Órdenes de Trabajo de Terceros" RP_MV_3ros.rpt)
escaneo_diseno(terceros "Liquidación de Comisiones" RP_Liq_Com.rpt)
