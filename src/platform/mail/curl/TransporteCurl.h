#pragma once

#include "platform/mail/TransporteSmtp.h"

#include <QObject>

// The SMTP transport on libcurl: multipart/mixed around multipart/related
// around the quoted-printable body, the file parts in base64.
class TransporteCurl : public QObject, public TransporteSmtp {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TransporteSmtp_iid)
    Q_INTERFACES(TransporteSmtp)
public:
    FalloSmtp Envia(const SobreSmtp& sobre) override;
};
