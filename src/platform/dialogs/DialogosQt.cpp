#include "platform/dialogs/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QPainter>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// The shortest time between two repaints of the wait window, in ms.
constexpr qint64 IntervaloEspera = 40;

// Colours as the picture box takes them: &H800000 (blue-green-red) is dark blue.
const QColor ColorFrente(0x00, 0x00, 0x80);
const QColor ColorFondo(0xFF, 0xFF, 0xFF);

QString textoBoton(int resultado)
{
    switch (resultado) {
    case Resultado::Cancelar:
        return QStringLiteral("Cancelar");
    case Resultado::Abortar:
        return QStringLiteral("Anular");
    case Resultado::Reintentar:
        return QStringLiteral("Reintentar");
    case Resultado::Ignorar:
        return QStringLiteral("Omitir");
    case Resultado::Si:
        return QStringLiteral("Sí");
    case Resultado::No:
        return QStringLiteral("No");
    default:
        return QStringLiteral("Aceptar");
    }
}

void textosAceptarCancelar(QDialogButtonBox& caja)
{
    caja.button(QDialogButtonBox::Ok)->setText(textoBoton(Resultado::Aceptar));
    caja.button(QDialogButtonBox::Cancel)->setText(textoBoton(Resultado::Cancelar));
}

// Patterns "*.bmp;*.jpg" as Qt lists them: "*.bmp *.jpg".
QString patronesQt(const QString& patrones)
{
    QStringList lista;
    for (const QString& p : patrones.split(u';', Qt::SkipEmptyParts)) {
        if (!p.trimmed().isEmpty())
            lista << p.trimmed();
    }
    return lista.isEmpty() ? QStringLiteral("*") : lista.join(u' ');
}

}

EstiloMsgBox InterpretaEstilo(int botones)
{
    EstiloMsgBox e;
    switch (botones & 0x0F) {
    case Botones::AceptarCancelar:
        e.resultados = {Resultado::Aceptar, Resultado::Cancelar};
        break;
    case Botones::AbortarReintentarIgnorar:
        e.resultados = {Resultado::Abortar, Resultado::Reintentar, Resultado::Ignorar};
        break;
    case Botones::SiNoCancelar:
        e.resultados = {Resultado::Si, Resultado::No, Resultado::Cancelar};
        break;
    case Botones::SiNo:
        e.resultados = {Resultado::Si, Resultado::No};
        break;
    case Botones::ReintentarCancelar:
        e.resultados = {Resultado::Reintentar, Resultado::Cancelar};
        break;
    default:
        e.resultados = {Resultado::Aceptar};
        break;
    }
    switch (botones & 0x70) {
    case Botones::IconoCritico:
        e.icono = QMessageBox::Critical;
        break;
    case Botones::IconoPregunta:
        e.icono = QMessageBox::Question;
        break;
    case Botones::IconoExclamacion:
        e.icono = QMessageBox::Warning;
        break;
    case Botones::IconoInformacion:
        e.icono = QMessageBox::Information;
        break;
    default:
        break;
    }
    // 256 makes the second button the default, 512 the third, 768 the fourth.
    const size_t defecto = size_t((botones >> 8) & 3);
    e.porDefecto = e.resultados[defecto < e.resultados.size() ? defecto : 0];
    return e;
}

QString FiltroQt(const QString& filtroPares)
{
    const QStringList partes = filtroPares.split(u'|');
    QStringList filtros;
    for (qsizetype i = 0; i < partes.size(); i += 2) {
        QString descripcion = partes[i].trimmed();
        const QString patrones = patronesQt(i + 1 < partes.size() ? partes[i + 1] : descripcion);
        if (descripcion.isEmpty() && i + 1 >= partes.size())
            continue;
        // Qt reads the patterns from the description's last parenthesis, so
        // one the description already carries is replaced, not repeated.
        const qsizetype abre = descripcion.lastIndexOf(u'(');
        if (abre >= 0 && descripcion.endsWith(u')') && descripcion.mid(abre).contains(u'*'))
            descripcion = descripcion.left(abre).trimmed();
        filtros << (descripcion.isEmpty() ? patrones : descripcion) + QStringLiteral(" (") + patrones + u')';
    }
    return filtros.join(QStringLiteral(";;"));
}

QString TituloDialogo(const QString& titulo)
{
    return titulo.isEmpty() ? QStringLiteral("escaneo") : titulo;
}

DialogosQt::DialogosQt() = default;

DialogosQt::~DialogosQt()
{
    // A wait window still open when the application is already gone can no
    // longer be deleted safely.
    if (!QCoreApplication::instance())
        (void)espera_.release();
}

int DialogosQt::MsgBox(const QString& mensaje, int botones, const QString& titulo)
{
    const EstiloMsgBox estilo = InterpretaEstilo(botones);
    QMessageBox caja(estilo.icono, TituloDialogo(titulo), mensaje, QMessageBox::NoButton,
                     QApplication::activeWindow());
    std::map<const QAbstractButton*, int> resultadoDe;
    for (int r : estilo.resultados) {
        // One role for all keeps the buttons in the style's order on every
        // desktop style, so the same choice is always in the same place.
        QPushButton* b = caja.addButton(textoBoton(r), QMessageBox::ActionRole);
        resultadoDe[b] = r;
        if (r == estilo.porDefecto)
            caja.setDefaultButton(b);
        // Escape and the close box answer Cancel, or OK when alone; the
        // other sets cannot be dismissed without a choice.
        if (r == Resultado::Cancelar || estilo.resultados.size() == 1)
            caja.setEscapeButton(b);
    }
    caja.exec();
    const auto elegido = resultadoDe.find(caja.clickedButton());
    return elegido != resultadoDe.end() ? elegido->second : estilo.resultados.front();
}

