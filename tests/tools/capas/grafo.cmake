# Two layers, the upper one linking the lower; and one built from a file in
# the lower one's folder, which reaches the upper through a header of no layer.
set(capas abajo arriba extension)
set(capa_abajo_archivos abajo/Abajo.h)
set(capa_arriba_archivos arriba/Arriba.h)
set(capa_extension_archivos abajo/extension/Extension.cpp)
set(capa_arriba_enlaces abajo)
set(capa_extension_enlaces abajo)
set(capa_abajo_rutas ${RAIZ})
set(capa_arriba_rutas ${RAIZ})
set(capa_extension_rutas ${RAIZ})
