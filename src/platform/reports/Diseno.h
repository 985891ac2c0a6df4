#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A report layout of our own (format in reports/README): what a report
// reads and where each value goes. Sources are "VIEW.FIELD" or "@Formula".
struct Diseno {
    enum class Alineacion { Izquierda, Centro, Derecha };
    enum class Formato { Texto, Importe, Fecha, Letra, Numero };
    enum class ClaseFila { Columnas, Titulo, Texto, Blanco };

    struct Dato {
        QString rotulo;
        QString fuente;
        Formato formato = Formato::Texto;
    };
    struct Columna {
        QString rotulo;
        double ancho = 20;  // millimetres
        Alineacion alineacion = Alineacion::Izquierda;
    };
    struct Union {
        QString vista;
        QString desde;
        QStringList campos;       // the joined view's fields
        QStringList camposDesde;  // the fields they equal in `desde`
    };
    // What a row of a kind prints; "*" is any kind, "-" the empty one.
    struct Fila {
        QString tipo;
        ClaseFila clase = ClaseFila::Columnas;
        QString rotulo;
        QList<Dato> fuentes;
    };
    struct Bloque {
        QString subinforme;
        QString rotulo;
        QString fuente;
    };

    QString archivo;
    QString texto;  // the file as read, kept with a saved report
    QString titulo;
    QString vista;
    QList<Union> uniones;
    QStringList orden;  // default sort, "VIEW.FIELD"
    QString campoTipo;
    QStringList empresa;  // formula names, one heading line each
    QList<Dato> datos;
    QList<Columna> columnas;
    QList<Fila> filas;
    QList<Dato> totales;
    QList<Dato> sumas;
    QList<Bloque> bloques;

    QStringList vistas() const;
    // Every "VIEW.FIELD" the layout reads, once each, upper-cased.
    QStringList campos() const;
};

// Reads a layout; raises Err 53 when the file is missing and Err 5 naming
// the file when it is not one of our layouts or a line cannot be read.
Diseno LeeDiseno(const QString& ruta);
Diseno InterpretaDiseno(const QString& texto, const QString& archivo);

// The path of an existing file of that name in its folder, found without
// regard to case; the path unchanged when there is none.
QString UbicaSinMayusculas(const QString& ruta);
