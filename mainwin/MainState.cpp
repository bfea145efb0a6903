#include "mainwin/MainState.h"
