#pragma once

#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Containers/TPointersValueVector.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Math/CConstantFunction.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// A mono gain in decibels. Changes within a block are ramps linear in decibels, computed with
// multiplications only; the gain and phase responses are published as flat curves.
class CGain : public CBaseCoreDSPFilter {
public:
    CGain();
    // Copies the base; the curves, dirty flags and gain factors start afresh.
    CGain(const CGain& other);
    CGain& operator=(const CGain&) = delete;
    ~CGain() override {}

    IFilter* Clone() const override { return new CGain(*this); }
    const DataModel::Objects::IConstProductInfo& GetObjectInfo() const override;
    // Ignored while the sample rate is 0 and for any count other than 1.
    void SetParamsValues(const IConstValues& values) override;
    const IProcessInfo& GetProcessInfo() const override;
    const IConstCurves& GetOutputCurves() const override { return m_OutputCurves; }
    IDirtyFlags& GetOutputCurvesDirty() override { return m_OutputCurvesDirty; }

    void UpdateOutputCurves() override;
    void DoProcess(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
                   int count, const IParamsVariations* variations) override;

    // The factor applied to the next sample.
    float GetGainFactor() const { return m_GainFactors[0]; }

private:
    void Initialise();

    // The current factor, the per-sample factor and its per-sample factor.
    float m_GainFactors[3];
    Math::CConstantFunction m_GainCurve;
    Math::CConstantFunction m_PhaseCurve;
    Containers::TPointersValueVector<Math::IFunction> m_OutputCurves;
    CoreUtilities::TDynamicCollection<Core::CDirty, Core::IDirty> m_OutputCurvesDirty;
};

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
