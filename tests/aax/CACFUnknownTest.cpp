#include <gtest/gtest.h>

#include "aax/CACFUnknown.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

namespace {

// Counts the hooks the base runs around deletion.
class CProbe : public CACFUnknown {
public:
    explicit CProbe(int& finalReleases, int& deletions) : m_FinalReleases(finalReleases), m_Deletions(deletions) {}
    ~CProbe() override { ++m_Deletions; }
    void FinalRelease() override { ++m_FinalReleases; }

private:
    int& m_FinalReleases;
    int& m_Deletions;
};

IACFUnknown* InnerUnknownOf(CProbe* probe)
{
    void* out = nullptr;
    EXPECT_EQ(probe->InternalQueryInterface(AAXIdentifiers::kUnknown, &out), AAXResult::kSuccess);
    return static_cast<IACFUnknown*>(out);
}

} // namespace

TEST(CACFUnknownTest, LiveCountFollowsConstructionAndTheLastReleaseDeletesOnce)
{
    const int32_t before = CACFUnknown::GetLiveObjectCount();
    int finalReleases = 0, deletions = 0;
    CProbe* probe = new CProbe(finalReleases, deletions);
    EXPECT_EQ(CACFUnknown::GetLiveObjectCount(), before + 1);

    IACFUnknown* unknown = InnerUnknownOf(probe);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->AddRef(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(unknown->Release(), 0u);
    EXPECT_EQ(finalReleases, 1);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(CACFUnknown::GetLiveObjectCount(), before);
}

TEST(CACFUnknownTest, AnswersOnlyTheBaseUnknownAndNullsTheOutputOtherwise)
{
    int finalReleases = 0, deletions = 0;
    CProbe* probe = new CProbe(finalReleases, deletions);
    IACFUnknown* unknown = InnerUnknownOf(probe);
    const ACFIdentifier kOthers[] = {AAXIdentifiers::kEffectParameters, AAXIdentifiers::kEffectGUI,
                                     ACFIdentifier{0, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x47}}};
    for (const ACFIdentifier& other : kOthers) {
        void* out = unknown;
        EXPECT_EQ(unknown->QueryInterface(other, &out), AAXResult::kNoInterface);
        EXPECT_EQ(out, nullptr);
    }
    void* again = nullptr;
    EXPECT_EQ(unknown->QueryInterface(AAXIdentifiers::kUnknown, &again), AAXResult::kSuccess);
    EXPECT_EQ(again, unknown);
    unknown->Release();
    unknown->Release();
    EXPECT_EQ(deletions, 1);
}