QString DialogosQt::InputBox(const QString& mensaje, const QString& titulo, const QString& porDefecto)
{
    QInputDialog caja(QApplication::activeWindow());
    caja.setWindowTitle(TituloDialogo(titulo));
    caja.setLabelText(mensaje);
    caja.setTextValue(porDefecto);
    // Wide enough to show a whole file name offered as the default.
    caja.resize(qMax(caja.sizeHint().width(), 420), caja.sizeHint().height());
    caja.setOkButtonText(textoBoton(Resultado::Aceptar));
    caja.setCancelButtonText(textoBoton(Resultado::Cancelar));
    return caja.exec() == QDialog::Accepted ? caja.textValue() : QString();
}

QString DialogosQt::AbrirArchivo(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), TituloDialogo(titulo), carpeta,
                                        FiltroQt(filtro));
}

QStringList DialogosQt::AbrirArchivos(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), TituloDialogo(titulo), carpeta,
                                         FiltroQt(filtro));
}

QString DialogosQt::GuardarArchivo(const QString& titulo, const QString& filtro, const QString& carpeta)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), TituloDialogo(titulo), carpeta,
                                        FiltroQt(filtro));
}

std::vector<int> DialogosQt::EligeFilas(const QString& titulo, const QStringList& columnas,
                                        const QVector<QStringList>& filas, bool multiple)
{
    QDialog ventana(QApplication::activeWindow());
    ventana.setWindowTitle(TituloDialogo(titulo));

    auto* tabla = new QTableWidget(int(filas.size()), int(columnas.size()), &ventana);
    tabla->setHorizontalHeaderLabels(columnas);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla->setSelectionMode(multiple ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    for (int f = 0; f < filas.size(); ++f) {
        for (int c = 0; c < columnas.size(); ++c)
            tabla->setItem(f, c, new QTableWidgetItem(filas[f].value(c)));
    }
    tabla->resizeColumnsToContents();
    tabla->horizontalHeader()->setStretchLastSection(true);
    if (!multiple && !filas.isEmpty())
        tabla->selectRow(0);

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ventana);
    textosAceptarCancelar(*botones);
    QObject::connect(botones, &QDialogButtonBox::accepted, &ventana, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &ventana, &QDialog::reject);
    if (!multiple)
        QObject::connect(tabla, &QTableWidget::cellDoubleClicked, &ventana, &QDialog::accept);

    auto* disposicion = new QVBoxLayout(&ventana);
    disposicion->addWidget(tabla);
    disposicion->addWidget(botones);
    ventana.resize(720, 420);

    std::vector<int> elegidas;
    if (ventana.exec() != QDialog::Accepted)
        return elegidas;
    for (const QModelIndex& i : tabla->selectionModel()->selectedRows())
        elegidas.push_back(i.row());
    std::sort(elegidas.begin(), elegidas.end());
    return elegidas;
}

void DialogosQt::MuestraEspera(const QString& texto, int maximo)
{
    if (!espera_) {
        espera_ = std::make_unique<QProgressDialog>();
        espera_->setCancelButton(nullptr);
        espera_->setAutoClose(false);
        espera_->setAutoReset(false);
        espera_->setMinimumDuration(0);
        espera_->setWindowModality(Qt::ApplicationModal);
        espera_->setWindowTitle(TituloDialogo(QString()));
    }
    // A maximum of 0 shows a busy bar instead of a share done.
    espera_->setRange(0, std::max(0, maximo));
    espera_->setValue(0);
    espera_->setLabelText(texto);
    espera_->show();
    QCoreApplication::processEvents();
    repintada_.start();
}

void DialogosQt::ActualizaEspera(int valor, const QString& texto)
{
    // Work may report every row it reads: the window repaints a few times a
    // second, with the latest text, and costs nothing in between.
    if (!espera_ || repintada_.elapsed() < IntervaloEspera)
        return;
    repintada_.start();
    espera_->setLabelText(texto);
    if (espera_->maximum() > 0)
        espera_->setValue(std::clamp(valor, 0, espera_->maximum()));
    // Work runs on the one thread: without this the window never repaints.
    QCoreApplication::processEvents();
}

void DialogosQt::CierraEspera()
{
    espera_.reset();
}

void DialogosQt::PintaProgreso(QObject* caja, const QString& texto, double fraccion)
{
    const QSize tamano = caja->property("size").toSize();
    if (tamano.isEmpty())
        return;
    // Setting the colours clears the box, so every paint starts afresh.
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(ColorFondo);

    const QFont fuente = caja->property("font").value<QFont>();
    const QFontMetrics medidas(fuente);
    const int ancho = medidas.horizontalAdvance(texto);
    const int alto = medidas.height();
    const int x = int(std::lround(tamano.width() / 2.0 - ancho / 2.0));
    const int y = int(std::lround(tamano.height() / 2.0 - alto / 2.0));

    QPainter pintor(&imagen);
    pintor.setFont(fuente);
    pintor.fillRect(x, y, ancho, alto, ColorFondo);
    pintor.setPen(ColorFrente);
    pintor.drawText(x, y + medidas.ascent(), texto);

    pintor.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    if (fraccion > 0)
        pintor.fillRect(QRectF(0, 0, tamano.width() * fraccion, tamano.height()), ColorFrente);
    else
        pintor.fillRect(imagen.rect(), ColorFondo);
    pintor.end();

    caja->setProperty("pixmap", QPixmap::fromImage(imagen));
}
