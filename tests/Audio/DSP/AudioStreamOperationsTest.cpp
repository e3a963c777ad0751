#include "Veltis/Audio/DSP/AudioStreamOperations.h"
#include "Veltis/Audio/DSP/CAudioStreamToStreams.h"
#include "Veltis/Audio/DSP/CAudioStreams.h"
#include "Veltis/Audio/DSP/CDynamicAudioStream.h"
#include "Veltis/Audio/DSP/CEmptyStreams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Veltis::Audio::DSP;

namespace {

// Two channels of constant first (0) and second (1) signals, so that an output sample is the weight.
struct CFadeFixture {
    explicit CFadeFixture(int count)
        : m_A(2 * count, 0.0f), m_B(2 * count, 1.0f), m_O(2 * count, -9.0f),
          m_AStreams{CAudioStream(m_A.data(), count), CAudioStream(m_A.data() + count, count)},
          m_BStreams{CAudioStream(m_B.data(), count), CAudioStream(m_B.data() + count, count)},
          m_OStreams{CAudioStream(m_O.data(), count), CAudioStream(m_O.data() + count, count)},
          m_First(2, m_AStreams), m_Second(2, m_BStreams), m_Outputs(2, m_OStreams)
    {
    }

    std::vector<float> m_A, m_B, m_O;
    CAudioStream m_AStreams[2], m_BStreams[2], m_OStreams[2];
    CAudioStreams m_First, m_Second, m_Outputs;
};

} // namespace

TEST(AudioStream, SizeIsLengthOverStepAndLengthForStepZero)
{
    float buffer[10] = {};
    EXPECT_EQ(CAudioStream(buffer, 10, 3).GetSize(), 3);
    EXPECT_EQ(CAudioStream(buffer, 10, 0).GetSize(), 10);
    EXPECT_EQ(CAudioStream(buffer, 4, 1, 2).GetBuffer(), buffer + 2);
    EXPECT_EQ(CAudioStream().GetBuffer(), nullptr);
}

TEST(AudioStream, CopyOfAnOwningStreamIsAViewThatDoesNotDeleteTheArray)
{
    CAudioStream owner(new float[4](), 4, 1, 0, true);
    {
        const CAudioStream view(owner);
        EXPECT_EQ(view.GetBuffer(), owner.GetBuffer());
    }
    owner.GetBuffer()[3] = 1.0f; // still alive: ASan would report a use after free
    EXPECT_EQ(owner.GetBuffer()[3], 1.0f);
}

TEST(AudioStream, EmptyStreamsReadZerosAndOfferNoWritableBuffer)
{
    CEmptyStreams streams(3, 64);
    ASSERT_EQ(streams.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const IAudioStream& stream = static_cast<const CEmptyStreams&>(streams).GetAt(i);
        EXPECT_EQ(stream.GetSize(), 64);
        EXPECT_EQ(stream.GetStep(), 0);
        EXPECT_EQ(stream.GetBuffer()[0], 0.0f);
        EXPECT_EQ(streams.GetAt(i).GetBuffer(), nullptr);
    }
}

TEST(AudioStream, StreamVectorsCountWhatTheyHold)
{
    CAudioStream one;
    EXPECT_EQ(CAudioStreams(2, nullptr).GetCount(), 0);
    EXPECT_EQ(CAudioStreamToStreams(&one).GetCount(), 1);
    EXPECT_EQ(CAudioStreamToStreams(nullptr).GetCount(), 0);
    CAudioStreamToStreams owning(new CDynamicAudioStream, true); // deleted through the interface
    EXPECT_EQ(owning.GetAt(5).GetStep(), 1);
}

TEST(AudioStream, DynamicStreamKeepsItsCapacityWhenShrunkOnTheAudioPath)
{
    CDynamicAudioStream stream;
    stream.SetSize(512, false);
    const float* memory = stream.GetBuffer();
    stream.SetSize(10, false);
    stream.SetSize(512, false);
    EXPECT_EQ(stream.GetBuffer(), memory);
    EXPECT_EQ(stream.GetSize(), 512);
    stream.SetSize(0, true);
    EXPECT_EQ(stream.GetCapacity(), 0);
}

