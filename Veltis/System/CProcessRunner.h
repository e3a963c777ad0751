#pragma once

#include "Veltis/System/IProcessRunner.h"

namespace Veltis {
namespace System {

// The runner that really starts programs: spawned directly, without a shell, and waited for.
class CProcessRunner : public IProcessRunner {
public:
    int Run(const char* const* arguments) override;
};

} // namespace System
} // namespace Veltis
