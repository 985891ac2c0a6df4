-- The data-access object's own lookups, as it builds them.
SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'ruta_escaneo'
--
SELECT 1 AS hay FROM ta_usuarios WHERE Nombre = 'O''Brien' AND (Grupo = 'ADMIN')
--
-- A batch without separators inside one transaction, closed separately.
BEGIN TRANSACTION 


INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('PC1','DEMO','ESCANEO','ESCANEO','2025-03-01 09:15:00','demo')
UPDATE TA_CONFIGURACION SET Valor = 'NO' WHERE Clave = 'MADERERA'
--
ROLLBACK TRANSACTION
--
BEGIN TRANSACTION 


UPDATE TA_CONFIGURACION SET ValorAux = 'x' + Valor WHERE Clave = 'THEME'
--
COMMIT TRANSACTION
--
SET NOCOUNT ON
--
select  top 1 * from AUX_ERR  with(nolock) 
--
SELECT * FROM dbo.CTROL_ESCANEO WITH (NOLOCK) WHERE RIGHT(Cpte,1) = 'A' AND SUBSTRING(Cpte,1,4) = 'FC  ' AND LEN(Cpte) > 0
--
SELECT ISNULL(RutaArchivo, '') + NombreArchivo AS ruta FROM CTROL_ESCANEO WHERE LEFT(Cpte, 2) = 'fc'
--
DELETE AUX_ERR WHERE Proceso = 'TOP 5 with(nolock) dbo.x'
--
-- Provisioning of the statistics database on the embedded engine.
EXEC  sp_addlogin N'QX_CORPUS', 'QX_CORPUS', 'escaneo','Spanish'
--
 EXEC sp_addsrvrolemember N'QX_CORPUS', sysadmin EXEC sp_addsrvrolemember N'QX_CORPUS',  setupadmin
--
 EXEC sp_grantdbaccess @loginame = 'QX_CORPUS' , @name_in_db ='QX_CORPUS'
--
USE escaneo
