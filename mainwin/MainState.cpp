#include "mainwin/MainState.h"

QString UltimaCarpetaTabla;
