#pragma once

#include <cmath>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TIConstCaptureObjectWrapper.h"
#include "Veltis/System/CPreciseCPUWatch.h"
#include "Veltis/System/ITimerProvider.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The recent past of a source as a read-only object of one more dimension, sampled on a timer into a
// swept history (History) whose x axis is time in seconds up to 0, the newest sample. Duration and
// period come from skins: the ring never asks for more than kMaxPointsCount points. Derived classes
// bind the source (not owned); everything runs on the timer provider's thread.
template <class V, class IInfo, class Info, class History, class Source>
class TCaptureObjectOverTime : public virtual TIConstCaptureObjectWrapper<V, IInfo>, public virtual Core::IRefreshTime {
public:
    static constexpr int kMaxPointsCount = 65536;

    TCaptureObjectOverTime(const TCaptureObjectOverTime&) = delete;
    TCaptureObjectOverTime& operator=(const TCaptureObjectOverTime&) = delete;

    ~TCaptureObjectOverTime() override
    {
        ReleaseTimerCommand();
    }

    V GetValue() const override { return m_History; }
    const IInfo& GetInfo() const override { return m_Info; }
    const IInfo& GetInfo() override { return m_Info; }
    Info& GetWritableInfo() { return m_Info; }
    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return false; }

    // The history length; the samples are discarded and the time axis becomes -ms/1000 to 0 s.
    void SetDuration(int milliseconds)
    {
        const float seconds = static_cast<float>(milliseconds) * 0.001f;
        m_History.SetDuration(seconds);
        m_History.SetMaxPointsCount(GetPointsCount(seconds * 1000.0f / m_RefreshTime));
        CParamInfo axis;
        axis.SetMax(0.0f);
        axis.SetMin(static_cast<float>(milliseconds) * -0.001f);
        axis.SetName("time");
        axis.SetDefault(0.0f);
        axis.SetUnit("s");
        m_Info.SetXInfo(axis);
        OnDurationChanged();
    }

    // Below 2 ms the period is 1 ms. The timer command is replaced and the samples discarded.
    void SetRefreshTime(int milliseconds) override
    {
        const int period = milliseconds < 2 ? 1 : milliseconds;
        m_RefreshTime = static_cast<float>(period);
        ReleaseTimerCommand();
        m_TimerCommand = new Core::TCommand<TCaptureObjectOverTime>(this, &TCaptureObjectOverTime::OnTimer);
        if (m_TimerProvider)
            m_TimerProvider->AddTimer(period, *m_TimerCommand);
        m_History.SetMaxPointsCount(GetPointsCount(std::trunc(m_History.GetDuration() * 1000.0f) / m_RefreshTime));
    }

    int GetRefreshTime() override { return static_cast<int>(m_RefreshTime); }

    // Pausing freezes the shown history: it is read relative to its newest sample.
    void SetPaused(bool paused) { m_Running = !paused; }
    bool IsPaused() const { return !m_Running; }

    // The point count asked of the history for a number of periods: truncated, 0 for NaN or less,
    // at most kMaxPointsCount.
    static int GetPointsCount(float periods)
    {
        if (!(periods > 0.0f))
            return 0;
        if (periods >= static_cast<float>(kMaxPointsCount))
            return kMaxPointsCount;
        return static_cast<int>(periods);
    }

protected:
    // The timer provider is required and outlives the object.
    explicit TCaptureObjectOverTime(System::ITimerProvider* timerProvider)
        : m_Source(nullptr), m_TimerProvider(timerProvider), m_TimerCommand(nullptr), m_RefreshTime(50.0f), m_Running(true)
    {
    }

    virtual void OnDurationChanged() {}

    // The last step of construction: the timer, ten seconds of history and the clock.
    void Start(int refreshMs)
    {
        SetRefreshTime(refreshMs);
        SetDuration(10000);
        m_Watch.Start();
    }
    void NotifyValueChanged() { m_ValueChanged.Notify(); }

    Source* m_Source;
    History m_History;

private:
    void ReleaseTimerCommand()
    {
        if (m_TimerProvider && m_TimerCommand)
            m_TimerProvider->RemoveTimer(m_TimerCommand, true);
        delete m_TimerCommand;
        m_TimerCommand = nullptr;
    }

    // Announces every tick with a source, also when the history refused the sample.
    void OnTimer()
    {
        if (!m_Running || !m_Source)
            return;
        // The history keeps its own copy of a function value.
        m_History.AddPoint(static_cast<float>(m_Watch.GetElapsedMilliseconds() * 0.001), m_Source->GetValue());
        m_ValueChanged.Notify();
    }

    System::ITimerProvider* m_TimerProvider;
    Core::ICommand* m_TimerCommand;
    Core::CEventProvider m_ValueChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    Info m_Info;
    float m_RefreshTime;
    bool m_Running;
    System::CPreciseCPUWatch m_Watch;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
