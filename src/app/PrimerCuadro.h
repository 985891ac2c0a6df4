#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// For the start-up benchmark: when ESCANEO_PRIMER_CUADRO is set, the
// window writes "primer cuadro" on standard output once its first frame is
// painted, and goes on running.
class AvisoPrimerCuadro : public QObject {
public:
    static void Vigila(QWidget& ventana)
    {
        if (qEnvironmentVariableIsSet("ESCANEO_PRIMER_CUADRO"))
            ventana.installEventFilter(new AvisoPrimerCuadro(&ventana));
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::Paint)
            return false;
        objeto->removeEventFilter(this);
        // The frame is done once the children have painted too.
        QTimer::singleShot(0, this, [] {
            std::fputs("primer cuadro\n", stdout);
            std::fflush(stdout);
        });
        return false;
    }

private:
    using QObject::QObject;
};
