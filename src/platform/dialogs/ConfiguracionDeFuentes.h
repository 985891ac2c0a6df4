#pragma once

#include <thread>

// Reads the machine's font configuration (fontconfig's files and caches) on
// a thread of its own. The reading is most of what a window's first text
// costs, and needs no application: begun at the top of main(), it runs
// beside the application's start, and Qt's font database finds it done. Wait for it before anything draws or measures text,
// or Qt reads the configuration again.
class ConfiguracionDeFuentes {
public:
    ConfiguracionDeFuentes();
    // Waits, unless waited for already.
    ~ConfiguracionDeFuentes();
    ConfiguracionDeFuentes(const ConfiguracionDeFuentes&) = delete;
    ConfiguracionDeFuentes& operator=(const ConfiguracionDeFuentes&) = delete;

    void Espera();

private:
    std::thread hilo_;
};
