#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// The description of an audio input: a name and a comment.
class IInputInfo : public virtual DataModel::IConstObjectInfo {};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
