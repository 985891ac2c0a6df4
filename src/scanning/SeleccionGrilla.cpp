#include "scanning/SeleccionGrilla.h"

#include <QStringList>

bool EsTipoDeVenta(const QString& tipo)
{
    static const QStringList ventas = {QStringLiteral("FC"), QStringLiteral("CB"), QStringLiteral("TK"),
                                       QStringLiteral("TKFC"), QStringLiteral("NP"), QStringLiteral("NC"),
                                       QStringLiteral("FP")};
    return ventas.contains(QString(tipo).remove(u' '), Qt::CaseInsensitive);
}

SeleccionDeFila SeleccionaFila(const QString& celdaComprobante, VistaDeFila vista)
{
    SeleccionDeFila s;
    const qsizetype largo = celdaComprobante.size();
    const qsizetype largoTipo = largo == 15 ? 2 : largo == 16 ? 3 : 4;
    s.ResTC = celdaComprobante.left(largoTipo);
    s.ResCpte = celdaComprobante.mid(largoTipo);
    s.tipo = s.ResTC.trimmed();
    s.sucursal = s.ResCpte.left(4);
    s.numero = s.ResCpte.mid(4, 8);
    s.letra = s.ResCpte.right(1);
    // A voucher follows the view it came from; only the register's rows go
    // by their type.
    switch (vista) {
    case VistaDeFila::Ventas:
        s.esVenta = s.tipo.compare(QStringLiteral("PG"), Qt::CaseInsensitive) != 0;
        s.usaVMvCpte = true;
        break;
    case VistaDeFila::Compras:
        s.esVenta = false;
        s.usaVMvCpte = false;
        break;
    case VistaDeFila::Desconocida:
        s.esVenta = EsTipoDeVenta(s.tipo);
        break;
    }
    return s;
}
