#include "VeltisExt/AAXPlugin/EffectDescription.h"

#include <memory>
#include <string>

#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/IProcessInfo.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/ProductEntry.h"
#include "Veltis/CoreUtilities/AbbreviateString.h"
#include "Veltis/CoreUtilities/CCodeModule.h"
#include "Veltis/DataModel/Objects/IConstProductInfo.h"
#include "VeltisExt/AAXPlugin/CAAXPluginGUI.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParameters.h"
#include "VeltisExt/AAXPlugin/CAAXPluginProcessing.h"
#include "aax/AAXGuard.h"
#include "aax/AAX_ICollection.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_IEffectDescriptor.h"
#include "aax/AAX_IPropertyMap.h"
#include "aax/Exports/GetEffectDescriptions.h"
#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/AAXStemFormat.h"

namespace VeltisExt {
namespace AAXPlugin {

const char kEffectIdPrefix[] = "com.corvane-audio.";

namespace {

const char kManufacturerName[] = "Corvane Audio";
const uint32_t kManufacturerId = AAXFourCharCode("crvn");

void AddNames(const Veltis::Core::CCharString& names, AAX_IEffectDescriptor* effect, AAX_ICollection* collection)
{
    const char* text = names.GetString();
    for (;;) {
        const char* end = text;
        while (*end && *end != '\n')
            ++end;
        const Veltis::Core::CCharString name(std::string(text, end).c_str());
        if (effect)
            effect->AddName(name.GetString());
        else
            collection->AddPackageName(name.GetString());
        if (!*end)
            break;
        text = end + 1;
    }
}

const char* ProductName()
{
    const char* name = GetProductInfo()->GetName();
    return name ? name : "";
}

} // namespace

Veltis::Core::CCharString AbbreviatePluginName(const char* name, int maxLength)
{
    Veltis::Core::CCharString text(name);
    text.Replace("Corvane's", "CV");
    text.Replace("AAX", "");
    return Veltis::CoreUtilities::AbbreviateString(text, maxLength);
}

Veltis::Core::CCharString GetPluginNames(const Veltis::DataModel::Objects::IConstProductInfo& productInfo)
{
    const char* name = productInfo.GetName() ? productInfo.GetName() : "";
    Veltis::Core::CCharString full(name);
    const char* const kSuffixes[][2] = {{" (Stereo)", " S"}, {" (Mono)", " M"}, {" (Dual)", " Dual"},
                                        {"(Stereo)", " S"},  {"(Mono)", " M"},  {"(Dual)", " Dual"}};
    for (const auto& suffix : kSuffixes)
        full.Replace(suffix[0], suffix[1]);
    Veltis::Core::CCharString names = Veltis::CoreUtilities::AbbreviateString(full, 31);
    names.Append("\n");
    names.Append(AbbreviatePluginName(name, 16));
    names.Append("\n");
    names.Append(AbbreviatePluginName(name, 8));
    return names;
}

void DescribeComponent(const Veltis::Audio::DSP::IProcessInfo& processInfo, AAX_IComponentDescriptor* component,
                       int32_t pluginId, bool mono)
{
    component->AddPrivateData(0, 4, 1);
    component->AddPrivateData(1, 8, 1);
    component->AddAudioIn(2);
    component->AddAudioOut(3);
    component->AddAudioBufferLength(4);
    Veltis::Core::CCharString outputName(ProductName());
    outputName.Append(" Out");
    component->AddMIDINode(5, 0, ProductName(), 0xFFFF);
    component->AddMIDINode(6, 1, outputName.GetString(), 0xFFFF);
    AAX_IPropertyMap* properties = component->NewPropertyMap();
    if (!properties)
        return;
    properties->AddProperty(11, kManufacturerId);
    properties->AddProperty(12, GetProductId());
    properties->AddProperty(60, 1);
    int inputs = 1, outputs = 1;
    if (!mono)
        Veltis::Audio::Plugin::GetChannelCounts(processInfo, inputs, outputs);
    properties->AddProperty(51, AAXStemFormat::FromChannelCount(inputs));
    properties->AddProperty(52, AAXStemFormat::FromChannelCount(outputs));
    properties->AddProperty(13, static_cast<uint32_t>(pluginId));
    component->AddProcessProcedure(&RenderAudio, properties, nullptr, nullptr, nullptr);
}

int32_t DescribeEffect(const Veltis::Audio::DSP::IProcessInfo& processInfo, AAX_IEffectDescriptor* effect)
{
    AddNames(GetPluginNames(*GetProductInfo()), effect, nullptr);
    effect->AddProcedure(&CAAXPluginParameters::Create, 0);
    effect->AddProcedure(&CAAXPluginGUI::Create, 1);
    AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
    if (!component)
        return AAXResult::kHostObjectMissing;
    DescribeComponent(processInfo, component, 0, false);
    int32_t result = effect->AddComponent(component);
    int inputs = 0, outputs = 0;
    Veltis::Audio::Plugin::GetChannelCounts(processInfo, inputs, outputs);
    if (HasMonoVariant() && !(inputs == 1 && outputs == 1)) {
        AAX_IComponentDescriptor* mono = effect->NewComponentDescriptor();
        if (!mono)
            return AAXResult::kHostObjectMissing;
        DescribeComponent(processInfo, mono, 1, true);
        result = effect->AddComponent(mono);
    }
    return result;
}

int32_t GetEffectDescriptions(AAX_ICollection* collection)
{
    return AAXGuard([&]() -> int32_t {
        AAX_IEffectDescriptor* effect = collection ? collection->NewDescriptor() : nullptr;
        if (!effect)
            return AAXResult::kHostObjectMissing;
        std::unique_ptr<Veltis::Audio::DSP::IFilter> processor(CreateProcessor());
        if (!processor)
            return AAXResult::kHostObjectMissing;
        const int32_t described = DescribeEffect(processor->GetProcessInfo(), effect);
        processor.reset();
        if (described != AAXResult::kSuccess)
            return described;
        const Veltis::CoreUtilities::CCodeModule module(reinterpret_cast<void*>(&GetEffectDescriptions));
        Veltis::Core::CCharString effectId(kEffectIdPrefix);
        effectId.Append(module.GetFileName());
        const int32_t result = collection->AddEffect(effectId.GetString(), effect);
        collection->SetManufacturerName(kManufacturerName);
        AddNames(GetPluginNames(*GetProductInfo()), nullptr, collection);
        collection->SetPackageVersion(1);
        return result;
    });
}

} // namespace AAXPlugin
} // namespace VeltisExt
