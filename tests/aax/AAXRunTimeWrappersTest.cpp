#include <gtest/gtest.h>

#include "aax/AAX_VAutomationDelegate.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"
#include "aax/AAX_VViewContainer.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/host/CHostControllerUnknown.h"

using namespace Veltis::Platform::AAXHost;

namespace {

// A controller unknown over a component with one 8-byte private-data field 1.
struct CControllerFixture {
    explicit CControllerFixture(const SHostFaults& faults = SHostFaults()) : m_Host(faults)
    {
        SFieldDescription field;
        field.m_Field = 1;
        field.m_Size = 8;
        m_Component.m_Fields.push_back(field);
        SInstanceSettings settings;
        settings.m_SampleRate = 44100.0f;
        settings.m_InputStemFormat = AAXStemFormat::FromChannelCount(1);
        m_Unknown = m_Host.Keep(std::make_unique<CHostControllerUnknown>(m_Host, m_Component, settings));
    }
    void ExpectBalanced()
    {
        for (const std::string& line : m_Host.GetLedger().GetImbalances())
            ADD_FAILURE() << line;
    }

    CHostEnvironment m_Host;
    SComponentDescription m_Component;
    CHostControllerUnknown* m_Unknown;
};

} // namespace

TEST(AAXRunTimeWrappersTest, ControllerForwardsAndPacketsReachThePrivateDataAtTheNextBlock)
{
    CControllerFixture fixture;
    {
        AAX_VController controller(fixture.m_Unknown);
        float rate = 0;
        uint32_t input = 0, output = 0;
        EXPECT_EQ(controller.GetSampleRate(&rate), AAXResult::kSuccess);
        EXPECT_EQ(controller.GetInputStemFormat(&input), AAXResult::kSuccess);
        EXPECT_EQ(controller.GetOutputStemFormat(&output), AAXResult::kSuccess);
        EXPECT_EQ(rate, 44100.0f);
        EXPECT_EQ(input, 0x00000001u);
        EXPECT_EQ(output, 0x00010002u);
        EXPECT_EQ(controller.SetSignalLatency(12), AAXResult::kSuccess);
        EXPECT_EQ(fixture.m_Unknown->GetLatency(), 12);

        const uint64_t value = 0x1122334455667788ull;
        EXPECT_EQ(controller.PostPacket(1, &value, 8), AAXResult::kSuccess);
        uint64_t live = 0;
        memcpy(&live, fixture.m_Unknown->GetPrivateData(1), 8);
        EXPECT_EQ(live, 0u);
        fixture.m_Unknown->ApplyPostedPackets();
        memcpy(&live, fixture.m_Unknown->GetPrivateData(1), 8);
        EXPECT_EQ(live, value);

        EXPECT_EQ(controller.PostPacket(1, &value, 9), AAXResult::kHostObjectMissing);
        EXPECT_EQ(controller.PostPacket(0, &value, 4), AAXResult::kHostObjectMissing);
        EXPECT_EQ(fixture.m_Unknown->GetRejectedPacketCount(), 2);
    }
    fixture.ExpectBalanced();
}

TEST(AAXRunTimeWrappersTest, ControllerWithoutSecondVersionAnswersMinus20009AndNullsTheOutput)
{
    SHostFaults faults;
    faults.m_NoSecondVersions = true;
    CControllerFixture fixture(faults);
    {
        AAX_VController controller(fixture.m_Unknown);
        const uint32_t value = 7;
        EXPECT_EQ(controller.PostPacket(1, &value, 4), AAXResult::kSuccess);
        EXPECT_EQ(controller.Reserved6(1, nullptr, 2), AAXResult::kNotServed);
        EXPECT_EQ(controller.Reserved14(nullptr), AAXResult::kNotServed);
        void* out = &faults;
        EXPECT_EQ(controller.Reserved15(&out), AAXResult::kNotServed);
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(controller.Reserved16(nullptr), AAXResult::kNotServed);
        AAX_VTransport transport(fixture.m_Unknown);
        EXPECT_EQ(transport.Reserved1(nullptr), AAXResult::kSuccess);
        EXPECT_EQ(transport.Reserved13(nullptr, nullptr), AAXResult::kHostObjectMissing);
    }
    fixture.ExpectBalanced();
}

