# Two layers, the upper one linking the lower.
set(capas abajo arriba)
set(capa_abajo_carpetas abajo)
set(capa_arriba_carpetas arriba)
set(capa_arriba_enlaces abajo)
set(capa_abajo_rutas ${RAIZ})
set(capa_arriba_rutas ${RAIZ})
