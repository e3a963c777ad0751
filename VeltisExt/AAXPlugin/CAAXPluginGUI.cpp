#include "VeltisExt/AAXPlugin/CAAXPluginGUI.h"

#include "platform/aax/AAXResult.h"

namespace VeltisExt {
namespace AAXPlugin {

IACFUnknown* CAAXPluginGUI::Create()
{
    try {
        return static_cast<AAX_IACFEffectGUI*>(new CAAXPluginGUI);
    } catch (...) {
        return nullptr;
    }
}

int32_t CAAXPluginGUI::GetViewSize(AAXViewSize* size) const
{
    if (!size)
        return AAXResult::kHostObjectMissing;
    *size = AAXViewSize{0.0f, 0.0f};
    return AAXResult::kSuccess;
}

} // namespace AAXPlugin
} // namespace VeltisExt
