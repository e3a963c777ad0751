#include <gtest/gtest.h>

#include <math.h>
#include <stdint.h>

#include <new>
#include <vector>

#include "aax/AAX_CString.h"
#include "aax/NormalizedToInt32.h"
#include "support/AAXTestParameters.h"

using namespace VeltisTest;

namespace {

struct EffectParametersTest : ::testing::Test {
    EffectParametersTest()
    {
        AAX_CParameterManager& manager = effect.GetParameterManager();
        manager.AddParameter(NewParameter<float>("gain", "Gain", 0.0f, 10.0f, 9.0f));
        manager.AddParameter(NewParameter<int32_t>("mode", "Mode", 0, 4, 2));
        manager.AddParameter(NewParameter<bool>("PreviewID", "Preview", false, true, false));
        manager.AddParameter(NewParameter<double>("time", "Time", 0.0, 8.0, 1.0));
        manager.AddParameter(NewParameter<bool>("MasterBypassID", "Bypass", false, true, false));
        effect.ExcludeParameterFromChunk("MasterBypassID");
    }

    std::vector<uint64_t> SaveControls()
    {
        uint32_t size = 0;
        EXPECT_EQ(effect.GetChunkSize(AAX_CEffectParameters::kControlsChunkId, &size), 0);
        std::vector<uint64_t> storage((56 + size + 7) / 8 + 1, 0);
        AAXChunkRecord* chunk = reinterpret_cast<AAXChunkRecord*>(storage.data());
        chunk->m_Identifier = AAX_CEffectParameters::kControlsChunkId;
        EXPECT_EQ(effect.GetChunk(AAX_CEffectParameters::kControlsChunkId, chunk), 0);
        return storage;
    }
    static const AAXChunkRecord* Record(const std::vector<uint64_t>& storage)
    {
        return reinterpret_cast<const AAXChunkRecord*>(storage.data());
    }
    double Normalized(const char* id)
    {
        double value = -1.0;
        effect.GetParameterNormalizedValue(id, &value);
        return value;
    }

    CTestEffectParameters effect;
};

} // namespace

TEST_F(EffectParametersTest, IdentifierLookupsOutsideTheRangeAreNotFound)
{
    AAX_CString id("unchanged");
    for (int32_t index : {-1, 5}) {
        EXPECT_EQ(effect.GetParameterIDFromIndex(index, &id), -20001);
        EXPECT_STREQ(id.Get(), "");
    }
    EXPECT_EQ(effect.GetParameterIDFromIndex(1, &id), 0);
    EXPECT_STREQ(id.Get(), "mode");
    int32_t index = 0;
    EXPECT_EQ(effect.GetParameterIndex(nullptr, &index), -20001);
    EXPECT_EQ(index, -1);
    AAX_CString master;
    effect.GetMasterBypassParameterID(&master);
    EXPECT_STREQ(master.Get(), "MasterBypassID");
}

TEST_F(EffectParametersTest, RelativeChangesAreLimitedToTheNormalizedRange)
{
    struct Case { double delta; double expected; };
    const Case kCases[] = {{0.3, 1.0}, {-2.0, 0.0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.delta);
        effect.SetParameterNormalizedValue("gain", 0.9);
        EXPECT_EQ(effect.SetParameterNormalizedRelative("gain", c.delta), 0);
        EXPECT_DOUBLE_EQ(Normalized("gain"), c.expected);
    }
    EXPECT_EQ(effect.SetParameterNormalizedRelative("none", 0.1), -20001);
}

TEST_F(EffectParametersTest, NaNFromTheHostIsRefusedAndChangesNothing)
{
    const double before = Normalized("gain");
    const double nan = std::nan("");
    EXPECT_EQ(effect.SetParameterNormalizedValue("gain", nan), -20002);
    EXPECT_EQ(effect.UpdateParameterNormalizedValue("gain", nan, 0), -20002);
    EXPECT_EQ(effect.UpdateParameterNormalizedRelative("gain", nan), -20002);
    EXPECT_EQ(effect.SetParameterDefaultNormalizedValue("gain", nan), -20002);
    AAX_CString text;
    EXPECT_EQ(effect.GetParameterStringFromValue("gain", &text, 10, nan), -20002);
    EXPECT_EQ(Normalized("gain"), before);
    int32_t changes = -1;
    effect.GetChangeCount(&changes);
    EXPECT_EQ(changes, 0);
}

TEST_F(EffectParametersTest, UpdatesCountChangesAndUnknownIdentifiersDoNot)
{
    EXPECT_EQ(effect.UpdateParameterNormalizedValue("gain", 0.25, 0), 0);
    EXPECT_EQ(effect.UpdateParameterNormalizedValue("ghost", 0.25, 0), -20001);
    int32_t changes = -1;
    effect.GetChangeCount(&changes);
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(Normalized("gain"), 0.25);
}

TEST_F(EffectParametersTest, PreviewNotificationSetsThePreviewParameter)
{
    struct Case { uint32_t type; int32_t word; bool expected; };
    const Case kCases[] = {{0x41535076, 5, true}, {0x41535076, 0, false}, {0x12345678, 5, false}};
    for (const Case& c : kCases) {
        effect.SetParameterNormalizedValue("PreviewID", 0.0);
        EXPECT_EQ(effect.ReceiveNotification(c.type, &c.word, sizeof c.word), 0);
        EXPECT_EQ(Normalized("PreviewID"), c.expected ? 1.0 : 0.0);
    }
}

