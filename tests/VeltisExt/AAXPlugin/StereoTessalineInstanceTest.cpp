#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "aax/AAX_CChunkDataParser.h"
#include "aax/AAX_CString.h"
#include "platform/aax/AAXStemFormat.h"
#include "platform/aax/IAAXHostRunTime.h"
#include "support/StereoTessalineModule.h"

using namespace VeltisTest;
using Veltis::Platform::AAXHost::CHostInstance;
using Veltis::Platform::AAXHost::SComponentDescription;
using Veltis::Platform::AAXHost::SEffectDescription;
using Veltis::Platform::AAXHost::SFieldDescription;

TEST_F(StereoTessalineTest, DescriptionNamesTheProductItsFieldsAndProperties)
{
    const auto& description = m_Module.GetDescription();
    EXPECT_EQ(description.m_ManufacturerName, "Corvane Audio");
    const std::vector<std::string> names = {"Corvane's Stereo Tessaline", "CVStereoTessalin", "CVStrTsn"};
    EXPECT_EQ(description.m_PackageNames, names);
    EXPECT_EQ(description.m_PackageVersion, 1u);
    ASSERT_EQ(description.m_Effects.size(), 1u);
    const SEffectDescription& effect = description.m_Effects[0];
    EXPECT_EQ(effect.m_EffectId, "com.corvane-audio.StereoTessaline.so");
    EXPECT_EQ(effect.m_Names, names);
    ASSERT_EQ(effect.m_Procedures.size(), 2u);
    EXPECT_EQ(effect.m_Procedures[0].first, 0u);
    EXPECT_EQ(effect.m_Procedures[1].first, 1u);
    ASSERT_EQ(effect.m_Components.size(), 1u);

    const SComponentDescription& component = effect.m_Components[0];
    struct Field { SFieldDescription::EKind kind; int32_t size; uint32_t nodeType; const char* name; };
    const Field kFields[] = {
        {SFieldDescription::kPrivateData, 4, 0, ""}, {SFieldDescription::kPrivateData, 8, 0, ""},
        {SFieldDescription::kAudioIn, 0, 0, ""},     {SFieldDescription::kAudioOut, 0, 0, ""},
        {SFieldDescription::kBufferLength, 0, 0, ""}, {SFieldDescription::kMIDINode, 0, 0, "Corvane's Stereo Tessaline"},
        {SFieldDescription::kMIDINode, 0, 1, "Corvane's Stereo Tessaline Out"},
    };
    ASSERT_EQ(component.m_Fields.size(), 7u);
    for (uint32_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const SFieldDescription& field = component.m_Fields[i];
        EXPECT_EQ(field.m_Field, i);
        EXPECT_EQ(field.m_Kind, kFields[i].kind);
        if (field.m_Kind == SFieldDescription::kPrivateData) {
            EXPECT_EQ(field.m_Size, kFields[i].size);
            EXPECT_EQ(field.m_Options, 1u);
        }
        if (field.m_Kind == SFieldDescription::kMIDINode) {
            EXPECT_EQ(field.m_NodeType, kFields[i].nodeType);
            EXPECT_EQ(field.m_NodeName, kFields[i].name);
            EXPECT_EQ(field.m_ChannelMask, 0xFFFFu);
        }
    }
    const Veltis::Platform::AAXHost::PropertyList properties = {
        {11, AAXFourCharCode("crvn")}, {12, 0x33343264u}, {60, 1u}, {51, 0x00010002u}, {52, 0x00010002u}, {13, 0u}};
    EXPECT_EQ(component.m_Properties, properties);
    EXPECT_NE(component.m_RenderProcedure, nullptr);
}

TEST_F(StereoTessalineTest, InstanceOffersEveryPluginParameterToTheHost)
{
    CHostInstance& instance = NewInstance();
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    int32_t count = 0;
    effect->GetParameterCount(&count);
    ASSERT_EQ(count, 72);
    EXPECT_EQ(IdOf(effect, 0), "");
    AAX_CString name;
    effect->GetParameterName("", &name);
    EXPECT_STREQ(name.Get(), "Bypass");
    for (int32_t i = 1; i < count; ++i) {
        SCOPED_TRACE(i);
        const std::string id = IdOf(effect, i);
        EXPECT_EQ(id, "P" + std::to_string(i));
        effect->GetParameterName(id.c_str(), &name);
        EXPECT_EQ(strncmp(name.Get(), "OUT:", 4) == 0, i >= 66) << name.Get();
    }
    effect->GetParameterName("P1", &name);
    EXPECT_STREQ(name.Get(), "Limiter");
    EXPECT_EQ(instance.GetRegisteredParameters().size(), 72u);
    EXPECT_EQ(instance.GetController()->GetLatency(), 0);
}

TEST_F(StereoTessalineTest, ChunksAreTheControlsChunkThenTheState)
{
    CHostInstance& instance = NewInstance();
    std::vector<uint32_t> ids;
    ASSERT_EQ(instance.GetChunkIds(ids), 0);
    EXPECT_EQ(ids, (std::vector<uint32_t>{kControlsChunkId, kStateChunkId}));

    // The controls chunk holds P1 to P65 as doubles: neither the bypass ("") nor the outputs.
    AAX_CChunkDataParser expected;
    for (int i = 1; i <= 65; ++i)
        expected.AddDouble(("P" + std::to_string(i)).c_str(), 0.0);
    uint32_t size = 0;
    EXPECT_EQ(instance.GetEffect()->GetChunkSize(kControlsChunkId, &size), 0);
    EXPECT_EQ(size, static_cast<uint32_t>(expected.GetChunkDataSize()));
}

TEST_F(StereoTessalineTest, EditorIsReachedThroughCustomDataOfEightBytes)
{
    CHostInstance& instance = NewInstance();
    void* editor = nullptr;
    uint32_t written = 99;
    EXPECT_EQ(instance.GetEffect()->GetCustomData(AAXFourCharCode("igui"), 8, &editor, &written), 0);
    EXPECT_EQ(written, 8u);
    EXPECT_NE(editor, nullptr);
    uint32_t small = 0;
    EXPECT_EQ(instance.GetEffect()->GetCustomData(AAXFourCharCode("igui"), 4, &small, &written), -20004);
    EXPECT_EQ(written, 0u);
}

TEST_F(StereoTessalineTest, EditorViewIsEmptyUntilTheEditorArrives)
{
    CHostInstance& instance = NewInstance();
    ASSERT_EQ(instance.OpenGUI(), 0);
    AAXViewSize size = {-1.0f, -1.0f};
    EXPECT_EQ(instance.GetGUI()->GetViewSize(&size), 0);
    EXPECT_EQ(size.m_Width, 0.0f);
    EXPECT_EQ(size.m_Height, 0.0f);
    EXPECT_EQ(instance.GetGUI()->GetViewSize(nullptr), -20004);
    EXPECT_EQ(instance.SetViewContainer(kAAXViewTypeNative), 0);
    EXPECT_EQ(instance.ClearViewContainer(), 0);
    EXPECT_EQ(instance.CloseGUI(), 0);
}
