-- The error row of a failed batch is written through this updatable recordset.
select  top 1 * from AUX_ERR  with(nolock) 
--
-- A batch: "BEGIN TRANSACTION " and the statements, separated by CRs.
BEGIN TRANSACTION 


INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('PUESTO1','DEMO','ESCANEO','','2025-03-01 09:15:00','demo')
INSERT INTO AUX_ERR (Proceso,Error,Descripcion) VALUES ('escaneo',Null,'x')

--
COMMIT TRANSACTION
--
-- The field-list builders' UPDATE form, in a batch that is rolled back.
BEGIN TRANSACTION 


UPDATE Control_Acceso SET Tarea = 'MENU PRINCIPAL',NombreUsuario = Null  WHERE Maquina = 'PUESTO1'

--
ROLLBACK TRANSACTION
--
-- Sent by the script runner before its passes.
SET NOCOUNT ON
--
-- The accounts view that a views script is given, plain and confidential.
CREATE VIEW dbo.SS_MA_CUENTAS  AS  SELECT *  FROM MA_CUENTAS
--
DROP VIEW dbo.SS_MA_CUENTAS
--
CREATE VIEW dbo.SS_MA_CUENTAS  AS  SELECT MA_CUENTAS.*  FROM MA_CUENTAS_USUARIOS INNER JOIN  MA_CUENTAS ON   MA_CUENTAS_USUARIOS.Cuenta = MA_CUENTAS.CODIGO INNER   Join TA_USUARIOS ON  MA_CUENTAS_USUARIOS.GrupoUser = TA_USUARIOS.Grupo   Where (TA_USUARIOS.Nombre = SYSTEM_USER)
--
-- The statistics database script, as the runner sends its two batches.
Create Database QX_PRESIDIUMBAR COLLATE Latin1_General_CI_AI 
--
USE QX_PRESIDIUMBAR
EXEC  sp_addlogin N'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR'
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', sysadmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', securityadmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', serveradmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR',  setupadmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', processadmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', diskadmin
EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', dbcreator
EXEC sp_grantdbaccess @loginame = 'QX_PRESIDIUMBAR' , @name_in_db ='QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_accessadmin', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_backupoperator', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_datareader', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_datawriter', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_ddladmin', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_owner', N'QX_PRESIDIUMBAR'
EXEC sp_addrolemember N'db_securityadmin', N'QX_PRESIDIUMBAR'
--
-- Provisioning of the statistics login on the main connection.
EXEC  sp_addlogin N'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR','Spanish'
--
 EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', sysadmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', securityadmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', serveradmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR',  setupadmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', processadmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', diskadmin EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR', dbcreator
--
 EXEC sp_grantdbaccess @loginame = 'QX_PRESIDIUMBAR' , @name_in_db ='QX_PRESIDIUMBAR'
--
 EXEC sp_addrolemember N'db_accessadmin', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_backupoperator', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_datareader', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_datawriter', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_ddladmin', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_owner', N'QX_PRESIDIUMBAR' EXEC sp_addrolemember N'db_securityadmin', N'QX_PRESIDIUMBAR'
