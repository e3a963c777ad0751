#pragma once

#include "Veltis/Audio/DSP/IOutputDataSync.h"

namespace Veltis {
namespace Audio {
namespace DSP {

class IFilter;

// The output data syncs of two filters presented as one; each call asks the filters for their syncs.
class COutputDataSyncMux : public virtual IOutputDataSync {
public:
    COutputDataSyncMux(IFilter* first, IFilter* second) : m_First(first), m_Second(second) {}

    // Due when either sync is due; both are asked.
    bool IsRefreshNeeded() override;
    void Reset() override;
    void SetRefreshRate(double hz) override;
    // The larger of 0 and the existing syncs' rates.
    double GetRefreshRate() override;

    // This mux when at least one filter has a sync, else null.
    IOutputDataSync* Get();

private:
    IFilter* m_First;
    IFilter* m_Second;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
