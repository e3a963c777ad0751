#pragma once

namespace Veltis {
namespace Audio {
namespace DSP {

// Says when a processor's outputs are due for publication.
class IOutputDataSync {
public:
    virtual bool IsRefreshNeeded() = 0;
    // Starts a new period.
    virtual void Reset() = 0;
    virtual void SetRefreshRate(double hz) = 0;
    virtual double GetRefreshRate() = 0;
    virtual ~IOutputDataSync() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
