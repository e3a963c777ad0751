#pragma once

namespace Veltis {
namespace Core {
class ICommand;
class IEventProvider;
} // namespace Core

namespace CoreUtilities {

// Keeps a listener registered on a provider for its own lifetime. Owns neither; the provider must
// outlive the helper.
class CCallbackHelper {
public:
    CCallbackHelper(Core::IEventProvider* provider, Core::ICommand* listener);
    virtual ~CCallbackHelper();

    CCallbackHelper(const CCallbackHelper&) = delete;
    CCallbackHelper& operator=(const CCallbackHelper&) = delete;

private:
    Core::IEventProvider* m_Provider;
    Core::ICommand* m_Listener;
};

} // namespace CoreUtilities
} // namespace Veltis
