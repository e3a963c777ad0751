#pragma once

#include "aax/AAX_IEffectGUI.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"
#include "aax/AAX_VViewContainer.h"
#include "aax/CACFUnknown.h"
#include "platform/aax/AAX_IACFEffectParameters.h"

// The base of the editor object the host creates for an instance: it finds the instance's
// effect-parameters object through the host unknown, takes the host's view container and lets the
// derived class create and delete its view contents. The current view-container wrapper is deleted
// (releasing the host's interface) when the container is replaced or cleared and at Uninitialize.
class AAX_CEffectGUI : public AAX_IEffectGUI, public CACFUnknown {
public:
    AAX_CEffectGUI() = default;
    ~AAX_CEffectGUI() override;

    int32_t QueryInterface(const ACFIdentifier& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // -20011 without a host unknown (the controller wrapper exists all the same).
    int32_t Initialize(IACFUnknown* host) override;
    int32_t Uninitialize() override;
    int32_t Reserved1() override { return 0; }
    int32_t SetViewContainer(IACFUnknown* viewContainer) override;
    int32_t GetViewSize(AAXViewSize* size) const override;
    int32_t Reserved2() override { return 0; }
    int32_t Reserved3() override { return 0; }
    int32_t ParameterUpdated(const char* parameterId) override;
    int32_t Reserved4() override;
    int32_t Reserved5() override { return 0; }

    int32_t InternalQueryInterface(const ACFIdentifier& iid, void** out) override;

protected:
    virtual void AfterInitialize() = 0;
    virtual void CreateViewContents() = 0;
    virtual void DeleteViewContents() = 0;
    // ParameterUpdated once per parameter of the effect-parameters object, in index order.
    virtual void UpdateAllParameters();

    AAX_IACFEffectParameters* GetEffectParameters() const { return m_EffectParameters; }
    AAX_IViewContainer* GetViewContainer() const { return m_ViewContainer; }
    int32_t GetViewContainerType();
    void* GetViewContainerPtr();
    AAX_IController* GetController() const { return m_Controller; }

private:
    AAX_VController* m_Controller = nullptr;
    AAX_IACFEffectParameters* m_EffectParameters = nullptr;
    AAX_VViewContainer* m_ViewContainer = nullptr;
    AAX_VTransport* m_Transport = nullptr;
};
