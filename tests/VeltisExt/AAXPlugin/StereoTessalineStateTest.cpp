#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/aax/AAXStemFormat.h"
#include "support/StereoTessalineModule.h"

using namespace VeltisTest;
using Veltis::Platform::AAXHost::CHostInstance;

namespace {

std::string TextOf(const std::vector<unsigned char>& chunk)
{
    return std::string(reinterpret_cast<const char*>(chunk.data()) + kAAXChunkHeaderSize);
}

// A record of exactly 56 + bytes bytes, so that any read or write past it is caught.
struct CExactRecord {
    explicit CExactRecord(size_t bytes) : m_Bytes(kAAXChunkHeaderSize + bytes)
    {
        m_Memory = static_cast<unsigned char*>(calloc(1, m_Bytes));
    }
    ~CExactRecord() { free(m_Memory); }
    AAXChunkRecord* Get() { return reinterpret_cast<AAXChunkRecord*>(m_Memory); }

    size_t m_Bytes;
    unsigned char* m_Memory;
};

} // namespace

TEST_F(StereoTessalineTest, StateChunkRoundTripIsByteIdentical)
{
    CHostInstance& first = NewInstance();
    SetByText(first, "Gain 2 (R)", "-7.5");
    SetByText(first, "Oversample", "1");
    const std::vector<unsigned char> saved = Save(first);
    const AAXChunkRecord* header = reinterpret_cast<const AAXChunkRecord*>(saved.data());
    EXPECT_EQ(header->m_Identifier, kStateChunkId);
    EXPECT_STREQ(header->m_Name, "Corvane Audio Plugin State");
    EXPECT_EQ(static_cast<size_t>(header->m_Size), TextOf(saved).size() + 61);
    EXPECT_EQ(TextOf(saved).compare(0, 5, "<?xml"), 0);

    CHostInstance& second = NewInstance();
    ASSERT_EQ(second.RestoreChunk(saved), 0);
    EXPECT_EQ(Save(second), saved);
    // The host parameters follow once the host answers the module's value requests.
    second.AnswerAutomationRequests();
    EXPECT_NEAR(Normalized(second.GetEffect(), IdNamed(second.GetEffect(), "Gain 2 (R)").c_str()),
                Normalized(first.GetEffect(), IdNamed(first.GetEffect(), "Gain 2 (R)").c_str()), 1e-6);
}

TEST_F(StereoTessalineTest, ActiveChunkComparesEqualUntilAChange)
{
    CHostInstance& instance = NewInstance();
    const std::vector<unsigned char> saved = Save(instance);
    bool equal = false;
    ASSERT_EQ(instance.CompareChunk(saved, equal), 0);
    EXPECT_TRUE(equal);
    SetByText(instance, "Freq 4 (L)", "2500");
    ASSERT_EQ(instance.CompareChunk(saved, equal), 0);
    EXPECT_FALSE(equal);
}

