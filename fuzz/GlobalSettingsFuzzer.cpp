// Reads a global settings document and a MIDI CC settings list from untrusted bytes, writes them back
// and maps through every record read: lists keep their own size and the rate stays finite.

#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CMIDICCSettings.h"
#include "Veltis/Audio/Plugin/MIDICCMapping.h"
#include "Veltis/Containers/IConstVector.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Veltis;
using namespace Veltis::Audio::Plugin;

namespace {

constexpr int kInputs = 4;
constexpr int kOutputs = 3;

class CDescriptors : public virtual Containers::IConstVector<DataModel::Objects::IConstParamInfo> {
public:
    int GetCount() const override { return kInputs; }
    const DataModel::Objects::IConstParamInfo& GetAt(int index) const override { return m_Infos[index]; }

private:
    DataModel::Objects::CParamInfo m_Infos[kInputs];
};

void MapEvery(const CMIDICCSettings& list)
{
    for (int i = 0; i < list.GetCount(); ++i) {
        const IMIDICCSetting& setting = list.GetAt(i);
        MatchesMIDICCInput(setting, 0xB3, setting.GetNumber());
        MIDICCInputToParamValue(setting, 127);
        unsigned char status = 0, controller = 0, value = 0;
        if (ParamValueToMIDICCOutput(setting, 0.5f, status, controller, value) &&
            (status < 0xB0 || status > 0xBF || controller > 127 || value > 127))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    Serialization::CXmlDataObject document("Root");
    if (!document.LoadFromMemory(reinterpret_cast<const char*>(data), static_cast<int>(size)))
        return 0;

    const CDescriptors descriptors;
    CAudioPluginDefaultSettings settings(nullptr);
    settings.SetParamsInfo(descriptors, descriptors);
    settings.DeSerialize(document);
    if (!std::isfinite(settings.GetOutputRefreshRate()))
        std::abort();
    CMIDICCSettings inputs(kInputs + 1), outputs(kOutputs);
    settings.CopyInputCCSettingsTo(inputs);
    settings.CopyOutputCCSettingsTo(outputs);
    if (inputs.GetCount() != kInputs + 1)
        std::abort();
    MapEvery(inputs);
    Serialization::CXmlDataObject written("GlobalSettings");
    settings.Serialize(written);

    CMIDICCSettings list(kInputs);
    CMIDICCSettingsDeSerializer(&list.GetStorage(), "item").DeSerialize(document);
    if (list.GetCount() != kInputs)
        std::abort();
    MapEvery(list);
    return 0;
}
