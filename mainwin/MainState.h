// Program-wide state the main window sets up at start-up and the graph,
// table and report windows read.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/DrawTarget.h"

// Application name under which the settings are stored.
inline const QString kAppName = QStringLiteral("TORV");

// Description of graph type i (1 deflection, 2 slope, 3 moment, 4 shear), in
// formula mark-up with one "@" before the part used as the graph's subtitle.
extern QString DescTipoGrafica[5];
// Case code of list entry k (1..54) in list order: "100" .. "503".
extern QString ListaCodCasos[55];
// Graph type offered in option slot j (1..4) of list entry k; 0 = none.
extern int16_t GraficasCaso[55][5];

// Colours of the report graphs: titles and labels, axes, grid, curve.
extern platform::ColorValue ColorTextoGraf;
extern platform::ColorValue ColorEjesGraf;
extern platform::ColorValue ColorRejillaGraf;
extern platform::ColorValue ColorCurvaGraf;

// Folders of the last saved graph picture and the last saved table.
extern QString UltimaCarpeta;
extern QString UltimaCarpetaTabla;
