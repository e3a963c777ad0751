#include <gtest/gtest.h>

#include <map>

#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"
#include "VeltisExt/AAXPlugin/EffectDescription.h"
#include "aax/AAX_IComponentDescriptor.h"
#include "aax/AAX_IPropertyMap.h"

using Veltis::DataModel::Objects::CProductInfo;

namespace {

struct CRecordingProperties : AAX_IPropertyMap {
    bool GetProperty(uint32_t property, uint32_t* value) const override
    {
        const auto found = m_Values.find(property);
        if (found != m_Values.end())
            *value = found->second;
        return found != m_Values.end();
    }
    int32_t AddProperty(uint32_t property, uint32_t value) override
    {
        m_Values[property] = value;
        return 0;
    }
    int32_t Reserved1(uint32_t) override { return 0; }
    int32_t Reserved2(uint32_t, void*, uint32_t) override { return 0; }
    bool Reserved3(uint32_t, void*, void*) override { return false; }

    std::map<uint32_t, uint32_t> m_Values;
};

// A component that keeps its one property map; everything else is acknowledged.
struct CRecordingComponent : AAX_IComponentDescriptor {
    int32_t Reserved1() override { return 0; }
    int32_t AddAudioIn(uint32_t) override { return 0; }
    int32_t AddAudioOut(uint32_t) override { return 0; }
    int32_t AddAudioBufferLength(uint32_t) override { return 0; }
    int32_t Reserved2(uint32_t) override { return 0; }
    int32_t Reserved3(uint32_t) override { return 0; }
    int32_t Reserved4(uint32_t) override { return 0; }
    int32_t AddPrivateData(uint32_t, int32_t, uint32_t) override { return 0; }
    int32_t Reserved5(uint32_t, uint32_t, void*) override { return 0; }
    int32_t Reserved6(uint32_t, uint32_t, uint32_t) override { return 0; }
    int32_t Reserved7(uint32_t, uint32_t) override { return 0; }
    int32_t Reserved8(uint32_t, uint32_t) override { return 0; }
    int32_t Reserved9(uint32_t, void*, uint32_t) override { return 0; }
    int32_t AddMIDINode(uint32_t, uint32_t, const char*, uint32_t) override { return 0; }
    int32_t Reserved10(uint32_t, uint32_t) override { return 0; }
    AAX_IPropertyMap* NewPropertyMap() override { return m_HasMap ? &m_Properties : nullptr; }
    AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap*) override { return nullptr; }
    int32_t AddProcessProcedure(AAXRenderProcedure procedure, AAX_IPropertyMap*, void*, void*, void*) override
    {
        m_Procedure = procedure;
        return 0;
    }
    int32_t Reserved11(void*, void*, AAX_IPropertyMap*, void*, void*) override { return 0; }

    bool m_HasMap = true;
    CRecordingProperties m_Properties;
    AAXRenderProcedure m_Procedure = nullptr;
};

} // namespace

TEST(EffectDescription, NamesShortenChannelSuffixesAndTheMaker)
{
    struct Case { const char* product; const char* fullName; };
    const Case kCases[] = {
        {"Corvane's Stereo Tessaline", "Corvane's Stereo Tessaline"},
        {"Tessaline (Mono)", "Tessaline M"},
        {"Tessaline(Stereo)", "Tessaline S"},
        {"Gain (Dual)", "Gain Dual"},
        {"AAX Gain", "AAX Gain"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.product);
        const std::string names = VeltisExt::AAXPlugin::GetPluginNames(CProductInfo(c.product, "", "", "")).GetString();
        // The full name is checked whole; the short names by length and by the maker's prefix.
        const std::string first = names.substr(0, names.find('\n'));
        EXPECT_EQ(first, c.fullName);
        const size_t second = names.find('\n') + 1;
        const size_t third = names.find('\n', second) + 1;
        EXPECT_LE(third - second - 1, 16u);
        EXPECT_LE(names.size() - third, 8u);
        EXPECT_EQ(names.find("AAX", second), std::string::npos);
    }
    EXPECT_STREQ(VeltisExt::AAXPlugin::AbbreviatePluginName("Corvane's Stereo Tessaline", 16).GetString(), "CVStereoTessalin");
    EXPECT_STREQ(VeltisExt::AAXPlugin::AbbreviatePluginName("Corvane's Stereo Tessaline", 8).GetString(), "CVStrTsn");
}

TEST(EffectDescription, StemFormatsFollowTheProcessorsChannelCounts)
{
    struct Case { int inputs, outputs; bool mono; uint32_t in, out; };
    const Case kCases[] = {
        {0, 0, false, 0x00010002u, 0x00010002u}, {0, 2, false, 0x00010002u, 0x00010002u},
        {1, 1, false, 0x00000001u, 0x00000001u}, {2, 2, true, 0x00000001u, 0x00000001u},
        {6, 6, false, 0x00060006u, 0x00060006u}, {8, 7, false, 0x00080008u, 0x00070007u},
        {9, 9, false, 0xFF9C0000u, 0xFF9C0000u},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.inputs * 100 + c.outputs);
        const Veltis::Audio::DSP::CProcessInfo info(c.inputs, c.outputs);
        CRecordingComponent component;
        VeltisExt::AAXPlugin::DescribeComponent(info, &component, c.mono ? 1 : 0, c.mono);
        EXPECT_EQ(component.m_Properties.m_Values[51], c.in);
        EXPECT_EQ(component.m_Properties.m_Values[52], c.out);
        EXPECT_EQ(component.m_Properties.m_Values[13], c.mono ? 1u : 0u);
        EXPECT_EQ(component.m_Properties.m_Values[11], 0x6372766Eu);
        EXPECT_NE(component.m_Procedure, nullptr);
    }
    CRecordingComponent withoutMap;
    withoutMap.m_HasMap = false;
    VeltisExt::AAXPlugin::DescribeComponent(Veltis::Audio::DSP::CProcessInfo(2, 2), &withoutMap, 0, false);
    EXPECT_EQ(withoutMap.m_Procedure, nullptr);
}
