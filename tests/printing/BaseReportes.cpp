#include "BaseReportes.h"

#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class MotorGrabador : public MotorReporte {
public:
    explicit MotorGrabador(std::vector<TrabajoReporte>& trabajos) : trabajos_(trabajos) {}
    void Imprime(const TrabajoReporte& trabajo) override { trabajos_.push_back(trabajo); }

private:
    std::vector<TrabajoReporte>& trabajos_;
};

}  // namespace

void BaseReportes::SetUp()
{
    BaseImpresion::SetUp();
    carpetaReportes = dir.path() + QStringLiteral("/programa/");
    ASSERT_TRUE(QDir().mkpath(carpetaReportes));
    Modulo().CarpetaPrograma = carpetaReportes;
    Modulo().ClaveEstacionSesion = ClaveEstacion().toUpper().left(50);
    Modulo().CadenaConexionReporte = QStringLiteral("DSN=demo; UID=demo; PWD=clave");
    ObjReporte().InstalaMotor(std::make_unique<MotorGrabador>(trabajos));
}

QString BaseReportes::archivo(const QString& nombre)
{
    const QString ruta = QFileInfo(nombre).isAbsolute() ? nombre : carpetaReportes + nombre;
    EXPECT_TRUE(QDir().mkpath(QFileInfo(ruta).path()));
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
    f.write("TITULO prueba\n");
    return ruta;
}

QString BaseReportes::texto(QString t) const
{
    return t.replace(QStringLiteral("%C"), carpetaReportes)
        .replace(QStringLiteral("%E"), ClaveEstacion())
        .replace(QStringLiteral("%S"), Modulo().ClaveEstacionSesion);
}
