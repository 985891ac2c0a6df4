#pragma once

#include <thread>

// Reads the machine's fonts on a thread of its own for as long as it lives,
// and waits for it when it goes. Reading them (the font configuration and
// every installed font) takes as long as a start-up's first queries, and the
// first widget made waits for it; put beside those queries, the window is
// then built on fonts already read. Needs the application to exist.
class FuentesEnSegundoPlano {
public:
    FuentesEnSegundoPlano();
    ~FuentesEnSegundoPlano();
    FuentesEnSegundoPlano(const FuentesEnSegundoPlano&) = delete;
    FuentesEnSegundoPlano& operator=(const FuentesEnSegundoPlano&) = delete;

private:
    std::thread hilo_;
};
