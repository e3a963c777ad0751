#include "Veltis/Audio/DSP/COutputDataSyncMux.h"

#include "Veltis/Audio/DSP/IFilter.h"

namespace Veltis {
namespace Audio {
namespace DSP {

bool COutputDataSyncMux::IsRefreshNeeded()
{
    IOutputDataSync* first = m_First->GetOutputDataSync();
    IOutputDataSync* second = m_Second->GetOutputDataSync();
    const bool firstDue = first && first->IsRefreshNeeded();
    const bool secondDue = second && second->IsRefreshNeeded();
    return firstDue || secondDue;
}

void COutputDataSyncMux::Reset()
{
    if (IOutputDataSync* first = m_First->GetOutputDataSync())
        first->Reset();
    if (IOutputDataSync* second = m_Second->GetOutputDataSync())
        second->Reset();
}

void COutputDataSyncMux::SetRefreshRate(double hz)
{
    if (IOutputDataSync* first = m_First->GetOutputDataSync())
        first->SetRefreshRate(hz);
    if (IOutputDataSync* second = m_Second->GetOutputDataSync())
        second->SetRefreshRate(hz);
}

double COutputDataSyncMux::GetRefreshRate()
{
    double rate = 0.0;
    if (IOutputDataSync* first = m_First->GetOutputDataSync())
        rate = first->GetRefreshRate() > rate ? first->GetRefreshRate() : rate;
    if (IOutputDataSync* second = m_Second->GetOutputDataSync())
        rate = second->GetRefreshRate() > rate ? second->GetRefreshRate() : rate;
    return rate;
}

IOutputDataSync* COutputDataSyncMux::Get()
{
    return m_First->GetOutputDataSync() || m_Second->GetOutputDataSync() ? this : nullptr;
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
