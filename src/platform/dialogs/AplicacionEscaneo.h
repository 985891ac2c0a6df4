#pragma once

#include <QApplication>

// The program's application object. An exception that leaves an event
// handler or a slot ends the handler's work, not the program: the operator
// sees it in the shared error dialog, the error log keeps it, and the event
// loop goes on with the next event.
class AplicacionEscaneo : public QApplication {
public:
    AplicacionEscaneo(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;
};
