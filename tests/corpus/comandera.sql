-- The voucher of an order ticket.
SELECT * FROM V_MV_CPTE WITH(NOLOCK) WHERE TC = 'PE' AND IDCOMPROBANTE = '000100000101P'
--
-- Its items with the articles' kitchen and bar marks.
SELECT V_MV_CpteInsumos.IDARTICULO,V_MV_CpteInsumos.DESCRIPCION,V_MV_CpteInsumos.CANTIDAD,V_MV_CpteInsumos.Cantidadpreparada,V_MV_CpteInsumos.CANTIDADAFACTURAR, V_MV_CpteInsumos.IMPORTE_S_IVA, V_MV_CpteInsumos.IMPORTE, v_ma_articulos.Pesable, v_ma_articulos.talledefault FROM V_MV_CPTEINSUMOS LEFT OUTER JOIN dbo.V_MA_ARTICULOS ON dbo.V_MV_CpteInsumos.IDARTICULO = dbo.V_MA_ARTICULOS.IDARTICULO WHERE TC = 'PE' AND IDCOMPROBANTE = '000100000101P' ORDER BY V_MV_CpteInsumos.ID
