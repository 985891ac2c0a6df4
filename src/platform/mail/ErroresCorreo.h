#pragma once

// The numbers a failed send raises, those of the mail component the suite's
// handlers were written against, so each gets its own box.
namespace ErrorCorreo {
// No server, sender or recipient to send with.
constexpr long FaltanDatos = -2147220979;          // &H8004020D
// The server refused the account's login or password.
constexpr long AutenticacionFallida = -2147220975; // &H80040211
// The server could not be reached.
constexpr long SinConexion = -2147220973;          // &H80040213
// Any other failure of the SMTP dialogue.
constexpr long EnvioFallido = -2147220977;         // &H8004020F
}
