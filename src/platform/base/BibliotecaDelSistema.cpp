#include "platform/base/BibliotecaDelSistema.h"

BibliotecaDelSistema::BibliotecaDelSistema(const QString& nombre, int version) : biblioteca_(nombre, version)
{
    biblioteca_.setLoadHints(QLibrary::ExportExternalSymbolsHint | QLibrary::PreventUnloadHint);
}

void BibliotecaDelSistema::falta()
{
    if (motivo_.isNull())
        motivo_ = biblioteca_.errorString();
}
