#include "BaseImpresion.h"

#include "services/CargaConfiguracion.h"

void BaseImpresion::SetUp()
{
    BaseDePrueba::SetUp();
    conectaPrincipal();
    CargaConfiguracion(QString());
}

void BaseImpresion::fijaClave(const QString& clave, const QString& valor)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(clave));
    if (!valor.isNull())
        ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('GENERAL', '%1', '%2')")
                    .arg(clave.toUpper(), valor));
    CargaConfiguracion(QString());
}
