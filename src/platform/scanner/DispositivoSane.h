#pragma once

#include "platform/base/Err.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sane/sane.h>

#include <functional>
#include <optional>
#include <vector>

// A device the SANE backends know of.
struct DescripcionSane {
    QString nombre;
    QString fabricante;
    QString modelo;
};

// One frame of a page as the device sent it. Colour comes as one RGB frame
// or, from three-pass devices, as a red, a green and a blue frame.
struct CuadroSane {
    SANE_Parameters parametros{};
    QByteArray datos;
};

// The runtime's "device I/O error" (NumeroError::ErrorDeDispositivo): every
// failure the scanner reports carries it, with the device's own words as the
// description.
Err ErrorEscaner(const QString& descripcion);

// Starts the process's SANE session on first use; it ends when the process
// exits, closing first any device still open, and before the backends clean
// up after themselves. False when SANE could not start.
bool IniciaSane();
// The devices found now, local and on the network. Raises Err when SANE is
// unavailable.
std::vector<DescripcionSane> DispositivosSane();

// An open device. Every scan ends with sane_cancel, whatever happens, and the
// destructor closes the device.
class DispositivoSane {
public:
    // Raises Err when the device cannot be opened.
    explicit DispositivoSane(const QString& nombre);
    ~DispositivoSane();
    DispositivoSane(const DispositivoSane&) = delete;
    DispositivoSane& operator=(const DispositivoSane&) = delete;

    const QString& nombre() const { return nombre_; }

    // Whether the option exists and is in use now.
    bool activa(const char* opcion) const;
    // Whether the option exists and can be set now.
    bool ajustable(const char* opcion) const;
    // The allowed values of a text option; empty when it has no list.
    QStringList valoresTexto(const char* opcion) const;
    // Whether a numeric option accepts exactly this value.
    bool admiteNumero(const char* opcion, double valor) const;

    // Each raises Err when the option is missing, inactive or refused.
    void fijaTexto(const char* opcion, const QString& valor);
    void fijaBooleano(const char* opcion, bool valor);
    // Integer or fixed-point option: the value is brought into the range
    // (on its steps) or to the closest listed value. Returns what the device kept.
    double fijaNumero(const char* opcion, double valor);
    double leeNumero(const char* opcion) const;

    // Called after each read with the frame being read and how many of its
    // bytes have come, so a page can be stored while the rest arrives.
    using AlLeer = std::function<void(const CuadroSane& cuadro, qint64 leidos)>;

    // Scans one page, every frame up to the last. A line count the device
    // does not know in advance is read until the end of the frame. Raises Err
    // with the device's status on any failure, out of paper and cancel included.
    std::vector<CuadroSane> escanea(const AlLeer& alLeer = nullptr);

private:
    struct Opcion {
        SANE_Int indice;
        const SANE_Option_Descriptor* descripcion;
    };
    std::optional<Opcion> localiza(const char* opcion) const;
    // These raise Err when the option is missing, inactive or fixed.
    Opcion buscaActiva(const char* opcion) const;
    Opcion buscaAjustable(const char* opcion) const;
    void controla(SANE_Int indice, SANE_Action accion, void* valor) const;
    // Reads until the end of the frame, whatever line count was announced.
    CuadroSane leeCuadro(const AlLeer& alLeer);

    QString nombre_;
    SANE_Handle handle_ = nullptr;
};
