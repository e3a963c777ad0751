#pragma once

#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/TConstCaptureObjectTimerProxy.h"
#include "Veltis/DataModel/TIConstCaptureObjectFactory.h"
#include "Veltis/Math/IFunction.h"
#include "support/CManualTimerProvider.h"

#include <stdlib.h>

#include <atomic>

namespace VeltisTest {

// A reader of published passes (a curve whose value at 0 and a text whose number tell the pass) through
// timer proxies, at the ticks of a timer on the thread that runs it: once it has seen pass k, a copy
// showing an earlier pass is a fault.
class CProxyPassReader {
public:
    typedef Veltis::DataModel::TIConstCaptureObjectFactory<const Veltis::Math::IFunction&,
                                                           Veltis::DataModel::Objects::IConstCurveInfo>
        CCurveFactory;
    typedef Veltis::DataModel::TIConstCaptureObjectFactory<const char*, Veltis::DataModel::Objects::IConstStringInfo>
        CTextFactory;

    // Counts itself into started once its proxies are set up, ticks until done, then once more; seen
    // is the pass before any copy.
    void Run(CCurveFactory& curveFactory, CTextFactory& textFactory, std::atomic<int>& started,
             const std::atomic<bool>& done, int seen)
    {
        CManualTimerProvider timer;
        Veltis::DataModel::TConstCaptureObjectTimerProxy<const Veltis::Math::IFunction&,
                                                         Veltis::DataModel::Objects::IConstCurveInfo>
            curve(curveFactory, timer);
        Veltis::DataModel::TConstCaptureObjectTimerProxy<const char*, Veltis::DataModel::Objects::IConstStringInfo>
            text(textFactory, timer);
        ++started;
        auto check = [&] {
            timer.Tick();
            const int curvePass = static_cast<int>(curve.GetValue().GetValue(0.0f));
            const char* copy = text.GetValue();
            const int textPass = copy ? atoi(copy) : -1;
            if (curvePass < seen || textPass < seen)
                ++m_Faults;
            seen = curvePass < textPass ? curvePass : textPass;
            ++m_Ticks;
        };
        while (!done.load())
            check();
        check();
        m_Last = seen;
    }

    int m_Faults = 0;
    int m_Ticks = 0;
    int m_Last = -1;
};

} // namespace VeltisTest
