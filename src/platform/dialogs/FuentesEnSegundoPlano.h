#pragma once

#include <thread>

// Reads the machine's fonts on a thread of its own, and waits for it when it
// goes. Reading them (the font configuration and every installed font) takes
// as long as a start-up's first queries; put beside those queries, the
// window built next finds them read, or its first text waits on Qt's font
// lock until they are. Needs the application to exist.
class FuentesEnSegundoPlano {
public:
    FuentesEnSegundoPlano();
    ~FuentesEnSegundoPlano();
    FuentesEnSegundoPlano(const FuentesEnSegundoPlano&) = delete;
    FuentesEnSegundoPlano& operator=(const FuentesEnSegundoPlano&) = delete;

private:
    std::thread hilo_;
};
