-- The current user's account for the e-mail window.
SELECT * FROM ta_usuarios WHERE nombre = 'demo'
--
-- The contacts of an account, with an apostrophe in the account.
Select * from ma_contactos where mailPGCB = 1 and CuentaRel = 'O''NEIL' and email <> ''
--
Select * from ma_contactos where mailPGCB = 1 and CuentaRel = '1001 ' and email <> ''
--
-- The account's additional addresses when no contact takes the document.
SELECT mail FROM ma_cuentasadic WHERE Codigo = '1003'
--
-- The recipient lookup.
Select * from vt_e_mail order by razonsocial
--
-- The log of sends, opened to append a row.
select top 1 * from v_ma_emailmov
--
-- A logged message marked as answered.
Update V_MA_EMAILMOV set STATUS='HTML',contestadopor='O''Brien' where uidl='U1'
--
-- The subject's voucher description.
SELECT Descripcion FROM v_ta_cpte WHERE Codigo = 'FC'
--
-- The sender's name of the current user.
SELECT * FROM ta_usuarios WHERE nombre = 'O''Brien'
