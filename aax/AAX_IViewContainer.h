#pragma once

#include "platform/aax/IAAXHostRunTime.h"

// The host's view for the editor as the module sees it.
class AAX_IViewContainer {
public:
    virtual ~AAX_IViewContainer() = default;
    virtual int32_t GetViewType() = 0;
    virtual void* GetNativeView() = 0;
    virtual int32_t Reserved1(void* a) = 0;
    virtual int32_t SetViewSize(const AAXViewSize& size) = 0;
    virtual int32_t Reserved2(void* a) = 0;
    virtual int32_t Reserved3(void* a) = 0;
    virtual int32_t Reserved4(void* a) = 0;
};
