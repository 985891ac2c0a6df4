#include "platform/browser/CreaVistaPagina.h"
#include "platform/browser/VistaPagina.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QMenu>
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

    // The mouse at the view's centre, sent to the engine's widget there.
    void ratonAlCentro(QEvent::Type tipo, Qt::MouseButton boton, Qt::MouseButtons botones)
    {
        const QPoint centro(vista->width() / 2, vista->height() / 2);
        QWidget* destino = vista->childAt(centro);
        ASSERT_NE(destino, nullptr);
        const QPoint punto = destino->mapFrom(vista.get(), centro);
        QMouseEvent evento(tipo, punto, destino->mapToGlobal(QPointF(punto)), boton, botones, Qt::NoModifier);
        QApplication::sendEvent(destino, &evento);
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

    ratonAlCentro(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    ASSERT_TRUE(Espera([&] { return Centro(*vista) == Azul; })) << std::hex << Centro(*vista);

    ratonAlCentro(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    ratonAlCentro(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(Espera([&] { return Centro(*vista) == Rojo; }, 2000));
    EXPECT_EQ(vista->Direccion(), QUrl::fromLocalFile(ruta));
}

// On a scanned image the engine offers saving it, copying its address, the
// page's source and its history; of those only the copy of the image works.
TEST_F(BrowserPlugin, TheMenuOffersOnlyWhatWorks)
{
    QImage imagen(8, 8, QImage::Format_RGB32);
    imagen.fill(Verde);
    ASSERT_TRUE(imagen.save(dir.filePath(QStringLiteral("imagen.png"))));
    const QString ruta = pagina("imagen.htm", "<html><head><style>body{margin:0}"
                                              "img{display:block;width:100vw;height:100vh}</style></head>"
                                              "<body><img src=\"imagen.png\"></body></html>");
    vista->Navega(QUrl::fromLocalFile(ruta));
    ASSERT_TRUE(Espera([&] { return Centro(*vista) == Verde; })) << std::hex << Centro(*vista);

    ratonAlCentro(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    ratonAlCentro(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    QMenu* menu = nullptr;
    ASSERT_TRUE(Espera([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; }));
    QStringList entradas;
    for (const QAction* accion : menu->actions())
        entradas << accion->text();
    EXPECT_EQ(entradas.join(u'|').toStdString(), "Copiar imagen");
    // What the offscreen platform cannot do for a popup is no message of the
    // program's.
    mensajes.removeIf([](const QString& m) { return m.startsWith(u"default:This plugin does not support"); });
}
