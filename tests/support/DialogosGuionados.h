#pragma once

#include "platform/dialogs/Dialogos.h"

#include <QString>
#include <QVariant>

#include <deque>
#include <utility>
#include <vector>

// Stands where a person would answer: records every prompt and returns the
// queued answers in order. A prompt with no queued answer fails the test at
// once and gets what closing it would answer (Cancel, or OK when alone; the
// first button where it cannot be closed; an empty text or choice).
class DialogosGuionados : public Dialogos {
public:
    // A plain OK box needs no queued answer unless `estrictos`, as the
    // dialogs every test program starts with are: a test that reaches them
    // scripted nothing.
    explicit DialogosGuionados(bool estrictos = false) : estrictos_(estrictos) {}

    struct Aviso {
        QString tipo;  // "MsgBox", "InputBox", "AbrirArchivo", "AbrirArchivos", "GuardarArchivo", "EligeFilas"
        QString mensaje;
        int botones = 0;
        QString titulo;
        QStringList columnas;  // the folder of a file prompt, the answer offered by InputBox
        QVector<QStringList> filas;
    };

    std::vector<Aviso> avisos;
    std::vector<QString> espera;  // "Muestra:<texto>", "Actualiza:<texto>", "Cierra"
    std::vector<std::pair<QString, double>> progreso;  // text and fraction painted
    std::deque<QVariant> respuestas;

    // Queues an answer: an int for MsgBox, a QString for the text and file
    // prompts, a QStringList for AbrirArchivos, a QList<int> (row indexes)
    // for EligeFilas.
    DialogosGuionados& responde(const QVariant& r)
    {
        respuestas.push_back(r);
        return *this;
    }
    // The messages shown, in order.
    QStringList mensajes() const;
    // The kinds of prompt shown ("MsgBox", "InputBox", ...), in order.
    QStringList tipos() const;

    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override;
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto) override;
    QString AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QStringList AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    QString GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta) override;
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas,
                                const QVector<QStringList>& filas, bool multiple) override;
    void MuestraEspera(const QString& texto, int maximo) override;
    void ActualizaEspera(int valor, const QString& texto) override;
    void CierraEspera() override;
    void PintaProgreso(QObject* caja, const QString& texto, double fraccion) override;

private:
    QVariant siguiente(const QVariant& alCerrar);

    bool estrictos_;
};

// Installs a fresh scripted implementation for the life of a test.
class ConDialogosGuionados {
public:
    ConDialogosGuionados();
    ~ConDialogosGuionados();
    DialogosGuionados& operator*() { return *d_; }
    DialogosGuionados* operator->() { return d_; }

private:
    DialogosGuionados* d_;
    std::unique_ptr<Dialogos> anteriores_;
};
