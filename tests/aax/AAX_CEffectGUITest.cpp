#include <gtest/gtest.h>

#include "CFixtureEffect.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"
#include "support/AAXInProcessHost.h"

using namespace Veltis::Platform::AAXHost;
using VeltisTest::CFixtureGUI;

namespace {

struct CGUIFixture {
    CGUIFixture()
    {
        m_Instance = m_Host.NewInstance();
        EXPECT_EQ(m_Instance->Initialize(SInstanceSettings()), AAXResult::kSuccess);
        EXPECT_EQ(m_Instance->OpenGUI(), AAXResult::kSuccess);
    }
    ~CGUIFixture()
    {
        m_Instance->Teardown();
        for (const std::string& line : m_Host.m_Host.GetLedger().GetImbalances())
            ADD_FAILURE() << line;
    }
    CFixtureGUI& GUI() { return *static_cast<CFixtureGUI*>(m_Instance->GetGUI()); }

    VeltisTest::CAAXInProcessHost m_Host;
    std::unique_ptr<CHostInstance> m_Instance;
};

} // namespace

TEST(AAX_CEffectGUITest, InitializeWithoutHostAnswersMinus20011AndUninitializeCleansUp)
{
    const int32_t before = CACFUnknown::GetLiveObjectCount();
    IACFUnknown* object = CFixtureGUI::Create();
    void* out = nullptr;
    ASSERT_EQ(object->QueryInterface(AAXIdentifiers::kEffectGUI, &out), AAXResult::kSuccess);
    AAX_IACFEffectGUI* gui = static_cast<AAX_IACFEffectGUI*>(out);
    EXPECT_EQ(gui->Initialize(nullptr), AAXResult::kGUIWithoutHost);
    EXPECT_EQ(static_cast<CFixtureGUI*>(gui)->m_AfterInitializeCalls, 0);
    EXPECT_EQ(gui->Uninitialize(), AAXResult::kSuccess);
    EXPECT_EQ(CACFUnknown::GetLiveObjectCount(), before + 1);
    EXPECT_EQ(gui->Release(), 0u);
    EXPECT_EQ(CACFUnknown::GetLiveObjectCount(), before);
}

TEST(AAX_CEffectGUITest, AnswersItsOwnInterfaceOnlyAndFixedEntries)
{
    CGUIFixture fixture;
    AAX_IACFEffectGUI* gui = fixture.m_Instance->GetGUI();
    void* out = nullptr;
    EXPECT_EQ(gui->QueryInterface(AAXIdentifiers::kEffectParameters, &out), AAXResult::kNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(gui->QueryInterface(AAXIdentifiers::kEffectGUI, &out), AAXResult::kSuccess);
    EXPECT_EQ(out, gui);
    EXPECT_EQ(gui->Release(), 1u);
    EXPECT_EQ(gui->Reserved1(), 0);
    EXPECT_EQ(gui->Reserved4(), AAXResult::kHostObjectMissing);
    EXPECT_EQ(fixture.GUI().m_AfterInitializeCalls, 1);
}

TEST(AAX_CEffectGUITest, ViewContainerCreatesContentsThenAnnouncesEveryParameter)
{
    CGUIFixture fixture;
    CFixtureGUI& gui = fixture.GUI();
    EXPECT_EQ(gui.m_CreatedType, -1);
    ASSERT_EQ(fixture.m_Instance->SetViewContainer(kAAXViewTypeNative), AAXResult::kSuccess);
    EXPECT_EQ(gui.m_CreateCalls, 1);
    EXPECT_EQ(gui.m_CreatedType, kAAXViewTypeNative);
    EXPECT_NE(gui.m_CreatedView, nullptr);
    int32_t parameters = 0;
    fixture.m_Instance->GetEffect()->GetParameterCount(&parameters);
    EXPECT_EQ(gui.m_ParameterUpdates, parameters);
    ASSERT_EQ(fixture.m_Instance->GetViewContainer()->GetRequestedSizes().size(), 1u);
    AAXViewSize size{0, 0};
    EXPECT_EQ(fixture.m_Instance->GetGUI()->GetViewSize(&size), AAXResult::kSuccess);
    EXPECT_EQ(size.m_Width, 200.0f);

    EXPECT_EQ(fixture.m_Instance->ClearViewContainer(), AAXResult::kSuccess);
    EXPECT_EQ(gui.m_DeleteCalls, 1);
    EXPECT_FALSE(gui.m_ContainerAtDelete);
}

TEST(AAX_CEffectGUITest, ReplacedAndClearedContainersAreReleasedAndOtherTypesGetNoContents)
{
    CGUIFixture fixture;
    CFixtureGUI& gui = fixture.GUI();
    ASSERT_EQ(fixture.m_Instance->SetViewContainer(2), AAXResult::kSuccess);
    EXPECT_EQ(gui.m_CreatedType, 2);
    EXPECT_TRUE(fixture.m_Instance->GetViewContainer()->GetRequestedSizes().empty());
    ASSERT_EQ(fixture.m_Instance->SetViewContainer(kAAXViewTypeNative), AAXResult::kSuccess);
    EXPECT_EQ(gui.m_CreateCalls, 2);
    // The first container's reference went with its wrapper; the second is held until the GUI closes,
    // after which the fixture finds the ledger balanced.
    int heldContainers = 0;
    for (const std::string& line : fixture.m_Host.m_Host.GetLedger().GetImbalances())
        heldContainers += line.compare(0, 13, "ViewContainer") == 0;
    EXPECT_EQ(heldContainers, 1);
}

TEST(AAX_CEffectGUITest, InitializingAgainReleasesWhatTheFirstInitializationHeld)
{
    const int32_t before = CACFUnknown::GetLiveObjectCount();
    {
        CGUIFixture fixture;
        AAX_IACFEffectGUI* gui = fixture.m_Instance->GetGUI();
        IACFUnknown* host = fixture.m_Instance->GetGUIHostUnknown();
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(gui->Initialize(host), AAXResult::kSuccess);
        EXPECT_EQ(fixture.GUI().m_AfterInitializeCalls, 2);
        EXPECT_EQ(gui->Uninitialize(), AAXResult::kSuccess);
        EXPECT_EQ(gui->Initialize(host), AAXResult::kSuccess);
        // The fixture's teardown uninitialises once more and checks the ledger.
    }
    // The effect-parameters object went with the host's last release: no reference was left behind.
    EXPECT_EQ(CACFUnknown::GetLiveObjectCount(), before);
}
