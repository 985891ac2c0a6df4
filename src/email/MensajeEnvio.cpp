#include "email/MensajeEnvio.h"

#include "email/ImagenesPagina.h"
#include "email/TextoCorreo.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"

MensajeCorreo ArmaMensaje(const DatosEnvio& datos)
{
    MensajeCorreo m;
    const QString usuario = datos.cuenta.UsuarioCuenta.trimmed();
    m.de = usuario.isEmpty() ? datos.de : datos.cuenta.NombreCuenta.trimmed() + u'<' + usuario + u'>';
    m.para = datos.para;
    m.asunto = datos.asunto;
    const QString cuerpo = CuerpoMensaje(datos.EnvioManual, datos.arriba, PreparaComentario(datos.comentario),
                                         datos.mensaje) +
                           QStringLiteral("<BR /><BR /><BR />") + PieMensaje();
    std::vector<ImagenDePagina> imagenes;
    if (!datos.pagina.isEmpty())
        imagenes = ImagenesIncrustadas(FuentesImagenes(DeCp1252(LeeArchivoCompleto(datos.pagina))));
    m.html = ApuntaACid(cuerpo, imagenes);
    for (const ImagenDePagina& imagen : imagenes)
        m.imagenes.push_back(imagen.parte);
    for (const QString& pieza : datos.adjuntos.split(u';'))
        if (!pieza.trimmed().isEmpty())
            m.adjuntos << pieza.trimmed();
    return m;
}
