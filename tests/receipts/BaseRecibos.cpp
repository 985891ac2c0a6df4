#include "BaseRecibos.h"

#include "services/CargaConfiguracion.h"
#include "services/Modulo.h"

void BaseRecibos::SetUp()
{
    BaseDePrueba::SetUp();
    conectaPrincipal();
    CargaConfiguracion(QString());
    Modulo().ClaveEstacionSesion = QStringLiteral("PUESTO1|DEMO");
}

void BaseRecibos::fijaClave(const QString& clave, const QString& valor)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(clave));
    if (!valor.isNull())
        ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('GENERAL', '%1', '%2')")
                    .arg(clave.toUpper(), valor));
    CargaConfiguracion(QString());
}
