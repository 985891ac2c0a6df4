#pragma once

// The isolation levels a connection's IsolationLevel takes, by the numbers
// callers set and read; each engine maps them onto its own.
namespace NivelAislamiento {
constexpr long SinEspecificar = -1;
constexpr long Caos = 16;
constexpr long LecturaSinConfirmar = 256;
constexpr long LecturaConfirmada = 4096;
constexpr long LecturaRepetible = 65536;
constexpr long Serializable = 1048576;
}
