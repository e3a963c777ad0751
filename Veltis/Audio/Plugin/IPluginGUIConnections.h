#pragma once

#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TValue.h"
#include "Veltis/DataModel/TICaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObjectFactory.h"

namespace Veltis {
namespace Math {
class IFunction;
class IBinaryFunction;
} // namespace Math
namespace DataModel {
namespace Objects {
class IConstProductInfo;
class IConstParamInfo;
class IConstCurveInfo;
class IConstStringInfo;
class IConstSurfaceInfo;
} // namespace Objects
} // namespace DataModel
namespace Serialization {
class ISerializable;
class IHistoryManager;
} // namespace Serialization
namespace Audio {
namespace DSP {
class IProcessInfo;
}
namespace Plugin {

class IAudioPluginDataPath;
class IAudioPluginDefaultSettings;
class IAudioPluginModel;
class IMIDIController;
class IPreset;

// Everything an editor or a plug-in model may show or change of one instance, handed over in one
// record. Nothing is owned by the record; every pointer is null before the core connects.
class IPluginGUIConnections {
public:
    typedef Containers::IVector<DataModel::TICaptureObject<float, DataModel::Objects::IConstParamInfo>> IInputParams;
    typedef Containers::IVector<DataModel::TIConstCaptureObject<float, DataModel::Objects::IConstParamInfo>>
        IOutputParams;
    typedef Containers::IVector<
        DataModel::TIConstCaptureObjectFactory<const Math::IFunction&, DataModel::Objects::IConstCurveInfo>>
        IOutputCurves;
    typedef Containers::IVector<DataModel::TIConstCaptureObjectFactory<const char*, DataModel::Objects::IConstStringInfo>>
        IOutputStrings;
    typedef Containers::IVector<
        DataModel::TIConstCaptureObjectFactory<const Math::IBinaryFunction&, DataModel::Objects::IConstSurfaceInfo>>
        IOutputSurfaces;
    typedef Core::TValue<bool, Core::CEventProvider> CDefaultFlag;
    typedef Containers::IVector<IPreset> IPresets;

    virtual const DataModel::Objects::IConstProductInfo* GetProductInfo() const = 0;
    virtual const DSP::IProcessInfo* GetProcessInfo() const = 0;
    virtual IInputParams* GetInputParams() const = 0;
    virtual IOutputParams* GetOutputParams() const = 0;
    virtual IOutputCurves* GetOutputCurves() const = 0;
    virtual IOutputStrings* GetOutputStrings() const = 0;
    virtual IOutputSurfaces* GetOutputSurfaces() const = 0;
    virtual IAudioPluginModel* GetModel() const = 0;
    virtual Serialization::ISerializable* GetPluginState() const = 0;
    virtual Serialization::IHistoryManager* GetHistory() const = 0;
    virtual IMIDIController* GetMIDIController() const = 0;
    virtual IAudioPluginDefaultSettings* GetDefaultSettings() const = 0;
    virtual CDefaultFlag* GetMIDIInputDefault() const = 0;
    virtual CDefaultFlag* GetMIDIOutputDefault() const = 0;
    virtual CDefaultFlag* GetAutomationOutputDefault() const = 0;
    virtual IPresets* GetPresets() const = 0;
    virtual IAudioPluginDataPath* GetDataPath() const = 0;
    virtual ~IPluginGUIConnections() {}
};

} // namespace Plugin
} // namespace Audio
} // namespace Veltis
