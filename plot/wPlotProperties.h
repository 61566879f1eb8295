// The published properties of the plot and of its objects, for the plot's
// configuration and annotation files (wPlotFiles.cpp): one property table per
// class (wProperties.h), in published order with the declared defaults, so
// that SavePropertiesToList and LoadPropertiesFromList walk them.
//
// The plot's table is registered under "TwPlotComponent" (the XY plot finds
// it through its class chain). Plot objects are no QObjects: PlotObjectProperties
// gives an object seen through its kind's table; a table registered under the
// object's class name (a channel class, say) takes precedence over the
// built-in one.
//
// Two values start away from their declared default: the legend's
// LineColumnHeight (3, default 13) and the table's ColumnTitlesVisible
// (True, default False). Both are registered without a default, so a file
// always carries them.
#pragma once

#include "controls/wProperties.h"

class TwPlotObject;

// Registers the plot's table (once; later calls do nothing).
void RegisterPlotProperties();
const TwPropertyTable& PlotComponentTable();
TwPropertyObject PlotObjectProperties(TwPlotObject* Object);
