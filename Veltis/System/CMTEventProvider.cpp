#include "Veltis/System/CMTEventProvider.h"

#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace System {

void CMTEventProvider::AddListener(Core::ICommand* listener)
{
    Core::CAutoLock lock(&m_Lock);
    CEventProvider::AddListener(listener);
}

void CMTEventProvider::AddListener(Core::ICommand& listener)
{
    Core::CAutoLock lock(&m_Lock);
    CEventProvider::AddListener(listener);
}

void CMTEventProvider::RemoveListener(Core::ICommand*& listener, bool deleteIt)
{
    Core::CAutoLock lock(&m_Lock);
    CEventProvider::RemoveListener(listener, deleteIt);
}

void CMTEventProvider::RemoveListener(Core::ICommand* listener)
{
    Core::CAutoLock lock(&m_Lock);
    CEventProvider::RemoveListener(listener);
}

void CMTEventProvider::Notify() const
{
    Core::CAutoLock lock(&m_Lock);
    CEventProvider::Notify();
}

int CMTEventProvider::GetListenerCount() const
{
    Core::CAutoLock lock(&m_Lock);
    return CEventProvider::GetListenerCount();
}

} // namespace System
} // namespace Veltis
