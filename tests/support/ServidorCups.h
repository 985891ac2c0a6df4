#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: its configuration, spool and socket in
// a temporary folder, CUPS_SERVER pointing at it while it lives, and one
// queue that keeps every document it receives. Stopped when destroyed.
class ServidorCups {
public:
    ServidorCups();
    ~ServidorCups();
    ServidorCups(const ServidorCups&) = delete;
    ServidorCups& operator=(const ServidorCups&) = delete;

    // cupsd and lpadmin are installed.
    static bool Disponible();
    bool arrancado() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    // The queue, also the scheduler's default.
    static QString Cola() { return QStringLiteral("escaneo"); }
    // Adds another queue that keeps its documents too.
    bool agregaCola(const QString& nombre);
    // The documents the queues received, oldest first.
    QStringList documentos() const;

private:
    bool lpadmin(const QStringList& argumentos);

    QTemporaryDir dir_;
    QString socket_;
    QProcess cupsd_;
    QString error_;
    QByteArray servidorAnterior_;
};
