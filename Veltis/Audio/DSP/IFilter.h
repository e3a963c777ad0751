#pragma once

#include "Veltis/Audio/DSP/CProcessContext.h"
#include "Veltis/Containers/IConstValueVector.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Core {
class IDirty;
}
namespace Math {
class IFunction;
class IBinaryFunction;
} // namespace Math
namespace DataModel {
namespace Objects {
class IConstProductInfo;
class IConstParamInfo;
class IConstStringInfo;
class IConstCurveInfo;
class IConstSurfaceInfo;
} // namespace Objects
} // namespace DataModel

namespace Audio {
namespace DSP {

class IProcessInfo;
class IOutputDataSync;
class ILegacyPresets;

// An audio processor as the host side sees it: its descriptions, its sample rate and parameter values,
// one block at a time, and its outputs for display. One thread at a time calls it.
class IFilter {
public:
    typedef Containers::IConstVector<DataModel::Objects::IConstParamInfo> IConstParamsInfo;
    typedef Containers::IVector<DataModel::Objects::IConstParamInfo> IParamsInfo;
    typedef Containers::IConstVector<DataModel::Objects::IConstStringInfo> IConstStringsInfo;
    typedef Containers::IVector<DataModel::Objects::IConstStringInfo> IStringsInfo;
    typedef Containers::IConstVector<DataModel::Objects::IConstCurveInfo> IConstCurvesInfo;
    typedef Containers::IVector<DataModel::Objects::IConstCurveInfo> ICurvesInfo;
    typedef Containers::IConstVector<DataModel::Objects::IConstSurfaceInfo> IConstSurfacesInfo;
    typedef Containers::IVector<DataModel::Objects::IConstSurfaceInfo> ISurfacesInfo;
    typedef Containers::IConstValueVector<float> IConstValues;
    typedef Containers::IConstValueVector<const char*> IConstStrings;
    typedef Containers::IConstValueVector<const Math::IFunction&> IConstCurves;
    typedef Containers::IConstValueVector<const Math::IBinaryFunction&> IConstSurfaces;
    typedef Containers::IVector<Core::IDirty> IDirtyFlags;

    // A new processor made by the copy constructor; the caller owns it.
    virtual IFilter* Clone() const = 0;
    virtual const DataModel::Objects::IConstProductInfo& GetObjectInfo() const = 0;
    // apply: also apply the default values of every input parameter.
    virtual void SetSampleRate(bool& apply, double rate) = 0;
    virtual void ReleaseBuffers() = 0;
    virtual const IConstParamsInfo& GetInputParamsInfo() const = 0;
    virtual IParamsInfo& GetInputParamsInfo() = 0;
    // One value per input parameter, in their order.
    virtual void SetParamsValues(const IConstValues& values) = 0;
    virtual const IProcessInfo& GetProcessInfo() const = 0;
    // Samples of output that may follow the end of the input.
    virtual int GetTailLength() const = 0;
    virtual int GetLatency() const = 0;
    virtual void Process(const CProcessContext& context) = 0;
    // True when the signal path ran, false when the outputs were only cleared.
    virtual bool ProcessSilence(const CProcessContext& context) = 0;
    // Null when the plug-in core's own timer is to be used.
    virtual IOutputDataSync* GetOutputDataSync() = 0;
    virtual void UpdateOutputs() = 0;
    virtual const IConstParamsInfo& GetOutputParamsInfo() const = 0;
    virtual IParamsInfo& GetOutputParamsInfo() = 0;
    virtual const IConstValues& GetOutputParamsValues() const = 0;
    virtual const IConstStringsInfo& GetOutputStringsInfo() const = 0;
    virtual IStringsInfo& GetOutputStringsInfo() = 0;
    virtual const IConstStrings& GetOutputStrings() const = 0;
    virtual const IConstCurvesInfo& GetOutputCurvesInfo() const = 0;
    virtual ICurvesInfo& GetOutputCurvesInfo() = 0;
    virtual const IConstCurves& GetOutputCurves() const = 0;
    virtual IDirtyFlags& GetOutputCurvesDirty() = 0;
    virtual const IConstSurfacesInfo& GetOutputSurfacesInfo() const = 0;
    virtual ISurfacesInfo& GetOutputSurfacesInfo() = 0;
    virtual const IConstSurfaces& GetOutputSurfaces() const = 0;
    virtual IDirtyFlags& GetOutputSurfacesDirty() = 0;
    virtual const ILegacyPresets& GetLegacyPresets() const = 0;
    virtual ~IFilter() {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
