#include "comun/Comun.h"
