#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreGraphics.h"
#include "Native/Harness.h"
#include "support/CCountingCommand.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

using Veltis::Graphics::CSharedNativeHandle;

namespace VeltisTest {
namespace {

class CSharedNativeHandleTest : public NativeTest {};

TEST_F(CSharedNativeHandleTest, NativeObjectGoesWithTheLastShare)
{
    CSharedNativeHandle* holder = new CSharedNativeHandle(Native::CGColorSpaceCreateDeviceRGB());
    CCountingCommand changes;
    holder->GetChangeEvent().AddListener(changes);
    EXPECT_EQ(holder->GetShareCount(), 1);
    EXPECT_EQ(changes.GetCount(), 0);

    holder->AddShare();
    holder->AddShare();
    EXPECT_EQ(holder->GetShareCount(), 3);
    EXPECT_EQ(changes.GetCount(), 2);
    holder->Release();
    holder->Release();
    EXPECT_EQ(holder->GetShareCount(), 1);
    EXPECT_EQ(changes.GetCount(), 4);
    EXPECT_EQ(Native::Harness::LiveObjects("CGColorSpace"), 1u);

    holder->Release();
    EXPECT_EQ(changes.GetCount(), 5);
    EXPECT_EQ(Native::Harness::LiveObjects("CGColorSpace"), 0u);
}

TEST_F(CSharedNativeHandleTest, NullHandleCountsAndNotifiesButReleasesNothing)
{
    // A CFRelease(NULL) would be reported, and fail the test.
    CSharedNativeHandle* holder = new CSharedNativeHandle(nullptr);
    CCountingCommand changes;
    holder->GetChangeEvent().AddListener(changes);
    holder->AddShare();
    holder->Release();
    EXPECT_EQ(holder->GetShareCount(), 1);
    EXPECT_EQ(changes.GetCount(), 2);
    holder->Release();
    EXPECT_EQ(changes.GetCount(), 3);
}

// Takes one share when the count first drops to 0.
class CRescuingListener : public Veltis::Core::ICommand {
public:
    explicit CRescuingListener(CSharedNativeHandle*& holder) : m_Holder(holder) {}
    void Execute() override
    {
        if (m_Holder->GetShareCount() == 0 && !m_Rescued) {
            m_Rescued = true;
            m_Holder->AddShare();
        }
    }

private:
    CSharedNativeHandle*& m_Holder;
    bool m_Rescued = false;
};

TEST_F(CSharedNativeHandleTest, ShareTakenDuringTheLastNotificationKeepsTheHolder)
{
    CSharedNativeHandle* holder = new CSharedNativeHandle(Native::CGColorSpaceCreateDeviceGray());
    CRescuingListener listener(holder);
    holder->GetChangeEvent().AddListener(listener);
    holder->Release();
    EXPECT_EQ(holder->GetShareCount(), 1);
    EXPECT_EQ(Native::Harness::LiveObjects("CGColorSpace"), 1u);
    holder->Release();
    EXPECT_EQ(Native::Harness::LiveObjects("CGColorSpace"), 0u);
}

} // namespace
} // namespace VeltisTest
