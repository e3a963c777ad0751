#pragma once

#include "Veltis/Audio/DSP/IOutputDataSync.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A sample counter against a period of sample rate / refresh rate samples. The excess over the period
// is not carried over: Reset starts again from 0.
class COutputDataSync : public virtual IOutputDataSync {
public:
    COutputDataSync() : m_Counter(0), m_Period(0), m_RefreshRate(0.0), m_SampleRate(0.0) {}

    bool IsRefreshNeeded() override { return m_Counter >= m_Period; }
    void Reset() override { m_Counter = 0; }
    // The counter is kept.
    void SetRefreshRate(double hz) override;
    double GetRefreshRate() override { return m_RefreshRate; }

    // Stops at the largest count rather than wrapping.
    void AddSamples(int count);
    // Presets the counter to the period, so that the first check after a rate change is due.
    void SetSampleRate(double rate);

    int GetPeriod() const { return m_Period; }

private:
    int m_Counter;
    int m_Period;
    double m_RefreshRate;
    double m_SampleRate;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
