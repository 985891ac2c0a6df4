#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A real SMTP server on a free loopback port (aiosmtpd run by
// /usr/bin/python3), in one of its three modes, with a throwaway certificate
// made by openssl for the two with TLS. It accepts the one login it was given
// and keeps every message it receives.
class ServidorSmtp {
public:
    enum class Modo { Plano, StartTls, Smtps };

    explicit ServidorSmtp(Modo modo, const QString& usuario = QStringLiteral("envios@example.com"),
                          const QString& clave = QStringLiteral("clave'secreta"));
    ~ServidorSmtp();

    // False when python3, aiosmtpd or openssl is missing; motivo() says why.
    bool disponible() const { return puerto_ > 0; }
    QString motivo() const { return motivo_; }
    int puerto() const { return puerto_; }
    // The certificate the client must trust (empty in plain mode).
    QString certificado() const { return certificado_; }

    struct Recibido {
        QByteArray crudo;
        QString remitente;
        QStringList destinatarios;
        // The MIME tree as Python's mail parser reads it: "tipo",
        // "encabezados" (decoded), "crudos", "partes" or "contenido" (base64),
        // "nombre", "disposicion"; at the top also "lineaMasLarga".
        QJsonObject arbol;
    };
    // The messages received so far, in order; first waits up to a few seconds
    // until there are at least `cuantos`.
    std::vector<Recibido> recibidos(int cuantos = 0) const;

    // A loopback port where nothing listens.
    static int PuertoCerrado();

private:
    QTemporaryDir dir_;
    std::unique_ptr<QProcess> proceso_;
    int puerto_ = 0;
    QString motivo_, certificado_;
};

// The header's decoded value in a node of the tree; empty when missing.
QString Encabezado(const QJsonObject& nodo, const QString& nombre);
// The decoded content of a leaf of the tree.
QByteArray Contenido(const QJsonObject& nodo);
