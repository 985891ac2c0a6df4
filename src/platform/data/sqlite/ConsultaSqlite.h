#pragma once

#include "platform/data/ConsultaPreparada.h"
#include "platform/data/ErroresDatos.h"

#include <memory>

struct BaseSqlite;

// The statement adapted and compiled once on the file; each run only binds
// the values and reads the first row, and gives the statement back at once,
// so no read stays open on the connection between runs.
std::unique_ptr<ConsultaPreparada> ConsultaSqlite(std::shared_ptr<BaseSqlite> base, const QString& sql,
                                                  ErroresDatos& errores);
