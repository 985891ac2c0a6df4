#pragma once

#include <QByteArray>
#include <QString>

// The serial line of an order printer, with the operations the ticket code
// calls on it (port, open, output). "COMn" is a device named in our settings
// ("puertos/COMn", overridden by ESCANEO_PUERTO_COMn), /dev/ttyS(n-1) by
// default. The line is raw 9600 baud 8N1 without flow control or output
// processing, so every byte leaves as written, and it is locked while open.
class PuertoSerie {
public:
    PuertoSerie() = default;
    ~PuertoSerie();
    PuertoSerie(const PuertoSerie&) = delete;
    PuertoSerie& operator=(const PuertoSerie&) = delete;

    int CommPort() const { return puerto_; }
    // Raises Err 8005 while the port is open, 8002 for a number below 1.
    void setCommPort(int puerto);

    bool PortOpen() const { return fd_ >= 0; }
    // Opening raises Err 8002 naming the device and the reason when it is
    // missing, cannot be set up or is locked by another user; closing waits
    // until every byte has left.
    void setPortOpen(bool abierto);

    // Sends the bytes whole; raises Err 8012 when the port is closed and
    // 8015 when the line fails.
    void setOutput(const QByteArray& bytes);

    // The last communication event; the line reports none.
    int CommEvent() const { return 0; }

private:
    void abre();
    void cierra();

    int puerto_ = 1;
    int fd_ = -1;
};

// The device file that stands for port number n.
QString DispositivoDePuerto(int puerto);
