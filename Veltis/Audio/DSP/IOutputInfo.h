#pragma once

#include "Veltis/DataModel/IConstObjectInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// The description of an audio output: a name and a comment.
class IOutputInfo : public virtual DataModel::IConstObjectInfo {};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
