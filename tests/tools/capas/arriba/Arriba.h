#pragma once

#include "abajo/Abajo.h"
