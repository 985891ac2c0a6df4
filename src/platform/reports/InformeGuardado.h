#pragma once

#include "platform/reports/ContenidoInforme.h"

#include <QByteArray>
#include <QString>

// A saved report of our own: the layout's parts and the rows as they print,
// so it is drawn again (to PDF or another export) without the database.
QByteArray GuardaInforme(const ContenidoInforme& contenido);
// Raises Err 53 when missing, Err 5 naming the file when it is no saved
// report of ours.
ContenidoInforme LeeInformeGuardado(const QString& ruta);
