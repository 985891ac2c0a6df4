#pragma once

#include <QString>

#include <cstdint>

// The attachment format the configuration names ("eMail_formatoadjunto",
// trimmed; empty is "PDF") and its export code: HTML/HTM 22, RTF 15, XLS 25,
// PDF 31, RPT 7, any other 0. For what the report object writes
// (`ParaReporte`) "PDF" becomes "RPT": the report is saved in its own format
// and made into a PDF afterwards. The value is the file's extension.
struct FormatoAdjunto {
    QString Valor;
    int32_t Codigo = 0;
};

FormatoAdjunto LeeFormatoAdjunto(bool ParaReporte);
