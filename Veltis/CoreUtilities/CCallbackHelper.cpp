#include "Veltis/CoreUtilities/CCallbackHelper.h"

#include "Veltis/Core/IEventProvider.h"

namespace Veltis {
namespace CoreUtilities {

CCallbackHelper::CCallbackHelper(Core::IEventProvider* provider, Core::ICommand* listener)
    : m_Provider(provider), m_Listener(listener)
{
    m_Provider->AddListener(m_Listener);
}

CCallbackHelper::~CCallbackHelper()
{
    m_Provider->RemoveListener(m_Listener);
}

} // namespace CoreUtilities
} // namespace Veltis