TEST(CopyStream, FollowsTheOrderOfChecks)
{
    float interleaved[6] = {1, -1, 2, -2, 3, -3};
    float plain[3] = {9, 9, 9};
    CAudioStream left(interleaved, 6, 2);
    CAudioStream out(plain, 3);
    CopyStream(left, out, 3);
    EXPECT_EQ(std::vector<float>(plain, plain + 3), (std::vector<float>{1, 2, 3}));

    CopyStream(CAudioStream(), out, 3);
    EXPECT_EQ(std::vector<float>(plain, plain + 3), (std::vector<float>{0, 0, 0}));

    plain[1] = 5;
    CopyStream(out, out, 3); // the same memory: nothing to do
    EXPECT_EQ(plain[1], 5);

    CEmptyStream readOnly(3);
    CopyStream(out, readOnly, 3); // no writable buffer: skipped
}

TEST(CopyStream, CopyStreamsCopiesTheChannelsBothVectorsHave)
{
    float a[2] = {1, 2}, b[2] = {3, 4}, c[2] = {0, 0};
    CAudioStream sources[2] = {CAudioStream(a, 2), CAudioStream(b, 2)};
    CAudioStream destination(c, 2);
    CAudioStreams from(2, sources);
    CAudioStreamToStreams to(&destination);
    CopyStreams(from, to, 2);
    EXPECT_EQ(c[0], 1);
    EXPECT_EQ(c[1], 2);
}

TEST(CrossfadeStreams, RampsEveryChannelFromTheStoredPosition)
{
    struct Case {
        float position, step;
        int count;
        std::vector<float> weights;
        float stored;
        bool fading;
    };
    const Case kCases[] = {
        {1.0f, -0.25f, 8, {1, .75f, .5f, .25f, 0, 0, 0, 0}, 0.0f, false},
        {0.5f, 0.25f, 1, {.5f}, 0.75f, true},
        {0.5f, 0.75f, 2, {.5f, 1}, 1.0f, false},
        {NAN, 0.5f, 2, {NAN, 0}, 0.5f, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.position);
        CFadeFixture f(c.count);
        float position = c.position;
        EXPECT_EQ(CrossfadeStreams(f.m_First, f.m_Second, f.m_Outputs, c.count, position, c.step), c.fading);
        EXPECT_EQ(position, c.stored);
        for (int channel = 0; channel < 2; ++channel)
            for (int k = 0; k < c.count; ++k) {
                if (std::isnan(c.weights[k]))
                    EXPECT_TRUE(std::isnan(f.m_O[channel * c.count + k]));
                else
                    EXPECT_EQ(f.m_O[channel * c.count + k], c.weights[k]) << channel << "/" << k;
            }
    }
}

TEST(CrossfadeStreams, NothingToDoKeepsThePosition)
{
    CFadeFixture f(4);
    float position = 0.5f;
    EXPECT_TRUE(CrossfadeStreams(f.m_First, f.m_Second, f.m_Outputs, 0, position, 0.25f));
    EXPECT_EQ(position, 0.5f);
    CAudioStreams none(0, nullptr);
    EXPECT_TRUE(CrossfadeStreams(f.m_First, f.m_Second, none, 4, position, 0.25f));
    EXPECT_EQ(position, 0.5f);
}

TEST(CrossfadeStreams, SkipsAnOutputWithoutBufferButStillMoves)
{
    CFadeFixture f(4);
    CEmptyStreams readOnly(2, 4);
    float position = 0.0f;
    EXPECT_TRUE(CrossfadeStreams(f.m_First, f.m_Second, readOnly, 4, position, 0.125f));
    EXPECT_EQ(position, 0.5f);
}

TEST(ApplyGainRamp, MultipliesByTheMovingGainAndStoresTheLast)
{
    float in[3] = {2, 2, 2}, out[3] = {};
    CAudioStream inStream(in, 3), outStream(out, 3);
    CAudioStreamToStreams inputs(&inStream), outputs(&outStream);
    float gain = 0.0f;
    EXPECT_FALSE(ApplyGainRamp(inputs, outputs, 3, gain, 0.5f));
    EXPECT_EQ(std::vector<float>(out, out + 3), (std::vector<float>{0, 1, 2}));
    EXPECT_EQ(gain, 1.0f);
}

TEST(ClearStreams, ClearsEachStreamOverItsOwnSizeAndStep)
{
    float memory[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    CAudioStream streams[2] = {CAudioStream(memory, 3), CAudioStream(memory + 3, 4, 2)};
    CAudioStreams vector(2, streams);
    ClearStreams(vector);
    EXPECT_EQ(std::vector<float>(memory, memory + 8), (std::vector<float>{0, 0, 0, 0, 1, 0, 1, 1}));
}
