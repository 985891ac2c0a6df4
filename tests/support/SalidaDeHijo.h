#pragma once

#include <QTemporaryDir>

#include <cstdlib>

// The child of a death test that runs the test anew ("threadsafe") leaves by
// exit(), which destroys nothing the test made: its folder goes first, or it
// stays in the temporary folder.
[[noreturn]] inline void SaleBorrando(QTemporaryDir& carpeta, int codigo)
{
    carpeta.remove();
    std::exit(codigo);
}
