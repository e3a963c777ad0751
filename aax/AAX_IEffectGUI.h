#pragma once

#include "platform/aax/AAX_IACFEffectGUI.h"

// The module-side name of the editor interface the host calls.
class AAX_IEffectGUI : public AAX_IACFEffectGUI {
protected:
    ~AAX_IEffectGUI() = default;
};