TEST_F(EffectParametersTest, ShortNameIsTheLongestFittingLine)
{
    effect.GetParameterManager().AddParameter(NewParameter<float>("freq", "Frequency\nFreq\nF", 0.0f, 1.0f, 0.0f));
    struct Case { int32_t maxLength; const char* expected; };
    const Case kCases[] = {{4, "Freq"}, {2, "F"}, {20, "Frequency"}, {0, "Frequency\nFreq\nF"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.maxLength);
        AAX_CString name;
        EXPECT_EQ(effect.GetParameterShortName("freq", &name, c.maxLength), 0);
        EXPECT_STREQ(name.Get(), c.expected);
    }
    AAX_CString missing("x");
    EXPECT_EQ(effect.GetParameterShortName("none", &missing, 4), 0);
    EXPECT_STREQ(missing.Get(), "");
}

TEST_F(EffectParametersTest, ChunkIndexBeyondTheControlsChunkIsOutOfRange)
{
    uint32_t id = 99;
    EXPECT_EQ(effect.GetChunkIDFromIndex(1, &id), -20006);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(effect.GetChunkIDFromIndex(0, &id), 0);
    EXPECT_EQ(id, 0x656C636Bu);
    uint32_t size = 5;
    EXPECT_EQ(effect.GetChunkSize(0x12345678, &size), -20007);
    EXPECT_EQ(size, 0u);
}

TEST_F(EffectParametersTest, ControlsChunkNeedsItsSizeFirst)
{
    std::vector<uint64_t> storage(64, 0);
    AAXChunkRecord* chunk = reinterpret_cast<AAXChunkRecord*>(storage.data());
    EXPECT_EQ(effect.GetChunk(AAX_CEffectParameters::kControlsChunkId, chunk), -20008);
    EXPECT_EQ(chunk->m_Size, 0);
}

TEST_F(EffectParametersTest, ControlsChunkRestoresAndComparesAllButExcludedParameters)
{
    effect.SetParameterNormalizedValue("MasterBypassID", 1.0);
    const std::vector<uint64_t> saved = SaveControls();
    EXPECT_STREQ(Record(saved)->m_Name, "Complete Controls State");
    EXPECT_EQ(Record(saved)->m_Version, -1);

    bool equal = false;
    EXPECT_EQ(effect.CompareActiveChunk(Record(saved), &equal), 0);
    EXPECT_TRUE(equal);

    effect.SetParameterNormalizedValue("gain", 0.1);
    effect.SetParameterNormalizedValue("mode", 1.0);
    effect.SetParameterNormalizedValue("time", 1.0);
    effect.SetParameterNormalizedValue("MasterBypassID", 0.0);
    effect.CompareActiveChunk(Record(saved), &equal);
    EXPECT_FALSE(equal);

    EXPECT_EQ(effect.SetChunk(AAX_CEffectParameters::kControlsChunkId, Record(saved)), 0);
    EXPECT_FLOAT_EQ(Normalized("gain"), 0.9f);
    EXPECT_DOUBLE_EQ(Normalized("mode"), 0.5);
    EXPECT_DOUBLE_EQ(Normalized("time"), 0.125);
    EXPECT_EQ(Normalized("MasterBypassID"), 0.0);
    effect.CompareActiveChunk(Record(saved), &equal);
    EXPECT_TRUE(equal);

    // The excluded parameter differs from the chunk and still compares equal.
    effect.SetParameterNormalizedValue("MasterBypassID", 1.0);
    effect.CompareActiveChunk(Record(saved), &equal);
    EXPECT_TRUE(equal);

    AAXChunkRecord other = {};
    other.m_Identifier = 0x12345678;
    equal = false;
    effect.CompareActiveChunk(&other, &equal);
    EXPECT_TRUE(equal);
    EXPECT_EQ(effect.SetChunk(0x12345678, &other), -20007);
}

namespace {

// A parameter whose value read runs out of memory.
class CThrowingParameter : public AAX_CParameter<float> {
public:
    CThrowingParameter()
        : AAX_CParameter<float>("throws", AAX_CString("Throws"), AAX_CLinearTaperDelegate<float>(0.0f, 1.0f),
                                CPlainDisplay<float>(), true, 0.0f)
    {
    }
    bool GetValueAsFloat(float*) const override { throw std::bad_alloc(); }
};

} // namespace

TEST_F(EffectParametersTest, ExceptionsBecomeTheUnexpectedResult)
{
    effect.GetParameterManager().AddParameter(new CThrowingParameter);
    uint32_t size = 0;
    EXPECT_EQ(effect.GetChunkSize(AAX_CEffectParameters::kControlsChunkId, &size), static_cast<int32_t>(0x8000FFFF));
}

TEST(NormalizedToInt32, MapsTheRangeOntoThe32BitRangeAndSaturates)
{
    struct Case { double value, minimum, maximum; int32_t expected; };
    const Case kCases[] = {
        {0.0, 0.0, 1.0, INT32_MIN}, {0.5, 0.0, 1.0, 0}, {1.0, 0.0, 1.0, INT32_MAX},
        {1.5, 0.0, 1.0, INT32_MAX}, {-1.0, 0.0, 1.0, INT32_MIN}, {std::nan(""), 0.0, 1.0, INT32_MIN},
        {0.0, 1.0, 0.0, INT32_MAX}, {30.0, 20.0, 40.0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(NormalizedToInt32(c.value, c.minimum, c.maximum), c.expected);
    }
}
