#include "support/DialogosGuionados.h"

#include "platform/dialogs/DialogosQt.h"

#include <gtest/gtest.h>

#include <algorithm>

QVariant DialogosGuionados::siguiente(const QVariant& alCerrar)
{
    if (respuestas.empty()) {
        const Aviso& aviso = avisos.back();
        ADD_FAILURE() << "a prompt no answer was queued for: " << aviso.tipo.toStdString() << " \""
                      << aviso.titulo.toStdString() << "\" " << aviso.mensaje.toStdString();
        return alCerrar;
    }
    QVariant r = respuestas.front();
    respuestas.pop_front();
    return r;
}

QStringList DialogosGuionados::mensajes() const
{
    QStringList m;
    for (const auto& a : avisos)
        m << a.mensaje;
    return m;
}

QStringList DialogosGuionados::tipos() const
{
    QStringList t;
    for (const auto& a : avisos)
        t << a.tipo;
    return t;
}

int DialogosGuionados::MsgBox(const QString& mensaje, int botones, const QString& titulo)
{
    avisos.push_back({QStringLiteral("MsgBox"), mensaje, botones, titulo, {}, {}});
    if (!estrictos_ && botones % 16 == Botones::SoloAceptar && respuestas.empty())
        return Resultado::Aceptar;
    const std::vector<int> resultados = InterpretaEstilo(botones).resultados;
    const bool cancelable =
        std::find(resultados.begin(), resultados.end(), Resultado::Cancelar) != resultados.end();
    return siguiente(cancelable ? Resultado::Cancelar : resultados.front()).toInt();
}

QString DialogosGuionados::InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto)
{
    avisos.push_back({QStringLiteral("InputBox"), mensaje, 0, titulo, {porDefecto}, {}});
    return siguiente(QString()).toString();
}

QString DialogosGuionados::AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    avisos.push_back({QStringLiteral("AbrirArchivo"), filtro, 0, titulo, {carpeta}, {}});
    return siguiente(QString()).toString();
}

QStringList DialogosGuionados::AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    avisos.push_back({QStringLiteral("AbrirArchivos"), filtro, 0, titulo, {carpeta}, {}});
    return siguiente(QStringList()).toStringList();
}

QString DialogosGuionados::GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    avisos.push_back({QStringLiteral("GuardarArchivo"), filtro, 0, titulo, {carpeta}, {}});
    return siguiente(QString()).toString();
}

std::vector<int> DialogosGuionados::EligeFilas(const QString& titulo, const QStringList& columnas,
                                               const QVector<QStringList>& filas, bool multiple)
{
    avisos.push_back({QStringLiteral("EligeFilas"), QString(), multiple ? 1 : 0, titulo, columnas, filas});
    std::vector<int> elegidas;
    const QList<int> filasElegidas = siguiente(QVariant::fromValue(QList<int>())).value<QList<int>>();
    for (int fila : filasElegidas)
        elegidas.push_back(fila);
    return elegidas;
}

void DialogosGuionados::MuestraEspera(const QString& texto, int)
{
    espera.push_back(QStringLiteral("Muestra:") + texto);
}

void DialogosGuionados::ActualizaEspera(int, const QString& texto)
{
    espera.push_back(QStringLiteral("Actualiza:") + texto);
}

void DialogosGuionados::CierraEspera()
{
    espera.push_back(QStringLiteral("Cierra"));
}

void DialogosGuionados::PintaProgreso(QObject*, const QString& texto, double fraccion)
{
    progreso.emplace_back(texto, fraccion);
}

ConDialogosGuionados::ConDialogosGuionados()
{
    auto d = std::make_unique<DialogosGuionados>();
    d_ = d.get();
    anteriores_ = instalaDialogos(std::move(d));
}

ConDialogosGuionados::~ConDialogosGuionados()
{
    instalaDialogos(std::move(anteriores_));
}
