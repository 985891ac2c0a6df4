-- Reading one configuration key; an apostrophe in a key is doubled.
SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'THEME'
--
SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'D''ARTAGNAN'
--
-- The date-range keys are sent upper-cased whole.
SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'
--
-- Writing a key opens its row for update.
SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'RUTA_ESCANEO'
--
-- The current user's business unit at the configuration load.
Select * from ta_usuarios  with(nolock)  where Nombre = 'demo'
--
-- The access row: menu entry, the first row, then the insert.
SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'demo ') AND (TA_MENU.Proceso LIKE '%ESCANEO%')
--
Select TOP 1 * from Control_Acceso  with(nolock) 
--
INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('PUESTO1','DEMO','ESCANEO','ESCANEO DE DOCUMENTOS','2025-03-01 09:15:00','demo')
--
-- The server's time.
select getDate() as fecha
