#include "support/modulo/BaseDePrueba.h"

#include "platform/base/ArchivoSeguro.h"
#include "services/CatalogoBusquedas.h"
#include "services/Objetos.h"

#include <QDir>

namespace {

QByteArray relleno(const char* texto, int ancho)
{
    QByteArray b(texto);
    return b + QByteArray(ancho - b.size(), ' ');
}

class Catalogo : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        programa = dir.filePath("programa") + '/';
        QDir().mkpath(programa);
    }

    QString programa;
};

}

TEST_F(Catalogo, FreshCatalogueHoldsElevenFixedRecords)
{
    PreparaCatalogoBusquedas(programa);
    ASSERT_EQ(ObjBuscador().ArchivoCatalogo(), programa + "consultas.kzr");
    const QByteArray c = LeeArchivoCompleto(programa + "consultas.kzr");
    ASSERT_EQ(c.size(), 13222);
    const QByteArray segundo = c.mid(1202, 1202);
    EXPECT_EQ(segundo.left(100), relleno("CLIENTES", 100));
    EXPECT_EQ(segundo.mid(100, 100), relleno("VT_CLIENTES", 100));
    EXPECT_EQ(segundo.mid(200, 500), relleno("|RAZON_SOCIAL|CODIGO|CONTACTO|", 500));
    EXPECT_EQ(segundo.mid(700, 500), QByteArray(500, ' '));
    EXPECT_EQ(segundo.right(2), QByteArray("\r\n"));
    const QByteArray ultimo = c.right(1202);
    EXPECT_EQ(ultimo.left(100), relleno("DEPOSITO", 100));
    EXPECT_EQ(ultimo.mid(200, 500), relleno("|Descripcion|IdDeposito|", 500));
    EXPECT_EQ(c.mid(3 * 1202 + 200, 500), relleno("|Nombre_y_Apellido|Domicilio|Localidad|Telefono|", 500));
}

TEST_F(Catalogo, ExistingCatalogueIsNeverRewritten)
{
    EscribeArchivoCompleto(programa + "consultas.kzr", "propio");
    PreparaCatalogoBusquedas(programa);
    EXPECT_EQ(LeeArchivoCompleto(programa + "consultas.kzr"), "propio");
}

TEST_F(Catalogo, UnwritableProgramFolderUsesTheUsersDataFolder)
{
    const QString noExiste = dir.filePath("no/existe") + '/';
    PreparaCatalogoBusquedas(noExiste);
    const QString enDatos = dir.filePath("datos/escaneo/consultas.kzr");
    EXPECT_EQ(ObjBuscador().ArchivoCatalogo(), enDatos);
    EXPECT_EQ(LeeArchivoCompleto(enDatos).size(), 13222);
}

TEST_F(Catalogo, FailedWriteRaisesButTheStartUpStepPassesItOver)
{
    QDir().mkpath(programa + "consultas.kzr/");
    ObjBuscador().setArchivoCatalogo(programa + "consultas.kzr");
    EXPECT_THROW(GeneraCatalogoBusquedas(), Err);
    EXPECT_NO_THROW(PreparaCatalogoBusquedas(programa));
    EXPECT_EQ(ObjBuscador().ArchivoCatalogo(), programa + "consultas.kzr");
}
