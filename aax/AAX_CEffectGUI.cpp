#include "aax/AAX_CEffectGUI.h"

#include "aax/AAX_CString.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

AAX_CEffectGUI::~AAX_CEffectGUI() { AAX_CEffectGUI::Uninitialize(); }

int32_t AAX_CEffectGUI::QueryInterface(const ACFIdentifier& iid, void** out)
{
    return GetOuterUnknown()->QueryInterface(iid, out);
}

uint32_t AAX_CEffectGUI::AddRef() { return GetOuterUnknown()->AddRef(); }

uint32_t AAX_CEffectGUI::Release() { return GetOuterUnknown()->Release(); }

int32_t AAX_CEffectGUI::InternalQueryInterface(const ACFIdentifier& iid, void** out)
{
    if (iid != AAXIdentifiers::kEffectGUI)
        return CACFUnknown::InternalQueryInterface(iid, out);
    *out = static_cast<AAX_IACFEffectGUI*>(this);
    AddRef();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectGUI::Initialize(IACFUnknown* host)
{
    delete m_Controller;
    m_Controller = new AAX_VController(host);
    if (!host)
        return AAXResult::kGUIWithoutHost;
    if (m_EffectParameters) {
        m_EffectParameters->Release();
        m_EffectParameters = nullptr;
    }
    void* parameters = nullptr;
    host->QueryInterface(AAXIdentifiers::kEffectParameters, &parameters);
    m_EffectParameters = static_cast<AAX_IACFEffectParameters*>(parameters);
    delete m_Transport;
    m_Transport = new AAX_VTransport(host);
    AfterInitialize();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectGUI::Uninitialize()
{
    if (m_EffectParameters) {
        m_EffectParameters->Release();
        m_EffectParameters = nullptr;
    }
    delete m_Controller;
    m_Controller = nullptr;
    delete m_Transport;
    m_Transport = nullptr;
    delete m_ViewContainer;
    m_ViewContainer = nullptr;
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectGUI::SetViewContainer(IACFUnknown* viewContainer)
{
    AAX_VViewContainer* previous = m_ViewContainer;
    if (viewContainer) {
        m_ViewContainer = new AAX_VViewContainer(viewContainer);
        delete previous;
        CreateViewContents();
        UpdateAllParameters();
    } else {
        m_ViewContainer = nullptr;
        DeleteViewContents();
        delete previous;
    }
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectGUI::GetViewSize(AAXViewSize*) const { return AAXResult::kSuccess; }

int32_t AAX_CEffectGUI::ParameterUpdated(const char*) { return AAXResult::kSuccess; }

int32_t AAX_CEffectGUI::Reserved4() { return AAXResult::kHostObjectMissing; }

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (!m_EffectParameters)
        return;
    int32_t count = 0;
    if (m_EffectParameters->GetParameterCount(&count) != AAXResult::kSuccess)
        return;
    for (int32_t index = 0; index < count; ++index) {
        AAX_CString id;
        if (m_EffectParameters->GetParameterIDFromIndex(index, &id) == AAXResult::kSuccess)
            ParameterUpdated(id.Get());
    }
}

int32_t AAX_CEffectGUI::GetViewContainerType() { return m_ViewContainer ? m_ViewContainer->GetViewType() : 0; }

void* AAX_CEffectGUI::GetViewContainerPtr() { return m_ViewContainer ? m_ViewContainer->GetNativeView() : nullptr; }
