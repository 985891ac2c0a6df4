#include "platform/objects/Utilidades.h"

#include "platform/base/Rutas.h"
#include "platform/dialogs/RegistroErrores.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QScreen>
#include <QTime>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

QString recortaBlancos(const QString& texto)
{
    qsizetype inicio = 0, fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ')
        ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ')
        --fin;
    return texto.mid(inicio, fin - inicio);
}

void exigeAnchoValido(int ancho)
{
    if (ancho < 0)
        throw Err(NumeroError::LlamadaInvalida);
}

// The number a typed amount holds, as sign, digits and "." ("-1234.56"):
// blanks are ignored; when both "." and "," appear the later one is the
// decimal point and the other groups thousands; a single "," or "." alone is
// the decimal point, and one that repeats groups thousands. Nothing for
// text that is not such a number.
std::optional<QString> numeroNormalizado(const QString& texto)
{
    QString s;
    for (QChar c : texto) {
        if (!c.isSpace())
            s += c;
    }
    QString signo;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        if (s[0] == u'-')
            signo = QStringLiteral("-");
        s.remove(0, 1);
    }
    bool hayDigitos = false;
    for (QChar c : s) {
        if (c.isDigit() && c.unicode() < 0x80)
            hayDigitos = true;
        else if (c != u'.' && c != u',')
            return std::nullopt;
    }
    if (!hayDigitos)
        return std::nullopt;

    const qsizetype puntos = s.count(u'.'), comas = s.count(u',');
    QChar decimal, grupo;
    if (puntos && comas) {
        decimal = s.lastIndexOf(u'.') > s.lastIndexOf(u',') ? u'.' : u',';
        grupo = decimal == u'.' ? u',' : u'.';
        if (s.count(decimal) > 1)
            return std::nullopt;
    } else if (puntos || comas) {
        QChar unico = puntos ? u'.' : u',';
        if (s.count(unico) == 1)
            decimal = unico;
        else
            grupo = unico;
    }
    if (!grupo.isNull())
        s.remove(grupo);
    if (!decimal.isNull())
        s.replace(decimal, u'.');
    return signo + s;
}

// Exact decimal to ten-thousandths, rounding half to even on the digits
// themselves so "0.00005" and "0.00015" round as written, not as a double.
Moneda monedaExacta(const QString& numero)
{
    const bool negativo = numero.startsWith(u'-');
    const QString cuerpo = negativo ? numero.mid(1) : numero;
    const qsizetype punto = cuerpo.indexOf(u'.');
    const QString entera = punto < 0 ? cuerpo : cuerpo.left(punto);
    const QString fraccion = punto < 0 ? QString() : cuerpo.mid(punto + 1);

    const auto desborda = [] {
        throw Err(NumeroError::Desbordamiento);
    };
    uint64_t valor = 0;
    const auto agrega = [&](QChar d) {
        if (__builtin_mul_overflow(valor, uint64_t(10), &valor) ||
            __builtin_add_overflow(valor, uint64_t(d.unicode() - u'0'), &valor))
            desborda();
    };
    for (QChar d : entera)
        agrega(d);
    for (int i = 0; i < 4; ++i)
        agrega(i < fraccion.size() ? fraccion[i] : QChar(u'0'));

    const QString resto = fraccion.mid(4);
    if (!resto.isEmpty()) {
        const int primero = resto[0].unicode() - u'0';
        const bool masDeMedio = std::any_of(resto.begin() + 1, resto.end(), [](QChar d) { return d != u'0'; });
        if (primero > 5 || (primero == 5 && (masDeMedio || valor % 2 == 1))) {
            if (__builtin_add_overflow(valor, uint64_t(1), &valor))
                desborda();
        }
    }
    const uint64_t limite = negativo ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
    if (valor > limite)
        desborda();
    return Moneda{negativo ? int64_t(uint64_t(0) - valor) : int64_t(valor)};
}

QString textoDouble(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    // Fixed notation with the fewest digits that read back as the same value.
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

char16_t* dosDigitos(char16_t* p, int valor)
{
    *p++ = char16_t(u'0' + valor / 10);
    *p++ = char16_t(u'0' + valor % 10);
    return p;
}

// Written digit by digit: a grid turns the date of every row into text, and
// toString reads its format anew each time. Years of other than four digits
// go through toString.
QString textoFecha(const QDateTime& fecha)
{
    if (!fecha.isValid())
        return QString();
    const QDate dia = fecha.date();
    const QTime hora = fecha.time();
    const bool conHora = hora.hour() != 0 || hora.minute() != 0 || hora.second() != 0;
    if (dia.year() < 1000 || dia.year() > 9999)
        return conHora ? fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
                       : dia.toString(QStringLiteral("dd/MM/yyyy"));
    QString texto(conHora ? 19 : 10, Qt::Uninitialized);
    char16_t* p = reinterpret_cast<char16_t*>(texto.data());
    p = dosDigitos(p, dia.day());
    *p++ = u'/';
    p = dosDigitos(p, dia.month());
    *p++ = u'/';
    p = dosDigitos(dosDigitos(p, dia.year() / 100), dia.year() % 100);
    if (conHora) {
        *p++ = u' ';
        p = dosDigitos(p, hora.hour());
        *p++ = u':';
        p = dosDigitos(p, hora.minute());
        *p++ = u':';
        dosDigitos(p, hora.second());
    }
    return texto;
}

// The stored form of Codifica: each UTF-8 byte of the text is shifted by a
// byte of this key and by its position, then written as two upper-case hex
// digits. It keeps a value from being read at a glance; it is no secret.
constexpr char kClave[] = "Vesperlinko-Escaneo";
constexpr int kLargoClave = int(sizeof(kClave) - 1);

unsigned char desplazamiento(int posicion)
{
    return static_cast<unsigned char>(kClave[posicion % kLargoClave] + posicion * 7);
}

}

