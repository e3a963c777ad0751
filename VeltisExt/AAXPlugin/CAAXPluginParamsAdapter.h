#pragma once

#include "Veltis/Containers/IVector.h"
#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParamAdapter.h"

namespace VeltisExt {
namespace AAXPlugin {

typedef Veltis::DataModel::TICaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo> IPluginParam;
typedef Veltis::DataModel::TIConstCaptureObject<float, Veltis::DataModel::Objects::IConstParamInfo> IConstPluginParam;

// Adapters held by value, numbered "P" + (first + index) for the host.
template <class Base> class TAAXPluginAdapters : public Base {
public:
    // One new adapter per info; a previous set is replaced.
    void SetParams(const CAAXPluginParamAdapter::CParamInfos& infos, int first)
    {
        const int count = infos.GetCount();
        this->GetStorage().SetSize(0, true);
        this->GetStorage().SetSize(count, true);
        for (int i = 0; i < count; ++i) {
            Veltis::Core::CCharString id;
            id.Format("P%d", first + i);
            GetAdapter(i).SetParam(&infos, i, id.GetString());
        }
    }
    CAAXPluginParamAdapter& GetAdapter(int index) { return this->GetStorage()[index]; }
    const CAAXPluginParamAdapter& GetAdapter(int index) const { return this->GetStorage()[index]; }
};

typedef Veltis::Core::TNCDynamicVector<CAAXPluginParamAdapter, Veltis::Core::CStepGrowthStrategy> CAdapterStorage;

// The input parameters as the core's writable parameter objects.
class CAAXPluginParamsAdapter
    : public TAAXPluginAdapters<Veltis::CoreUtilities::TDynamicCollection<
          CAAXPluginParamAdapter, IPluginParam, Veltis::Containers::IVector<IPluginParam>, CAdapterStorage>> {
};

// The output parameters, read-only for the core.
class CAAXPluginConstParamsAdapter
    : public TAAXPluginAdapters<Veltis::CoreUtilities::TDynamicCollection<
          CAAXPluginParamAdapter, IConstPluginParam, Veltis::Containers::IVector<IConstPluginParam>, CAdapterStorage>> {
};

} // namespace AAXPlugin
} // namespace VeltisExt
