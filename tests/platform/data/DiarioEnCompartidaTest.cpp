#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "support/DialogosGuionados.h"
#include "support/SistemaDeArchivosFingido.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <linux/magic.h>
#include <memory>
#include <optional>
#include <sqlite3.h>

namespace {

// For its life SQLite's files are its own but for the shared memory map of
// the log's index, which fails as a FUSE mount with direct I/O refuses it.
// Each file keeps right after it a copy of its methods with the map swapped,
// so every other call reaches SQLite's own file unchanged.
class MapaRechazado {
public:
    MapaRechazado() : anterior_(sqlite3_vfs_find(nullptr))
    {
        sqlite3_vfs* propio = sqlite3_vfs_find("unix");
        vfs_ = *propio;
        vfs_.pAppData = propio;
        vfs_.szOsFile += int(sizeof(sqlite3_io_methods));
        vfs_.zName = "mapa-rechazado";
        vfs_.xOpen = abre;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~MapaRechazado()
    {
        sqlite3_vfs_unregister(&vfs_);
        sqlite3_vfs_register(anterior_, 1);
    }
    MapaRechazado(const MapaRechazado&) = delete;
    MapaRechazado& operator=(const MapaRechazado&) = delete;

private:
    static int abre(sqlite3_vfs* vfs, sqlite3_filename nombre, sqlite3_file* archivo, int banderas, int* salida)
    {
        auto* real = static_cast<sqlite3_vfs*>(vfs->pAppData);
        const int rc = real->xOpen(real, nombre, archivo, banderas, salida);
        if (archivo->pMethods) {
            auto* metodos = reinterpret_cast<sqlite3_io_methods*>(reinterpret_cast<char*>(archivo) + real->szOsFile);
            *metodos = *archivo->pMethods;
            metodos->xShmMap = [](sqlite3_file*, int, int, int, void volatile**) { return SQLITE_IOERR_SHMMAP; };
            archivo->pMethods = metodos;
        }
        return rc;
    }

    sqlite3_vfs* const anterior_;
    sqlite3_vfs vfs_{};
};

class DiarioEnCompartida : public ::testing::Test {
protected:
    // The upload's database, with its four requests.
    QString nueva(const QString& nombre)
    {
        const QString archivo = dir.filePath(nombre);
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/subida.sql")});
        return archivo;
    }
    static std::unique_ptr<ConexionDatos> conecta(const QString& archivo)
    {
        auto db = std::make_unique<ConexionDatos>();
        db->setServidor(QStringLiteral("sqlite"));
        db->setBaseDatos(archivo);
        db->Conexion().setCommandTimeout(1);
        db->Conecta(false, 3, QString(), false, false);
        return db;
    }
    static long filas(ConexionDatos& db)
    {
        return long(db.AbreRecordset(QStringLiteral("SELECT COUNT(*) AS n FROM SOLICITUDES"))->Campo("n").toLongLong());
    }
    // Bytes 18 and 19 of the file: 2 in the write-ahead log, 1 in the
    // rollback journal.
    static QByteArray versiones(const QString& archivo)
    {
        QFile f(archivo);
        return f.open(QIODevice::ReadOnly) ? f.read(20).mid(18) : QByteArray();
    }
    // A database in the log, with rows that only its log holds yet, copied
    // while its connection is open, as a copy from a local disk can be.
    QString copiaEnLog(const QString& nombre)
    {
        const QString original = nueva(QStringLiteral("original-") + nombre);
        const SistemaDeArchivosFingido local(EXT4_SUPER_MAGIC);
        const auto db = conecta(original);
        db->Ejecuta(QStringLiteral("INSERT INTO SOLICITUDES (NRO_REFERENCIA) VALUES (1), (2), (3)"));
        const QString copia = dir.filePath(nombre);
        EXPECT_TRUE(QFile::copy(original, copia) && QFile::copy(original + "-wal", copia + "-wal"));
        EXPECT_EQ(versiones(copia), QByteArray("\2\2"));
        return copia;
    }

    QTemporaryDir dir;
};

TEST_F(DiarioEnCompartida, OnlyALocalDiskTakesTheWriteAheadLog)
{
    const struct {
        const char* caso;
        unsigned long tipo;
        bool local;
        bool sinMapa = false;  // the share refuses the map of the log's index
    } casos[] = {{"NFS", NFS_SUPER_MAGIC, false},   {"SMB", SMB2_SUPER_MAGIC, false},
                 {"FUSE", FUSE_SUPER_MAGIC, false}, {"FUSE sin mapa", FUSE_SUPER_MAGIC, false, true},
                 {"statfs falla", 0, false},        {"ext4", EXT4_SUPER_MAGIC, true},
                 {"btrfs", BTRFS_SUPER_MAGIC, true}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const QString nuevaAqui = nueva(QStringLiteral("%1.db").arg(c.caso));
        const QString copia = copiaEnLog(QStringLiteral("copia-%1.db").arg(c.caso));
        const QByteArray esperadas = c.local ? "\2\2" : "\1\1";
        const SistemaDeArchivosFingido sistema(c.tipo);
        std::optional<MapaRechazado> mapa;
        if (c.sinMapa)
            mapa.emplace();
        for (const QString& archivo : {nuevaAqui, copia}) {
            const auto db = conecta(archivo);
            ASSERT_TRUE(db->EstaConectado()) << db->ErrorConexion().toStdString();
            db->Ejecuta(QStringLiteral("INSERT INTO SOLICITUDES (NRO_REFERENCIA) VALUES (4)"));
            EXPECT_EQ(filas(*db), archivo == copia ? 8 : 5);
            EXPECT_EQ(versiones(archivo), esperadas);
            EXPECT_EQ(QFile::exists(archivo + "-wal"), c.local);
        }
    }
}

// Leaving the log needs the file to itself: while another program holds it
// the connection fails, saying why, and leaves the file and its rows as
// they are; once it is free the connection returns the file to the journal.
TEST_F(DiarioEnCompartida, ADatabaseInTheLogThatAnotherProgramHoldsIsLeftAsItIs)
{
    const QString archivo = nueva(QStringLiteral("retenida.db"));
    std::unique_ptr<ConexionDatos> otro;
    {
        const SistemaDeArchivosFingido local(EXT4_SUPER_MAGIC);
        otro = conecta(archivo);
        otro->Ejecuta(QStringLiteral("INSERT INTO SOLICITUDES (NRO_REFERENCIA) VALUES (1), (2)"));
    }
    const SistemaDeArchivosFingido red(NFS_SUPER_MAGIC);
    ConDialogosGuionados dialogos;
    dialogos->responde(1);
    const auto retenida = conecta(archivo);
    EXPECT_FALSE(retenida->EstaConectado());
    EXPECT_TRUE(retenida->ErrorConexion().contains(QStringLiteral("otro programa"))
                && retenida->ErrorConexion().contains(archivo))
        << retenida->ErrorConexion().toStdString();
    EXPECT_EQ(filas(*otro), 6);
    EXPECT_EQ(versiones(archivo), QByteArray("\2\2"));

    otro.reset();
    const auto libre = conecta(archivo);
    ASSERT_TRUE(libre->EstaConectado()) << libre->ErrorConexion().toStdString();
    EXPECT_EQ(filas(*libre), 6);
    EXPECT_EQ(versiones(archivo), QByteArray("\1\1"));
}

}
