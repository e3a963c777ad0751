#pragma once

#include "platform/aax/AAX_IACFEffectParameters.h"

// The module-side view of the effect-parameters interface the host calls.
class AAX_IEffectParameters : public AAX_IACFEffectParameters_V2 {
protected:
    ~AAX_IEffectParameters() = default;
};
