#include "plot/wPlotKinds.h"
