#include "Veltis/Core/CEventProvider.h"

#include "Veltis/Core/ICommand.h"

namespace Veltis {
namespace Core {

void CEventProvider::AddListener(ICommand* listener)
{
    m_Listeners.Add(listener);
}

void CEventProvider::AddListener(ICommand& listener)
{
    AddListener(&listener);
}

void CEventProvider::RemoveListener(ICommand*& listener, bool deleteIt)
{
    m_Listeners.Remove(listener, deleteIt);
}

void CEventProvider::RemoveListener(ICommand* listener)
{
    m_Listeners.Remove(listener);
}

void CEventProvider::Notify() const
{
    m_Listeners.Notify([](ICommand& listener) { listener.Execute(); });
}

int CEventProvider::GetListenerCount() const
{
    return m_Listeners.GetCount();
}

} // namespace Core
} // namespace Veltis
