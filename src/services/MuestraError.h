#pragma once

#include "platform/base/Err.h"

#include <QString>
#include <cstdint>
#include <optional>

// The shared error routine: dialog, CVERR.LOG line, the operator's answer
// (3 Abort, 4 Retry, 5 Ignore; 0 for error number 0).
int16_t MuestraError(const Err& e, std::optional<int> Botones = std::nullopt, const QString& Rutina = QString());
