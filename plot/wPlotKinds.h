// The plot's object kinds beside the axes, data view and channels, each in
// its own header: label, legend, toolbar, data cursor, table, limit and
// annotation. Callers include this one header for all of them.
#pragma once

#include "plot/wPlotAnnotation.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotLabel.h"
#include "plot/wPlotLegend.h"
#include "plot/wPlotLimit.h"
#include "plot/wPlotObjects.h"
#include "plot/wPlotTable.h"
#include "plot/wPlotToolBar.h"
