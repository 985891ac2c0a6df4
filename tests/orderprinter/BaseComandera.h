#pragma once

#include "orderprinter/RegistroComandera.h"
#include "support/Pseudoterminal.h"
#include "support/VariableTemporal.h"
#include "support/modulo/BaseDePrueba.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// The demo database, the program folder in the test's own folder and an
// order printer on a pseudo-terminal behind "COM3".
class BaseComandera : public BaseDePrueba {
protected:
    void SetUp() override;

    // This workstation's key, as the station file stores it.
    static QString estacion();
    // A record of this workstation for the printer, on the port.
    static RegistroComandera registro(const QString& impresora, const QString& puerto = QStringLiteral("COM3"));
    void escribe(const QVector<RegistroComandera>& registros);

    Pseudoterminal pty;

private:
    VariableTemporal puerto_{"ESCANEO_PUERTO_COM3", QFile::encodeName(pty.esclavo())};
};
