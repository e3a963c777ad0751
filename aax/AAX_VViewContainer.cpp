#include "aax/AAX_VViewContainer.h"

#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* viewContainerUnknown)
{
    if (!viewContainerUnknown)
        return;
    void* out = nullptr;
    viewContainerUnknown->QueryInterface(AAXIdentifiers::kViewContainer, &out);
    m_ViewContainer = static_cast<IAAXHostViewContainer*>(out);
}

AAX_VViewContainer::~AAX_VViewContainer()
{
    if (m_ViewContainer)
        m_ViewContainer->Release();
}

int32_t AAX_VViewContainer::GetViewType() { return m_ViewContainer ? m_ViewContainer->GetViewType() : 0; }
void* AAX_VViewContainer::GetNativeView() { return m_ViewContainer ? m_ViewContainer->GetNativeView() : nullptr; }
int32_t AAX_VViewContainer::Reserved1(void* a) { return m_ViewContainer ? m_ViewContainer->Reserved1(a) : AAXResult::kNotServed; }
int32_t AAX_VViewContainer::SetViewSize(const AAXViewSize& size)
{
    return m_ViewContainer ? m_ViewContainer->SetViewSize(&size) : AAXResult::kSuccess;
}
int32_t AAX_VViewContainer::Reserved2(void* a) { return m_ViewContainer ? m_ViewContainer->Reserved2(a) : AAXResult::kNotServed; }
int32_t AAX_VViewContainer::Reserved3(void* a) { return m_ViewContainer ? m_ViewContainer->Reserved3(a) : AAXResult::kNotServed; }
int32_t AAX_VViewContainer::Reserved4(void* a) { return m_ViewContainer ? m_ViewContainer->Reserved4(a) : AAXResult::kNotServed; }
