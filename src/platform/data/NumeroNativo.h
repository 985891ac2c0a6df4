#pragma once

// The server's native error numbers that callers test, which the embedded
// engine reports for the same faults; every one declared here.
namespace NumeroNativo {
constexpr long ErrorDeSintaxis = 102;
constexpr long PalabraClaveInesperada = 156;
constexpr long FuncionInexistente = 195;
constexpr long ColumnaInexistente = 207;
constexpr long ObjetoInexistente = 208;
constexpr long Restriccion = 547;
// The statement waited its whole time-out for a lock another program holds.
constexpr long TiempoDeBloqueoAgotado = 1222;
constexpr long ClavePrimariaExistente = 1779;
constexpr long ValorPorDefectoExistente = 1781;
constexpr long BaseExistente = 1801;
constexpr long BaseNoCreada = 1802;
constexpr long IndiceExistente = 1913;
constexpr long ClaveDuplicada = 2627;
constexpr long ObjetoExistente = 2714;
constexpr long ProcedimientoExistente = 2729;
constexpr long ConfirmaSinTransaccion = 3902;
constexpr long DeshaceSinTransaccion = 3903;
// sp_addlogin: the login's default database does not exist.
constexpr long BaseDelLoginInexistente = 15010;
constexpr long LoginExistente = 15025;
// sp_addlogin: the password breaks the Windows password policy.
constexpr long ContrasenaRechazada = 15116;
}
