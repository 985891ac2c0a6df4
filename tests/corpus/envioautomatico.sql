-- The automatic mailing: the first active rule of a type, by its key.
select * from v_ma_email where codigoactivador like '%FC  %' and baja = 0 order by Id
--
-- A type with an apostrophe stays one literal.
select * from v_ma_email where codigoactivador like '%O''T%' and baja = 0 order by Id
