#pragma once

#include "Veltis/Audio/DSP/IOutputInfo.h"
#include "Veltis/DataModel/CObjectInfo.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// An audio output's description, "Out" by default.
class COutputInfo : public DataModel::CObjectInfo, public virtual IOutputInfo {
public:
    explicit COutputInfo(const char* name = "Out", const char* comment = nullptr) : CObjectInfo(name, comment) {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