QString Utilidades::AjustaTexto(const QString& texto, int ancho) const
{
    exigeAnchoValido(ancho);
    return recortaBlancos(texto).left(ancho).leftJustified(ancho, u' ');
}

QString Utilidades::RellenaCodigo(const QString& codigo, int ancho) const
{
    return AjustaTexto(codigo, ancho);
}

QString Utilidades::AjustaImporte(const QString& importe, int ancho) const
{
    exigeAnchoValido(ancho);
    return recortaBlancos(importe).right(ancho).rightJustified(ancho, u' ');
}

QString Utilidades::ValorCampo(const QVariant& valor) const
{
    if (!valor.isValid() || valor.isNull())
        return QString();
    switch (valor.typeId()) {
    case QMetaType::QDateTime:
        return textoFecha(valor.toDateTime());
    case QMetaType::QDate:
        return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return valor.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    case QMetaType::Double:
    case QMetaType::Float:
        return textoDouble(valor.toDouble());
    default:
        return valor.toString();
    }
}

Moneda Utilidades::TextoAMoneda(const QString& texto) const
{
    const auto numero = numeroNormalizado(texto);
    return numero ? monedaExacta(*numero) : Moneda{};
}

double Utilidades::TextoANumero(const QString& texto) const
{
    const auto numero = numeroNormalizado(texto);
    if (!numero)
        return 0;
    return NumeroCADouble(numero->toLatin1());
}

int Utilidades::CuentaPalabras(const QString& texto) const
{
    int palabras = 0;
    bool enPalabra = false;
    for (QChar c : texto) {
        if (c.isSpace()) {
            enPalabra = false;
        } else if (!enPalabra) {
            enPalabra = true;
            ++palabras;
        }
    }
    return palabras;
}

QString Utilidades::Reemplaza(const QString& texto, const QString& buscado, const QString& reemplazo) const
{
    if (buscado.isEmpty())
        return texto;
    QString r = texto;
    return r.replace(buscado, reemplazo, Qt::CaseInsensitive);
}

QString Utilidades::ReemplazaCaracter(const QString& texto, const QString& buscado, const QString& reemplazo) const
{
    if (buscado.isEmpty())
        return texto;
    QString r = texto;
    return r.replace(buscado, reemplazo, Qt::CaseSensitive);
}

QString Utilidades::RecortaCampo(const QString& texto) const
{
    // Fixed-length record fields are filled with blanks, or with NULs where
    // nothing was ever written.
    QString r = texto.left(texto.indexOf(QChar(u'\0')));
    while (r.endsWith(u' '))
        r.chop(1);
    return r;
}

bool Utilidades::EstaEnLista(const QString& valor, const QStringList& lista) const
{
    return lista.contains(valor, Qt::CaseInsensitive);
}

QString Utilidades::LimpiaTexto(const QString& texto) const
{
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n')
            continue;  // the LF of the pair gives the one blank
        if (c == u'\r' || c == u'\n' || c == u'\t')
            r += u' ';
        else if (c.category() != QChar::Other_Control)
            r += c;
    }
    while (r.endsWith(u' '))
        r.chop(1);
    return r;
}

QString Utilidades::Codifica(const QString& texto) const
{
    const QByteArray bytes = texto.toUtf8();
    QByteArray salida;
    salida.reserve(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        salida += char(static_cast<unsigned char>(bytes[i]) + desplazamiento(i));
    return QString::fromLatin1(salida.toHex().toUpper());
}

QString Utilidades::Decodifica(const QString& texto) const
{
    const QByteArray hex = texto.toLatin1();
    const bool valido = hex.size() % 2 == 0 &&
                        std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    if (!valido)
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("El texto no tiene la forma codificada: %1").arg(texto));
    QByteArray bytes = QByteArray::fromHex(hex);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(static_cast<unsigned char>(bytes[i]) - desplazamiento(i));
    return QString::fromUtf8(bytes);
}

QString Utilidades::AgregaBarra(const QString& carpeta) const
{
    return ::AgregaBarra(carpeta);
}

int Utilidades::MuestraErrorObjeto(const Err& e, int botones, const QString& rutina) const
{
    return MuestraYRegistraError(e, botones, rutina);
}

void Utilidades::PreparaVentana(QWidget& ventana, const QVariant&) const
{
    const QScreen* pantalla = ventana.screen();
    if (!pantalla)
        return;
    QRect marco = ventana.frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana.move(marco.topLeft());
}
