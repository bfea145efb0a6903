#include "output/OutputState.h"

QString UltimaCarpetaTabla;