TEST(AAXRunTimeWrappersTest, WrappersOnANullUnknownCallNothing)
{
    AAX_VController controller(nullptr);
    AAX_VAutomationDelegate delegate(nullptr);
    AAX_VTransport transport(nullptr);
    AAX_VViewContainer view(nullptr);
    float rate = 3.0f;
    EXPECT_EQ(controller.GetSampleRate(&rate), AAXResult::kHostObjectMissing);
    EXPECT_EQ(rate, 3.0f);
    EXPECT_EQ(controller.PostPacket(0, &rate, 4), AAXResult::kHostObjectMissing);
    EXPECT_EQ(controller.Reserved6(0, nullptr, 0), AAXResult::kNotServed);
    EXPECT_EQ(delegate.RegisterParameter("a"), AAXResult::kHostObjectMissing);
    EXPECT_EQ(delegate.PostSetValueRequest("a", 0.5), AAXResult::kHostObjectMissing);
    EXPECT_EQ(delegate.PostTouchRequest("a"), AAXResult::kHostObjectMissing);
    EXPECT_EQ(delegate.PostReleaseRequest("a"), AAXResult::kHostObjectMissing);
    EXPECT_EQ(delegate.PostCurrentValue("a", 0.5), AAXResult::kHostObjectMissing);
    EXPECT_EQ(transport.Reserved1(nullptr), AAXResult::kHostObjectMissing);
    EXPECT_EQ(transport.Reserved11(nullptr), AAXResult::kHostObjectMissing);
    EXPECT_EQ(view.GetViewType(), 0);
    EXPECT_EQ(view.GetNativeView(), nullptr);
    EXPECT_EQ(view.SetViewSize(AAXViewSize{1, 2}), AAXResult::kSuccess);
    EXPECT_EQ(view.Reserved1(nullptr), AAXResult::kNotServed);
}

TEST(AAXRunTimeWrappersTest, AutomationDelegateRecordsEveryRequestInOrder)
{
    CControllerFixture fixture;
    {
        AAX_VAutomationDelegate delegate(fixture.m_Unknown);
        EXPECT_EQ(delegate.RegisterParameter("P1"), AAXResult::kSuccess);
        EXPECT_EQ(delegate.PostTouchRequest("P1"), AAXResult::kSuccess);
        EXPECT_EQ(delegate.PostSetValueRequest("P1", 0.25), AAXResult::kSuccess);
        EXPECT_EQ(delegate.PostCurrentValue("P1", 0.5), AAXResult::kSuccess);
        EXPECT_EQ(delegate.PostReleaseRequest("P1"), AAXResult::kSuccess);
        EXPECT_EQ(delegate.UnregisterParameter("P1"), AAXResult::kSuccess);
    }
    const SAutomationRequest::EKind kExpected[] = {SAutomationRequest::kRegister, SAutomationRequest::kTouch,
                                                   SAutomationRequest::kSetValue, SAutomationRequest::kCurrentValue,
                                                   SAutomationRequest::kRelease, SAutomationRequest::kUnregister};
    SAutomationRequest request;
    for (SAutomationRequest::EKind kind : kExpected) {
        ASSERT_TRUE(fixture.m_Unknown->GetRequests().Pop(request));
        EXPECT_EQ(request.m_Kind, kind);
        EXPECT_STREQ(request.m_ParameterId, "P1");
    }
    EXPECT_FALSE(fixture.m_Unknown->GetRequests().Pop(request));
    fixture.ExpectBalanced();
}

TEST(AAXRunTimeWrappersTest, MissingControllerOrDelegateLeavesOnlyThatHolderEmpty)
{
    for (bool noController : {true, false}) {
        SCOPED_TRACE(noController ? "no controller" : "no automation delegate");
        SHostFaults faults;
        (noController ? faults.m_NoController : faults.m_NoAutomationDelegate) = true;
        CControllerFixture fixture(faults);
        {
            AAX_VController controller(fixture.m_Unknown);
            AAX_VAutomationDelegate delegate(fixture.m_Unknown);
            float rate = 0;
            EXPECT_EQ(controller.GetSampleRate(&rate), noController ? AAXResult::kHostObjectMissing : AAXResult::kSuccess);
            EXPECT_EQ(delegate.PostTouchRequest("x"), noController ? AAXResult::kSuccess : AAXResult::kHostObjectMissing);
        }
        fixture.ExpectBalanced();
    }
}

TEST(AAXRunTimeWrappersTest, ViewContainerForwardsAndReleasesItsInterfaceWithTheWrapper)
{
    CReferenceLedger ledger;
    int nativeView = 0;
    CHostViewContainer container(ledger, "ViewContainer", kAAXViewTypeNative, &nativeView);
    {
        AAX_VViewContainer view(static_cast<IAAXHostViewContainer*>(&container));
        EXPECT_EQ(view.GetViewType(), kAAXViewTypeNative);
        EXPECT_EQ(view.GetNativeView(), &nativeView);
        EXPECT_EQ(view.SetViewSize(AAXViewSize{300, 200}), AAXResult::kSuccess);
        EXPECT_FALSE(ledger.IsBalanced());
    }
    ASSERT_EQ(container.GetRequestedSizes().size(), 1u);
    EXPECT_EQ(container.GetRequestedSizes()[0].m_Width, 300.0f);
    EXPECT_EQ(container.GetRequestedSizes()[0].m_Height, 200.0f);
    EXPECT_TRUE(ledger.IsBalanced());
}
