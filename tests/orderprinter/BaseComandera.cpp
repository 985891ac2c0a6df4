#include "BaseComandera.h"

#include "services/Modulo.h"
#include "services/Objetos.h"


void BaseComandera::SetUp()
{
    BaseDePrueba::SetUp();
    ASSERT_TRUE(pty.valido());
    conectaPrincipal();
    Modulo().CarpetaPrograma = dir.path() + QLatin1Char('/');
}

QString BaseComandera::estacion()
{
    return ObjSistema().NombreMaquina() + QLatin1Char('|') + ObjSistema().UsuarioWindows();
}

RegistroComandera BaseComandera::registro(const QString& impresora, const QString& puerto)
{
    RegistroComandera r;
    r.Estacion = estacion();
    r.ImpresoraComandera = impresora;
    r.Puerto = puerto;
    return r;
}

void BaseComandera::escribe(const QVector<RegistroComandera>& registros)
{
    EscribeComanderas(ArchivoComanderas(), registros);
}
