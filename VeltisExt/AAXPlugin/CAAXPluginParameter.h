#pragma once

#include "aax/AAX_CParameter.h"

namespace VeltisExt {
namespace AAXPlugin {

class CAAXPluginParamAdapter;

// The host parameter of one plug-in parameter: built from its adapter's info (linear taper over the
// range, text through the converter, steps by type) and bound to the adapter, which learns every
// host update. Destroying either side unbinds the other.
class CAAXPluginParameter : public AAX_CParameter<float> {
public:
    CAAXPluginParameter(CAAXPluginParamAdapter& adapter, const char* namePrefix);
    ~CAAXPluginParameter() override;

    void UpdateNormalizedValue(double normalizedValue) override;
    // The same update without telling the host's automation delegate (output values).
    void UpdateValueSilently(double normalizedValue);
    // Called by the adapter when it goes away first.
    void DetachAdapter() { m_pAdapter = nullptr; }

private:
    CAAXPluginParamAdapter* m_pAdapter;
};

} // namespace AAXPlugin
} // namespace VeltisExt
