#pragma once

#include "aax/AAX_IViewContainer.h"
#include "platform/aax/IAAXHostRunTime.h"

// Forwards to the view container that the host hands the effect GUI. Unlike the other wrappers it
// releases its host interface when destroyed: the effect GUI deletes it when the container is
// replaced or cleared, so a reference is held exactly as long as the wrapper lives.
class AAX_VViewContainer : public AAX_IViewContainer {
public:
    explicit AAX_VViewContainer(IACFUnknown* viewContainerUnknown);
    ~AAX_VViewContainer() override;
    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    // 0 without a host interface.
    int32_t GetViewType() override;
    // Null without a host interface.
    void* GetNativeView() override;
    int32_t Reserved1(void* a) override;
    // 0 without a host interface.
    int32_t SetViewSize(const AAXViewSize& size) override;
    int32_t Reserved2(void* a) override;
    int32_t Reserved3(void* a) override;
    int32_t Reserved4(void* a) override;

private:
    IAAXHostViewContainer* m_ViewContainer = nullptr;
};
