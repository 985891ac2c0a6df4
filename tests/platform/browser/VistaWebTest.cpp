#include "platform/browser/CreaVistaPagina.h"
#include "platform/browser/VistaPagina.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <memory>

namespace {

const QRgb Verde = qRgb(0, 0xFF, 0), Rojo = qRgb(0xFF, 0, 0), Azul = qRgb(0, 0, 0xFF);

// Runs the event loop until the condition holds or the time is up.
bool Espera(const std::function<bool()>& condicion, int ms = 30000)
{
    const QDeadlineTimer limite(ms);
    while (!condicion()) {
        if (limite.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

QRgb Centro(QWidget& vista)
{
    const QImage imagen = vista.grab().toImage();
    return imagen.pixel(imagen.width() / 2, imagen.height() / 2);
}

// Keeps every message that reaches the application's handler.
QStringList mensajes;

void Registra(QtMsgType, const QMessageLogContext& contexto, const QString& mensaje)
{
    mensajes << QString::fromLatin1(contexto.category ? contexto.category : "") + u':' + mensaje;
}

// Each test starts the engine in its own process: its start-up report must
// not reach the terminal.
class BrowserPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        anterior_ = qInstallMessageHandler(Registra);
        vista.reset(CreaVistaDelPlugin(nullptr, QStringLiteral(ESCANEO_BINARY_DIR)));
        vista->resize(400, 300);
        vista->show();
    }
    void TearDown() override
    {
        vista.reset();
        qInstallMessageHandler(anterior_);
        EXPECT_EQ(mensajes.join(QStringLiteral(" | ")).toStdString(), "");
    }

    QString pagina(const char* nombre, const QByteArray& html)
    {
        const QString ruta = dir.filePath(QString::fromLatin1(nombre));
        QFile archivo(ruta);
        EXPECT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(html);
        return ruta;
    }

    QTemporaryDir dir;
    std::unique_ptr<VistaPagina> vista;

private:
    QtMessageHandler anterior_ = nullptr;
};

}

// The system writes its pages in Windows-1252 without saying so: the
// accents and signs match only when read as written; a script would paint
// the page red.
TEST_F(BrowserPlugin, ShowsAWindows1252PageWithoutRunningItsScripts)
{
    const QString ruta =
        pagina("pagina con blancos.htm",
               "<html><head><style>body{margin:0;background:#ff0000}div{height:100vh}"
               "div[title=\"Recepci\\f3n\\e1\\e9\\ed\\fa\\f1\\2013\\20ac\"]{background:#00ff00}</style></head>"
               "<body><div title=\"Recepci\xf3n\xe1\xe9\xed\xfa\xf1\x96\x80\"></div>"
               "<script>document.querySelector('div').style.background='#ff0000'</script></body></html>");
    vista->Navega(QUrl::fromLocalFile(ruta));
    EXPECT_EQ(vista->Direccion(), QUrl::fromLocalFile(ruta));
    EXPECT_TRUE(Espera([&] { return Centro(*vista) == Verde; })) << std::hex << Centro(*vista);
    // The program's own warnings still pass the engine's filter.
    qWarning("escaneo: aviso propio");
    EXPECT_EQ(mensajes.takeLast().toStdString(), "default:escaneo: aviso propio");
}

// The pointer over the link turns it blue, which shows the page gets the
// mouse; the click leaves the page where it is.
TEST_F(BrowserPlugin, ALinkClickedLeadsNowhere)
{
    pagina("destino.htm", "<html><body style=\"background:#ff0000\"></body></html>");
    const QString ruta = pagina("enlace.htm", "<html><head><style>body{margin:0}"
                                              "a{display:block;height:100vh;background:#00ff00}a:hover{background:#0000ff}"
                                              "</style></head><body><a href=\"destino.htm\"></a></body></html>");
    vista->Navega(QUrl::fromLocalFile(ruta));
    ASSERT_TRUE(Espera([&] { return Centro(*vista) == Verde; })) << std::hex << Centro(*vista);

    const QPoint centro(vista->width() / 2, vista->height() / 2);
    QWidget* destino = vista->childAt(centro);
    ASSERT_NE(destino, nullptr);
    const QPoint punto = destino->mapFrom(vista.get(), centro);
    const QPointF global = destino->mapToGlobal(QPointF(punto));
    QMouseEvent mueve(QEvent::MouseMove, punto, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(destino, &mueve);
    ASSERT_TRUE(Espera([&] { return Centro(*vista) == Azul; })) << std::hex << Centro(*vista);

    QMouseEvent pulsa(QEvent::MouseButtonPress, punto, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(destino, &pulsa);
    QMouseEvent suelta(QEvent::MouseButtonRelease, punto, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(destino, &suelta);
    EXPECT_FALSE(Espera([&] { return Centro(*vista) == Rojo; }, 2000));
    EXPECT_EQ(vista->Direccion(), QUrl::fromLocalFile(ruta));
}
