#pragma once

#include "Veltis/Audio/DSP/IInputInfo.h"
#include "Veltis/DataModel/CObjectInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// An audio input's description, "In" by default.
class CInputInfo : public DataModel::CObjectInfo, public virtual IInputInfo {
public:
    explicit CInputInfo(const char* name = "In", const char* comment = nullptr) : CObjectInfo(name, comment) {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
