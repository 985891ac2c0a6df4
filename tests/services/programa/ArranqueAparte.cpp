#include "platform/dialogs/Dialogos.h"
#include "services/Arranque.h"
#include "services/Objetos.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

// Stands where a person would answer: every prompt is printed and gets the
// answer of a key pressed at once (OK, or cancel), so a test sees them all.
class DialogosImpresos : public Dialogos {
public:
    int MsgBox(const QString& mensaje, int, const QString&) override { return imprime(mensaje, Resultado::Aceptar); }
    QString InputBox(const QString& mensaje, const QString&, const QString&) override
    {
        imprime(mensaje, 0);
        return {};
    }
    QString AbrirArchivo(const QString& titulo, const QString&, const QString&) override
    {
        imprime(titulo, 0);
        return {};
    }
    QStringList AbrirArchivos(const QString& titulo, const QString&, const QString&) override
    {
        imprime(titulo, 0);
        return {};
    }
    QString GuardarArchivo(const QString& titulo, const QString&, const QString&) override
    {
        imprime(titulo, 0);
        return {};
    }
    std::vector<int> EligeFilas(const QString& titulo, const QStringList&, const QVector<QStringList>&, bool) override
    {
        imprime(titulo, 0);
        return {};
    }
    void MuestraEspera(const QString&, int) override {}
    void ActualizaEspera(int, const QString&) override {}
    void CierraEspera() override {}
    void PintaProgreso(QObject*, const QString&, double) override {}

private:
    static int imprime(const QString& texto, int respuesta)
    {
        std::printf("aviso: %s\n", qUtf8Printable(texto));
        return respuesta;
    }
};

}  // namespace

// One start-up as the program runs it, in a process of its own, on the
// command line given: ends 0 only when both the main and the statistics
// databases are open.
int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    instalaDialogos(std::make_unique<DialogosImpresos>());
    QString cadena;
    const bool principal = IniciaConexion(false, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(), cadena, 3);
    const bool estadisticas = ConexionEstadisticas().EstaConectado();
    std::printf("principal=%d estadisticas=%d\n", principal ? 1 : 0, estadisticas ? 1 : 0);
    if (!principal)
        std::printf("%s\n", qUtf8Printable(ConexionPrincipal().ErrorConexion()));
    return principal && estadisticas ? 0 : 1;
}
