#pragma once

#include "Veltis/Core/IConstCapture.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "support/CCountingCommand.h"

#include <memory>
#include <vector>

// Helpers for the capture-object tests: a parameter's range in one call, and one log of the
// gesture edges of several objects, so that tests see what began and ended, and in which order.
namespace VeltisTest {

inline void SetRange(Veltis::DataModel::Objects::CCaptureParam& param, float min, float max)
{
    param.GetWritableInfo().SetMin(min);
    param.GetWritableInfo().SetMax(max);
}

// Declare it after the objects it watches: it unhooks from them when destroyed.
class CGestureLog {
public:
    CGestureLog() = default;
    CGestureLog(const CGestureLog&) = delete;
    CGestureLog& operator=(const CGestureLog&) = delete;

    ~CGestureLog()
    {
        for (SWatch& watch : m_Watches) {
            watch.object->GetBeginCaptureEvent().RemoveListener(watch.begin.get());
            watch.object->GetEndCaptureEvent().RemoveListener(watch.end.get());
        }
    }

    // Each begin of the object logs beginId, each end endId.
    void Watch(Veltis::Core::IConstCapture& object, int beginId, int endId)
    {
        m_Watches.push_back({&object, std::make_unique<CCountingCommand>(beginId, &m_Log),
                             std::make_unique<CCountingCommand>(endId, &m_Log)});
        object.GetBeginCaptureEvent().AddListener(*m_Watches.back().begin);
        object.GetEndCaptureEvent().AddListener(*m_Watches.back().end);
    }

    // The edges logged since the last call.
    std::vector<int> Take()
    {
        std::vector<int> taken;
        taken.swap(m_Log);
        return taken;
    }

private:
    struct SWatch {
        Veltis::Core::IConstCapture* object;
        std::unique_ptr<CCountingCommand> begin;
        std::unique_ptr<CCountingCommand> end;
    };
    std::vector<int> m_Log;
    std::vector<SWatch> m_Watches;
};

} // namespace VeltisTest
