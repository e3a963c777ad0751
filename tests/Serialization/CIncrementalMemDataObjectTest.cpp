#include "Veltis/Serialization/CIncrementalMemDataObject.h"

#include "Veltis/Serialization/CIncrementalDataBuffer.h"

#include "TestSerializable.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::Serialization;
using VeltisTest::CTestSerializable;

namespace {

// A small state with a nested object, written the way a plug-in writes its state.
struct State {
    int version = 1;
    float gain = 0.5f;
    float subGain = 0.25f;
    bool subOn = true;
    const char* name = "init";
    bool writeDropped = true;

    bool Write(IWriteDataStream& stream) const
    {
        const unsigned char block[] = {1, 2, 3};
        const CTestSerializable sub([this](IWriteDataStream& inner) {
            return inner.WriteFloat("gain", subGain) && inner.WriteBool("on", subOn);
        });
        bool ok = stream.WriteInt("version", version) && stream.WriteFloat("gain", gain) &&
                  stream.WriteString("name", name) && stream.WriteData("block", block, 3) &&
                  stream.WriteObject("sub", sub);
        if (writeDropped)
            ok = stream.WriteDouble("dropped", 1.0) && ok;
        return ok;
    }
};

std::unique_ptr<CIncrementalMemDataObject> Snapshot(const State& state, const CIncrementalMemDataObject* previous)
{
    std::unique_ptr<CIncrementalMemDataObject> snapshot(new CIncrementalMemDataObject(previous));
    EXPECT_TRUE(state.Write(*snapshot));
    return snapshot;
}

TEST(CIncrementalMemDataObject, FirstSnapshotIsNeverUnchanged)
{
    CIncrementalMemDataObject empty(nullptr);
    EXPECT_FALSE(empty.IsUnchanged());
    EXPECT_FALSE(Snapshot(State(), nullptr)->IsUnchanged());
}

TEST(CIncrementalMemDataObject, SameStateSharesEveryCell)
{
    const State state;
    const auto first = Snapshot(state, nullptr);
    const auto second = Snapshot(state, first.get());
    EXPECT_TRUE(second->IsUnchanged());
    for (const char* name : {"version", "gain", "name", "block", "sub", "dropped"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(second->GetCell(name), nullptr);
        EXPECT_EQ(second->GetCell(name), first->GetCell(name));
        EXPECT_EQ(second->GetCell(name)->GetReferenceCount(), 2);
    }
}

TEST(CIncrementalMemDataObject, ChangedNestedValueChangesTheSnapshotAndSharesTheRest)
{
    State state;
    const auto first = Snapshot(state, nullptr);
    state.subGain = 0.75f;
    const auto second = Snapshot(state, first.get());
    EXPECT_FALSE(second->IsUnchanged());
    EXPECT_NE(second->GetCell("sub"), first->GetCell("sub"));
    EXPECT_EQ(second->GetCell("gain"), first->GetCell("gain"));
    const CIncrementalMemDataObject* oldSub = first->GetCell("sub")->GetBuffer()->GetSnapshot();
    const CIncrementalMemDataObject* newSub = second->GetCell("sub")->GetBuffer()->GetSnapshot();
    ASSERT_TRUE(oldSub && newSub);
    EXPECT_EQ(newSub->GetCell("on"), oldSub->GetCell("on"));
    EXPECT_NE(newSub->GetCell("gain"), oldSub->GetCell("gain"));

    float gain = 0;
    CTestSerializable reader(nullptr, [&](const IReadDataStream& stream) { return stream.ReadFloat("gain", gain); });
    EXPECT_TRUE(second->ReadObject("sub", reader));
    EXPECT_EQ(gain, 0.75f);
    EXPECT_TRUE(first->ReadObject("sub", reader));
    EXPECT_EQ(gain, 0.25f);
}

TEST(CIncrementalMemDataObject, SameBytesOfAnotherKindCountAsAChange)
{
    CIncrementalMemDataObject first(nullptr);
    const float asFloat = 1.0f;
    int sameBits = 0;
    static_assert(sizeof sameBits == sizeof asFloat, "same size");
    std::memcpy(&sameBits, &asFloat, sizeof sameBits);
    first.WriteFloat("v", asFloat);
    CIncrementalMemDataObject second(&first);
    second.WriteInt("v", sameBits);
    EXPECT_FALSE(second.IsUnchanged());
    float f = 0;
    EXPECT_FALSE(second.ReadFloat("v", f));
}

TEST(CIncrementalMemDataObject, DroppedValueKeepsTheSnapshotUnchanged)
{
    State state;
    const auto first = Snapshot(state, nullptr);
    state.writeDropped = false;
    const auto second = Snapshot(state, first.get());
    EXPECT_TRUE(second->IsUnchanged());
    EXPECT_FALSE(second->Exists("dropped")) << "reads never consult the previous snapshot";
}

TEST(CIncrementalMemDataObject, LaterSnapshotStaysReadableWhenTheFirstIsDeleted)
{
    State state;
    auto first = Snapshot(state, nullptr);
    state.gain = 0.9f;
    const auto second = Snapshot(state, first.get());
    first.reset();
    second->SetPrevious(nullptr);
    EXPECT_FALSE(second->IsUnchanged());
    int version = 0;
    float subGain = 0;
    char* name = nullptr;
    EXPECT_TRUE(second->ReadInt("version", version));
    EXPECT_EQ(version, 1);
    ASSERT_TRUE(second->ReadString("name", name));
    EXPECT_STREQ(name, "init");
    delete[] name;
    CTestSerializable reader(nullptr, [&](const IReadDataStream& stream) { return stream.ReadFloat("gain", subGain); });
    EXPECT_TRUE(second->ReadObject("sub", reader));
    EXPECT_EQ(subGain, 0.25f);
    EXPECT_EQ(second->GetCell("version")->GetReferenceCount(), 1);
}

TEST(CIncrementalMemDataObject, FailedWritesLeaveNoCell)
{
    CIncrementalMemDataObject snapshot(nullptr);
    snapshot.WriteInt("block", 1);
    EXPECT_FALSE(snapshot.WriteData("block", "x", -1));
    EXPECT_FALSE(snapshot.Exists("block"));
    EXPECT_FALSE(snapshot.WriteObject("sub", CTestSerializable([](IWriteDataStream&) { return false; })));
    EXPECT_FALSE(snapshot.Exists("sub"));
}

} // namespace
