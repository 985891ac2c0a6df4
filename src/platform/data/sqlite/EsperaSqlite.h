#pragma once

#include <QElapsedTimer>
#include <QString>

struct sqlite3;

// Waits while another program holds the database locked, for up to the
// command time-out of each statement. After a moment the wait window says
// that the program waits for the database; when the time runs out the
// operator is told why, and the statement fails with the lock's error.
class EsperaSqlite {
public:
    // Becomes the busy handler of `db`, the file `archivo`; installed before
    // the connection's first statement, so none fails at once on a lock.
    void instala(sqlite3* db, const QString& archivo);
    // 0 waits for ever, as the server's command time-out 0 does.
    void fijaLimite(int segundos);

    // One call into the engine: a wait window shown during it closes when
    // the call ends, whether the statement ran or failed.
    class Tramo {
    public:
        explicit Tramo(EsperaSqlite& espera) : espera_(espera) {}
        ~Tramo() { espera_.cierra(); }
        Tramo(const Tramo&) = delete;
        Tramo& operator=(const Tramo&) = delete;

    private:
        EsperaSqlite& espera_;
    };

private:
    static int reintenta(void* espera, int intentos);
    bool sigue(int intentos);
    void cierra();

    QString archivo_;
    int limiteSegundos_ = 30;
    QElapsedTimer reloj_;
    bool mostrada_ = false;
};
