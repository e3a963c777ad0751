#pragma once

#include "aax/AAX_CEffectGUI.h"

namespace VeltisExt {
namespace AAXPlugin {

// The effect GUI the host creates through procedure 1. Until the editor opens in the host's view it
// shows nothing: empty view contents and a view size of 0 x 0.
class CAAXPluginGUI : public AAX_CEffectGUI {
public:
    // A new object without a reference, or null when it cannot be made.
    static IACFUnknown* Create();

    int32_t GetViewSize(AAXViewSize* size) const override;

protected:
    void AfterInitialize() override {}
    void CreateViewContents() override {}
    void DeleteViewContents() override {}
};

} // namespace AAXPlugin
} // namespace VeltisExt
