#pragma once

// The classic isolation levels a connection's IsolationLevel takes.
namespace NivelAislamiento {
constexpr long SinEspecificar = -1;
constexpr long Caos = 16;
constexpr long LecturaSinConfirmar = 256;
constexpr long LecturaConfirmada = 4096;
constexpr long LecturaRepetible = 65536;
constexpr long Serializable = 1048576;
}
