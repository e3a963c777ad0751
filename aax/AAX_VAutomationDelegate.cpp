#include "aax/AAX_VAutomationDelegate.h"

#include "platform/aax/AAXIdentifiers.h"

typedef IAAXHostAutomationDelegate Host;

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* controllerUnknown)
{
    if (controllerUnknown)
        m_Delegate.Query(controllerUnknown, AAXIdentifiers::kAutomationDelegate);
}

int32_t AAX_VAutomationDelegate::RegisterParameter(const char* parameterId)
{
    return Forward([&](Host* h) { return h->RegisterParameter(parameterId); });
}
int32_t AAX_VAutomationDelegate::UnregisterParameter(const char* parameterId)
{
    return Forward([&](Host* h) { return h->UnregisterParameter(parameterId); });
}
int32_t AAX_VAutomationDelegate::PostSetValueRequest(const char* parameterId, double normalizedValue) const
{
    return Forward([&](Host* h) { return h->PostSetValueRequest(parameterId, normalizedValue); });
}
int32_t AAX_VAutomationDelegate::PostCurrentValue(const char* parameterId, double normalizedValue) const
{
    return Forward([&](Host* h) { return h->PostCurrentValue(parameterId, normalizedValue); });
}
int32_t AAX_VAutomationDelegate::PostTouchRequest(const char* parameterId)
{
    return Forward([&](Host* h) { return h->PostTouchRequest(parameterId); });
}
int32_t AAX_VAutomationDelegate::PostReleaseRequest(const char* parameterId)
{
    return Forward([&](Host* h) { return h->PostReleaseRequest(parameterId); });
}
int32_t AAX_VAutomationDelegate::Reserved1(void* a, void* b) { return Forward([&](Host* h) { return h->Reserved1(a, b); }); }
