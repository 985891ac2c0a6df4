#pragma once

#include "arriba/Arriba.h"
