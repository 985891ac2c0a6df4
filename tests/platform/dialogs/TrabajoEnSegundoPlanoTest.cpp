#include "platform/dialogs/TrabajoEnSegundoPlano.h"

#include "platform/base/Err.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QLabel>

#include <set>
#include <stdexcept>

namespace {

// Scripted answers that also note on which thread each prompt was shown,
// and can fail the way a broken dialog would.
class DialogosQueAnotanHilo : public DialogosGuionados {
public:
    std::set<std::thread::id> hilos;
    bool fallaMsgBox = false;

    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override
    {
        anota();
        if (fallaMsgBox)
            throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("sin pantalla"));
        return DialogosGuionados::MsgBox(mensaje, botones, titulo);
    }
    QString InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto) override
    {
        anota();
        return DialogosGuionados::InputBox(mensaje, titulo, porDefecto);
    }
    QStringList AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta) override
    {
        anota();
        return DialogosGuionados::AbrirArchivos(titulo, filtro, carpeta);
    }
    std::vector<int> EligeFilas(const QString& titulo, const QStringList& columnas, const QVector<QStringList>& filas,
                                bool multiple) override
    {
        anota();
        return DialogosGuionados::EligeFilas(titulo, columnas, filas, multiple);
    }
    void MuestraEspera(const QString& texto, int maximo) override
    {
        anota();
        DialogosGuionados::MuestraEspera(texto, maximo);
    }
    void PintaProgreso(QObject* caja, const QString& texto, double fraccion) override
    {
        anota();
        DialogosGuionados::PintaProgreso(caja, texto, fraccion);
    }

private:
    void anota() { hilos.insert(std::this_thread::get_id()); }
};

class TrabajoEnSegundoPlanoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto nuevos = std::make_unique<DialogosQueAnotanHilo>();
        d = nuevos.get();
        anteriores = instalaDialogos(std::move(nuevos));
    }
    void TearDown() override { instalaDialogos(std::move(anteriores)); }

    DialogosQueAnotanHilo* d = nullptr;
    std::unique_ptr<Dialogos> anteriores;
};

}  // namespace

// Every kind of prompt the work shows is shown on the thread that waits,
// in the work's order, and its answer reaches the work; afterwards the
// installed dialogs are the same as before.
TEST_F(TrabajoEnSegundoPlanoTest, TheWorksPromptsAreShownByTheWaitingThreadAndAnsweredToTheWork)
{
    d->responde(Resultado::Si).responde(QStringLiteral("clave")).responde(QStringList{"/a.bmp", "/b.bmp"});
    d->responde(QVariant::fromValue(QList<int>{1}));
    QLabel caja;
    std::thread::id hiloDelTrabajo;
    int si = 0;
    QString clave;
    QStringList archivos;
    std::vector<int> filas;

    TrabajoEnSegundoPlano trabajo([&] {
        hiloDelTrabajo = std::this_thread::get_id();
        si = dialogos().MsgBox(QStringLiteral("¿Seguir?"), Botones::SiNo, QStringLiteral("Aviso"));
        clave = dialogos().InputBox(QStringLiteral("Clave"));
        archivos = dialogos().AbrirArchivos(QStringLiteral("Imágenes"), QStringLiteral("*.bmp"));
        filas = dialogos().EligeFilas(QStringLiteral("Elija"), {QStringLiteral("TC")},
                                      {{QStringLiteral("FA")}, {QStringLiteral("FB")}}, false);
        dialogos().MuestraEspera(QStringLiteral("Conectando"), 3);
        dialogos().PintaProgreso(&caja, QStringLiteral("50%"), 0.5);
    });
    trabajo.Espera();

    EXPECT_NE(hiloDelTrabajo, std::this_thread::get_id());
    EXPECT_EQ(d->hilos, std::set<std::thread::id>{std::this_thread::get_id()});
    EXPECT_EQ(d->tipos(), (QStringList{"MsgBox", "InputBox", "AbrirArchivos", "EligeFilas"}));
    EXPECT_EQ(d->mensajes().value(0), QStringLiteral("¿Seguir?"));
    EXPECT_EQ(d->espera, std::vector<QString>{QStringLiteral("Muestra:Conectando")});
    ASSERT_EQ(d->progreso.size(), 1u);
    EXPECT_EQ(d->progreso[0].first, QStringLiteral("50%"));
    EXPECT_EQ(si, Resultado::Si);
    EXPECT_EQ(clave, QStringLiteral("clave"));
    EXPECT_EQ(archivos, (QStringList{"/a.bmp", "/b.bmp"}));
    EXPECT_EQ(filas, std::vector<int>{1});
    EXPECT_EQ(&dialogos(), d);
}

// What the work throws, and what a prompt throws to the work, come back as
// they were thrown; the dialogs are put back either way, and a prompt the
// waiting thread shows itself meanwhile is shown at once.
TEST_F(TrabajoEnSegundoPlanoTest, FailuresComeBackToWhoeverWaitsAndTheDialogsArePutBack)
{
    d->fallaMsgBox = true;
    int numeroVistoPorElTrabajo = 0;
    {
        TrabajoEnSegundoPlano trabajo([&] {
            try {
                dialogos().MsgBox(QStringLiteral("¿Seguir?"));
            } catch (const Err& e) {
                numeroVistoPorElTrabajo = int(e.Number);
            }
            throw std::runtime_error("sin conexión");
        });
        d->responde(Resultado::Cancelar);
        d->fallaMsgBox = false;
        EXPECT_EQ(dialogos().MsgBox(QStringLiteral("Aquí mismo"), Botones::AceptarCancelar), Resultado::Cancelar);
        d->fallaMsgBox = true;
        EXPECT_THROW(
            {
                try {
                    trabajo.Espera();
                } catch (const std::runtime_error& e) {
                    EXPECT_STREQ(e.what(), "sin conexión");
                    throw;
                }
            },
            std::runtime_error);
    }
    EXPECT_EQ(numeroVistoPorElTrabajo, NumeroError::ErrorDeDispositivo);
    EXPECT_EQ(&dialogos(), d);

    // Not waited for: leaving the scope waits, and still answers the work.
    d->fallaMsgBox = false;
    d->responde(Resultado::Aceptar);
    int respuesta = 0;
    {
        TrabajoEnSegundoPlano trabajo([&] { respuesta = dialogos().MsgBox(QStringLiteral("Listo"), Botones::AceptarCancelar); });
    }
    EXPECT_EQ(respuesta, Resultado::Aceptar);
    EXPECT_EQ(&dialogos(), d);
}