TEST_F(StereoTessalineTest, DamagedStateChunksRestoreNothingAndAreRefused)
{
    CHostInstance& instance = NewInstance();
    SetByText(instance, "Gain 5 (L)", "3");
    const std::vector<unsigned char> before = Save(instance);
    const std::string text = TextOf(before);

    struct Case { const char* name; int32_t declared; std::string data; int32_t result; };
    std::mt19937 random(7);
    std::string noise(900, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const std::string other = "<?xml version=\"1.0\" ?><Preset><inputParams><paramCount>65</paramCount><param40>9</param40>";
    const std::string notUtf8 = "<Preset><progName>\x80</progName><MIDIInputDefault>0</MIDIInputDefault></Preset>";
    const Case kCases[] = {
        {"declared size 0", 0, text, -20004},
        {"declared size 60", 60, text, -20004},
        // The text ends at its NUL: the same state is restored.
        {"declared size beyond the text", static_cast<int32_t>(text.size() + 500), text, 0},
        {"text without its NUL", static_cast<int32_t>(other.size() + 60), other + "</inputParams></Preset>", -20004},
        {"random bytes", static_cast<int32_t>(noise.size() + 60), noise, -20004},
        {"negative size", -100, text, -20004},
        {"a name that is not UTF-8", static_cast<int32_t>(notUtf8.size() + 61), notUtf8, -20004},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        // The record holds what it declares (as the host checks), data padded with zeros.
        const size_t declared = c.declared > 0 ? static_cast<size_t>(c.declared) : 0;
        CExactRecord record(std::max(declared, c.data.size()));
        record.Get()->m_Size = c.declared;
        record.Get()->m_Identifier = kStateChunkId;
        memcpy(record.m_Memory + kAAXChunkHeaderSize, c.data.data(), c.data.size());
        EXPECT_EQ(instance.GetEffect()->SetChunk(kStateChunkId, record.Get()), c.result);
        bool equal = true;
        EXPECT_EQ(instance.GetEffect()->CompareActiveChunk(record.Get(), &equal), 0);
        // Only a text ending in a NUL at the declared end can compare equal (as the same text).
        if (c.declared <= 60 || record.m_Memory[kAAXChunkHeaderSize + declared - 61] != '\0') {
            EXPECT_FALSE(equal);
        }
        EXPECT_EQ(Save(instance), before);
    }
}

// Records exactly as long as the host allocates them (56 + the declared size), with every byte after
// the text not NUL: a comparison or a restore that read beyond the declared text runs off the record.
TEST_F(StereoTessalineTest, StateChunkComparesEqualToItselfAndReadsNoFurtherThanItsText)
{
    CHostInstance& instance = NewInstance();
    SetByText(instance, "Gain 3 (L)", "2");
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    uint32_t size = 0;
    ASSERT_EQ(effect->GetChunkSize(kStateChunkId, &size), 0);
    CExactRecord saved(size);
    saved.Get()->m_Identifier = kStateChunkId;
    ASSERT_EQ(effect->GetChunk(kStateChunkId, saved.Get()), 0);
    bool equal = false;
    EXPECT_EQ(effect->CompareActiveChunk(saved.Get(), &equal), 0);
    EXPECT_TRUE(equal);
    EXPECT_EQ(effect->SetChunk(kStateChunkId, saved.Get()), 0);
    EXPECT_EQ(effect->CompareActiveChunk(saved.Get(), &equal), 0);
    EXPECT_TRUE(equal);
    const std::string text(reinterpret_cast<const char*>(saved.m_Memory + kAAXChunkHeaderSize));

    struct Case { const char* name; uint32_t declared; std::string data; };
    const Case kCases[] = {
        // Its last byte is the one after the NUL.
        {"declared one byte too long", size + 1, text + '\0'},
        {"text that lost its final NUL", size, text + '\n'},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CExactRecord record(c.declared);
        memcpy(record.m_Memory, saved.m_Memory, kAAXChunkHeaderSize);
        record.Get()->m_Size = static_cast<int32_t>(c.declared);
        memset(record.m_Memory + kAAXChunkHeaderSize, 'x', c.declared);
        memcpy(record.m_Memory + kAAXChunkHeaderSize, c.data.data(), c.data.size());
        equal = true;
        EXPECT_EQ(effect->CompareActiveChunk(record.Get(), &equal), 0);
        EXPECT_FALSE(equal);
        effect->SetChunk(kStateChunkId, record.Get());
    }
    EXPECT_EQ(effect->CompareActiveChunk(saved.Get(), &equal), 0);
    EXPECT_TRUE(equal);
}

TEST_F(StereoTessalineTest, ChunkOfAnotherIdentifierIsIgnoredBySetChunk)
{
    CHostInstance& instance = NewInstance();
    SetByText(instance, "Gain 1 (L)", "4");
    const std::vector<unsigned char> controls = Save(instance, kControlsChunkId);
    const std::vector<unsigned char> state = Save(instance);
    SetByText(instance, "Gain 1 (L)", "-4");
    EXPECT_EQ(instance.RestoreChunk(controls), 0);
    bool equal = true;
    instance.CompareChunk(state, equal);
    EXPECT_FALSE(equal);
    // The base still compares its own chunk.
    instance.CompareChunk(controls, equal);
    EXPECT_FALSE(equal);
}

TEST_F(StereoTessalineTest, ChunkWrittenIsTheTextMeasuredEvenAfterAChange)
{
    CHostInstance& instance = NewInstance();
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    CExactRecord withoutSize(4096);
    EXPECT_EQ(effect->GetChunk(kStateChunkId, withoutSize.Get()), -20008);
    EXPECT_EQ(withoutSize.Get()->m_Size, 0);

    uint32_t size = 0;
    ASSERT_EQ(effect->GetChunkSize(kStateChunkId, &size), 0);
    // A value with more digits makes the state text longer than the host's buffer.
    SetByText(instance, "Freq 1 (L)", "12345.678");
    CExactRecord record(size);
    ASSERT_EQ(effect->GetChunk(kStateChunkId, record.Get()), 0);
    EXPECT_EQ(static_cast<uint32_t>(record.Get()->m_Size), size);
    const char* text = reinterpret_cast<const char*>(record.m_Memory + kAAXChunkHeaderSize);
    EXPECT_EQ(strlen(text) + 61, size);
    EXPECT_EQ(std::string(text).find("12345"), std::string::npos);
}

TEST_F(StereoTessalineTest, RepeatedLifecyclesLeaveNothingBehind)
{
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        std::unique_ptr<CHostInstance> instance = m_Module.CreateInstance();
        ASSERT_TRUE(instance);
        ASSERT_EQ(instance->Initialize({}), 0);
        RenderSignal(*instance, Sine(440.0, 48000.0, 2048, 0.3f));
        instance->Teardown();
    }
    EXPECT_EQ(m_Module.CanUnloadNow(), 0);
}

TEST_F(StereoTessalineTest, RestoreAfterUninitializeChangesNothingAndReleasesSafely)
{
    CHostInstance& instance = NewInstance();
    SetByText(instance, "Gain 2 (L)", "5");
    const std::vector<unsigned char> saved = Save(instance);
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    ASSERT_EQ(effect->Uninitialize(), 0);
    // The adapters no longer reach the deleted host parameters: restoring sets nothing on them.
    EXPECT_EQ(instance.RestoreChunk(saved), 0);
    int32_t count = -1;
    effect->GetParameterCount(&count);
    EXPECT_EQ(count, 0);
}
