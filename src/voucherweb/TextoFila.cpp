#include "voucherweb/TextoFila.h"

void TextoFila::haceLugar(qsizetype n)
{
    texto_.resize(std::max(2 * texto_.size(), largo_ + n));
    datos_ = reinterpret_cast<char16_t*>(texto_.data());
}

QString TextoFila::Toma()
{
    texto_.truncate(largo_);
    QString escrito = std::move(texto_);
    texto_ = QString();
    datos_ = nullptr;
    largo_ = 0;
    return escrito;
}
