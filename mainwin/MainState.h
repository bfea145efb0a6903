// Program-wide state the main window sets up at start-up and the graph,
// table and report windows read. The graph tables, colours and the graph
// folder are kept with the graphs.
#pragma once

#include <QString>
#include <cstdint>

#include "graphs/GraphState.h"
#include "output/OutputState.h"
#include "platform/DrawTarget.h"
