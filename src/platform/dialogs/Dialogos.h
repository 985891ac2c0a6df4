#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class QObject;

// Message-box button styles and icons, the numbers callers pass (combined by
// addition).
namespace Botones {
constexpr int SoloAceptar = 0;
constexpr int AceptarCancelar = 1;
constexpr int AbortarReintentarIgnorar = 2;
constexpr int SiNoCancelar = 3;
constexpr int SiNo = 4;
constexpr int ReintentarCancelar = 5;
constexpr int IconoCritico = 16;
constexpr int IconoPregunta = 32;
constexpr int IconoExclamacion = 48;
constexpr int IconoInformacion = 64;
}

// Message-box results, the numbers callers test.
namespace Resultado {
constexpr int Aceptar = 1;
constexpr int Cancelar = 2;
constexpr int Abortar = 3;
constexpr int Reintentar = 4;
constexpr int Ignorar = 5;
constexpr int Si = 6;
constexpr int No = 7;
}

// Every prompt the operator answers goes through here, so tests can answer
// in place of a person.
class Dialogos {
public:
    virtual ~Dialogos() = default;

    virtual int MsgBox(const QString& mensaje, int botones = Botones::SoloAceptar,
                       const QString& titulo = QString()) = 0;
    // The typed text; empty when the operator cancels.
    virtual QString InputBox(const QString& mensaje, const QString& titulo = QString(),
                             const QString& porDefecto = QString()) = 0;
    // The chosen path; empty when cancelled.
    virtual QString AbrirArchivo(const QString& titulo, const QString& filtro,
                                 const QString& carpeta = QString()) = 0;
    // Several files at once: their full paths; empty when cancelled.
    virtual QStringList AbrirArchivos(const QString& titulo, const QString& filtro,
                                      const QString& carpeta = QString()) = 0;
    virtual QString GuardarArchivo(const QString& titulo, const QString& filtro,
                                   const QString& carpeta = QString()) = 0;
    // A modal choice among rows of a table: the indexes chosen, in row order;
    // empty when cancelled. `multiple` allows several rows.
    virtual std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas,
                                        const QVector<QStringList>& filas, bool multiple) = 0;

    // The wait window shown while long work runs on the one thread.
    virtual void MuestraEspera(const QString& texto, int maximo) = 0;
    virtual void ActualizaEspera(int valor, const QString& texto) = 0;
    // Closing a window that is not shown does nothing.
    virtual void CierraEspera() = 0;

    // Progress painted into a status box of a window (a label): the text
    // centred, and the done fraction (0 to 1) as a dark-blue bar that
    // inverts the text under it.
    virtual void PintaProgreso(QObject* caja, const QString& texto, double fraccion) = 0;
};

// The installed implementation; the program installs the Qt one, tests a scripted one.
Dialogos& dialogos();
// Returns the one installed before.
std::unique_ptr<Dialogos> instalaDialogos(std::unique_ptr<Dialogos> nuevos);
