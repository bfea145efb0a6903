// Module Vigas: the beam model and case engine.
#pragma once

#include "engine/Cases.h"
#include "engine/DataVector.h"
#include "engine/NumberText.h"
#include "engine/Units.h"
