#include "platform/base/Err.h"
#include "platform/serial/PuertoSerie.h"
#include "support/Pseudoterminal.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {

class PuertoSerieTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pty.valido()); }

    Pseudoterminal pty;
    VariableTemporal dispositivo{"ESCANEO_PUERTO_COM3", QFile::encodeName(pty.esclavo())};
};

long numeroAlAbrir(PuertoSerie& puerto)
{
    try {
        puerto.setPortOpen(true);
    } catch (const Err& e) {
        return e.Number;
    }
    return 0;
}

TEST(DispositivoDePuerto, DefaultsToTheMatchingTtyAndTheEnvironmentWins)
{
    EXPECT_EQ(DispositivoDePuerto(1), "/dev/ttyS0");
    EXPECT_EQ(DispositivoDePuerto(4), "/dev/ttyS3");
    VariableTemporal entorno("ESCANEO_PUERTO_COM4", "/dev/ttyUSB7");
    EXPECT_EQ(DispositivoDePuerto(4), "/dev/ttyUSB7");
}

TEST_F(PuertoSerieTest, EveryByteLeavesAsWrittenOnARawLine)
{
    PuertoSerie puerto;
    puerto.setCommPort(3);
    puerto.setPortOpen(true);

    termios t{};
    ASSERT_EQ(tcgetattr(pty.descriptorEsclavo(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), speed_t(B9600));
    EXPECT_EQ(cfgetispeed(&t), speed_t(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_FALSE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_FALSE(t.c_oflag & OPOST);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF | ICRNL));
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));

    const QByteArray bytes("\x1b\x21\x20\r\x1b\x61\x01linea\n\n\x1d\x56\x00\xd1", 17);
    puerto.setOutput(bytes);
    puerto.setPortOpen(false);
    EXPECT_FALSE(puerto.PortOpen());
    EXPECT_EQ(pty.recibido(), bytes);
}

TEST_F(PuertoSerieTest, MissingBusyAndClosedPortsFail)
{
    PuertoSerie otro;
    otro.setCommPort(8);
    VariableTemporal ausente("ESCANEO_PUERTO_COM8", "/dev/no-existe-este-puerto");
    EXPECT_EQ(numeroAlAbrir(otro), 8002);
    EXPECT_FALSE(otro.PortOpen());
    EXPECT_THROW(otro.setOutput("x"), Err);

    // Another ticket holding the line counts as a port that cannot open.
    const int ocupado = ::open(QFile::encodeName(pty.esclavo()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(ocupado, 0);
    ASSERT_EQ(flock(ocupado, LOCK_EX), 0);
    PuertoSerie puerto;
    puerto.setCommPort(3);
    EXPECT_EQ(numeroAlAbrir(puerto), 8002);
    ::close(ocupado);
    EXPECT_EQ(numeroAlAbrir(puerto), 0);
    EXPECT_THROW(puerto.setCommPort(4), Err);
    EXPECT_EQ(puerto.CommPort(), 3);
}

}
