"""A local SMTP server for the tests: plain with AUTH, STARTTLS required, or
SMTPS. Every message received is written to the folder as <n>.eml, with its
envelope in <n>.sobre (sender, then one recipient a line) and its MIME tree,
as Python's own mail parser reads it, in <n>.json. Three recipients make
it fail as real servers do: rechazado@... is refused at RCPT; a message to
rechaza-mensaje@... is refused at the end of its data, and one to corta@...
has its connection dropped there. Prints the port on stdout once it listens,
and runs until its standard input closes."""

import argparse
import base64
import email
import email.policy
import json
import os
import socket
import ssl
import sys
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

parser = argparse.ArgumentParser()
parser.add_argument("--modo", choices=["plano", "starttls", "smtps"], required=True)
parser.add_argument("--carpeta", required=True)
parser.add_argument("--usuario", default="")
parser.add_argument("--clave", default="")
parser.add_argument("--certificado")
parser.add_argument("--llave")
args = parser.parse_args()
# aiosmtpd's own notice about an attribute it uses itself.
warnings.filterwarnings("ignore", message="Session.login_data")


class Guarda:
    def __init__(self):
        self.cuenta = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("rechazado@"):
            return f"550 5.1.1 <{address}>: Recipient address rejected: User unknown"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if any(d.startswith("rechaza-mensaje@") for d in envelope.rcpt_tos):
            return "554 5.7.1 Message rejected: content not accepted"
        if any(d.startswith("corta@") for d in envelope.rcpt_tos):
            server.transport.abort()
            return "250 OK"
        self.cuenta += 1
        base = f"{args.carpeta}/{self.cuenta}"
        with open(base + ".json", "w") as f:
            json.dump(arbol(envelope.original_content), f)
        with open(base + ".eml.tmp", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".sobre", "w") as f:
            f.write("\n".join([envelope.mail_from] + envelope.rcpt_tos) + "\n")
        os.rename(base + ".eml.tmp", base + ".eml")
        return "250 OK"


def parte(p):
    nodo = {"tipo": p.get_content_type(),
            "encabezados": [[k, str(v)] for k, v in p.items()],
            "crudos": [[k, v] for k, v in p.raw_items()]}
    if p.is_multipart():
        nodo["partes"] = [parte(h) for h in p.iter_parts()]
    else:
        nodo["contenido"] = base64.b64encode(p.get_payload(decode=True) or b"").decode()
        nodo["nombre"] = p.get_filename() or ""
        nodo["disposicion"] = p.get_content_disposition() or ""
    return nodo


def arbol(crudo):
    mensaje = email.message_from_bytes(crudo, policy=email.policy.default)
    nodo = parte(mensaje)
    nodo["lineaMasLarga"] = max(len(l) for l in crudo.split(b"\r\n"))
    return nodo


def autentica(server, session, envelope, mechanism, auth_data):
    if isinstance(auth_data, LoginPassword) and \
            auth_data.login.decode() == args.usuario and auth_data.password.decode() == args.clave:
        return AuthResult(success=True)
    return AuthResult(success=False, handled=False)


def puerto_libre():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


contexto = None
if args.modo != "plano":
    contexto = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    contexto.load_cert_chain(args.certificado, args.llave)

opciones = dict(authenticator=autentica, auth_require_tls=args.modo != "plano",
                data_size_limit=64 * 1024 * 1024)
if args.modo == "starttls":
    opciones.update(tls_context=contexto, require_starttls=True)
puerto = puerto_libre()
controlador = Controller(Guarda(), hostname="127.0.0.1", port=puerto,
                         ssl_context=contexto if args.modo == "smtps" else None, **opciones)
controlador.start()
print(puerto, flush=True)
sys.stdin.read()
controlador.stop()
