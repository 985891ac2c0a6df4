#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <memory>

// The local date-time of a wall-clock date and time; a null time stands for
// the day's first moment. Invalid when the time does not exist here (the
// hour skipped when the clocks go forward).
QDateTime FechaLocal(QDate dia, QTime hora);

// The same, for the rows of a result. Building one costs a trip through the
// C library's zone rules, while rows repeat a few dates over and over: each
// is built once and copied after.
class FechasLocales {
public:
    QDateTime fecha(QDate dia, QTime hora);
    // Forgets what was built, for when the zone may have changed.
    void olvida() { entradas_.reset(); }

private:
    struct Entrada {
        qint64 clave = -1;
        QDateTime fecha;
    };
    std::unique_ptr<Entrada[]> entradas_;
};
