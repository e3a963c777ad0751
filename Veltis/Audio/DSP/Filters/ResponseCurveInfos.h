#pragma once

#include "Veltis/DataModel/Objects/CCurveInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// The response curves that several filters publish, over one frequency axis, so that a display reads
// them all alike. The linear gain curve is labelled in decibels: its axis is drawn in decibels.
DataModel::Objects::CCurveInfo GainResponseCurveInfo();
DataModel::Objects::CCurveInfo GainDbResponseCurveInfo();
DataModel::Objects::CCurveInfo PhaseResponseCurveInfo();

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
