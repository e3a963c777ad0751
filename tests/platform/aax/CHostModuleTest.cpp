#include <gtest/gtest.h>

#include <dlfcn.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>

#include <memory>

#include "platform/aax/AAXResult.h"
#include "platform/aax/host/AAXChunkFile.h"
#include "platform/aax/host/CHostModule.h"
#include "support/AAXFixtureModule.h"
#include "support/CTemporaryFolder.h"
#include "support/HeapInUse.h"

using namespace Veltis::Platform::AAXHost;
using VeltisTest::CStereoBlock;
using VeltisTest::MIDIPacket;

namespace {

const char* const kModulePath = VELTIS_AAX_FIXTURE_MODULE;

// The fixture module loaded, started and registered.
struct CLoadedModule {
    explicit CLoadedModule(const SHostFaults& faults = SHostFaults()) : m_Module(faults)
    {
        EXPECT_TRUE(m_Module.LoadAndRegister(kModulePath)) << m_Module.GetLastError();
    }
    std::unique_ptr<CHostInstance> NewInitializedInstance(const SInstanceSettings& settings = SInstanceSettings())
    {
        std::unique_ptr<CHostInstance> instance = m_Module.CreateInstance();
        EXPECT_TRUE(instance) << m_Module.GetLastError();
        if (instance) {
            EXPECT_EQ(instance->Initialize(settings), AAXResult::kSuccess);
        }
        return instance;
    }

    CHostModule m_Module;
};

SInstanceSettings Channels(int32_t inputs, int32_t outputs)
{
    SInstanceSettings settings;
    settings.m_InputStemFormat = AAXStemFormat::FromChannelCount(inputs);
    settings.m_OutputStemFormat = AAXStemFormat::FromChannelCount(outputs);
    return settings;
}

} // namespace

TEST(CHostModuleTest, ExportsAnswerAsTheHostExpects)
{
    CHostModule module;
    ASSERT_TRUE(module.Load(kModulePath)) << module.GetLastError();
    uint64_t version = 0;
    EXPECT_EQ(module.GetSDKVersion(version), AAXResult::kSuccess);
    EXPECT_EQ(version, 0x000002000061125CULL);
    IACFUnknown* component = nullptr;
    EXPECT_EQ(module.RegisterComponent(component), AAXResult::kSuccess);
    EXPECT_EQ(component, nullptr);
    void* factory = nullptr;
    EXPECT_EQ(module.GetClassFactory(factory), AAXResult::kNotServed);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(module.CanUnloadNow(), 0);

    EXPECT_EQ(module.Startup(), AAXResult::kSuccess);
    EXPECT_EQ(module.Startup(), AAXResult::kSuccess);
    EXPECT_EQ(module.GetEnvironment().GetLedger().CountAddRefs("HostServices"), 1);
    EXPECT_EQ(module.Shutdown(), AAXResult::kSuccess);
    EXPECT_EQ(module.Shutdown(), AAXResult::kSuccess);
    VeltisTest::ExpectLedgerBalanced(module);
    EXPECT_EQ(module.Unload(), 0);
}

TEST(CHostModuleTest, ModuleExportsTheEntryPointsAndNothingElse)
{
    void* library = dlopen(kModulePath, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_NE(dlsym(library, "ACFRegisterPlugin"), nullptr);
    EXPECT_NE(dlsym(library, "ACFGetSDKVersion"), nullptr);
    // The interface library and the description inside the module stay hidden.
    EXPECT_EQ(dlsym(library, "_ZN11CACFUnknown18GetLiveObjectCountEv"), nullptr);
    EXPECT_EQ(dlsym(library, "_ZN9VeltisExt9AAXPlugin21GetEffectDescriptionsEP15AAX_ICollection"), nullptr);
    dlclose(library);
}

TEST(CHostModuleTest, LoadingAFileThatIsNoModuleFailsWithAMessage)
{
    VeltisTest::CTemporaryFolder folder;
    CHostModule module;
    EXPECT_FALSE(module.Load(folder.Join("missing.so")));
    EXPECT_NE(module.GetLastError().find("missing.so"), std::string::npos);
    EXPECT_FALSE(module.IsLoaded());
}

TEST(CHostModuleTest, RegistrationRecordsTheDescriptionInCallOrder)
{
    CLoadedModule loaded;
    const SModuleDescription& description = loaded.m_Module.GetDescription();
    const std::vector<std::string> kFirstCalls = {
        "Effect.AddName(Fixture Gain)", "Effect.AddName(FixGain)", "Effect.AddProcedure(0)", "Effect.AddProcedure(1)",
        "Component.AddPrivateData(0,4,1)", "Component.AddPrivateData(1,8,1)", "Component.AddAudioIn(2)",
        "Component.AddAudioOut(3)", "Component.AddAudioBufferLength(4)", "Component.AddMIDINode(5,0,Fixture,65535)",
        "Component.AddMIDINode(6,1,Fixture Out,65535)"};
    ASSERT_GE(description.m_Calls.size(), kFirstCalls.size());
    EXPECT_EQ(std::vector<std::string>(description.m_Calls.begin(), description.m_Calls.begin() + kFirstCalls.size()),
              kFirstCalls);
    EXPECT_EQ(description.m_Calls.back(), "Collection.SetPackageVersion(1)");

    ASSERT_EQ(description.m_Effects.size(), 1u);
    const SEffectDescription& effect = description.m_Effects[0];
    EXPECT_EQ(effect.m_EffectId, "org.veltis.test.fixture");
    EXPECT_EQ(effect.m_Names, (std::vector<std::string>{"Fixture Gain", "FixGain"}));
    ASSERT_EQ(effect.m_Procedures.size(), 2u);
    EXPECT_EQ(effect.m_Procedures[0].first, 0u);
    EXPECT_EQ(effect.m_Procedures[1].first, 1u);
    ASSERT_EQ(effect.m_Components.size(), 1u);
    const SComponentDescription& component = effect.m_Components[0];
    ASSERT_EQ(component.m_Fields.size(), 7u);
    EXPECT_EQ(component.m_Fields[1].m_Size, 8);
    EXPECT_EQ(component.m_Fields[6].m_NodeName, "Fixture Out");
    EXPECT_EQ(component.m_Properties, (PropertyList{{11, AAXFourCharCode("vtfx")}, {51, 0x00010002u}, {52, 0x00010002u}}));
    EXPECT_NE(component.m_RenderProcedure, nullptr);
    EXPECT_EQ(description.m_ManufacturerName, "Veltis Test");
    EXPECT_EQ(description.m_PackageNames, (std::vector<std::string>{"Fixture Gain"}));
    EXPECT_EQ(description.m_PackageVersion, 1u);
}

TEST(CHostModuleTest, LiveObjectsAreCountedUntilTheLastReleaseAndTeardownBalancesTheLedger)
{
    CLoadedModule loaded;
    {
        std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
        ASSERT_TRUE(instance);
        EXPECT_EQ(loaded.m_Module.CanUnloadNow(), 1);
        EXPECT_EQ(instance->OpenGUI(), AAXResult::kSuccess);
        EXPECT_EQ(loaded.m_Module.CanUnloadNow(), 2);
        EXPECT_EQ(instance->SetViewContainer(kAAXViewTypeNative), AAXResult::kSuccess);
        EXPECT_EQ(instance->GetRegisteredParameters(), (std::set<std::string>{"Gain"}));
        EXPECT_EQ(instance->GetController()->GetLatency(), 32);
        instance->Teardown();
        EXPECT_EQ(loaded.m_Module.CanUnloadNow(), 0);
        EXPECT_TRUE(instance->GetRegisteredParameters().empty());
    }
    EXPECT_EQ(loaded.m_Module.Unload(), 0);
    VeltisTest::ExpectLedgerBalanced(loaded.m_Module);
}

TEST(CHostModuleTest, PacketsPostedAtInitialisationAndAutomationReachTheNextRender)
{
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
    ASSERT_TRUE(instance);
    uint64_t processing = 0;
    memcpy(&processing, instance->GetController()->GetPrivateData(1), 8);
    EXPECT_EQ(processing, 0u);

    CStereoBlock first(16, 0.5f);
    instance->Render(first.m_Block);
    memcpy(&processing, instance->GetController()->GetPrivateData(1), 8);
    EXPECT_NE(processing, 0u);
    EXPECT_EQ(first.m_Out[1][15], 0.5f);

    EXPECT_EQ(instance->Automate("Gain", 0.25), AAXResult::kSuccess);
    EXPECT_EQ(instance->Automate("Nothing", 0.25), AAXResult::kParameterNotFound);
    CStereoBlock second(16, 0.5f);
    instance->Render(second.m_Block);
    EXPECT_EQ(second.m_Out[0][0], 0.125f);
}

TEST(CHostModuleTest, BlockSizesAndHostChannelCountsVaryFromCallToCall)
{
    struct Case {
        const char* what;
        int32_t inputs, outputs;
        float expectedLeft, expectedRight;
    };
    const Case kCases[] = {{"2 in, 2 out", 2, 2, 1.0f, 1.0f}, {"1 in, 2 out", 1, 2, 1.0f, 0.0f}, {"0 in, 2 out", 0, 2, 0.0f, 0.0f}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CLoadedModule loaded;
        std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance(Channels(c.inputs, c.outputs));
        ASSERT_TRUE(instance);
        for (int32_t frames : {0, 1, 7, 64, 0, 4096, 3}) {
            SCOPED_TRACE(frames);
            CStereoBlock block(frames, 1.0f, c.inputs, c.outputs);
            instance->Render(block.m_Block);
            if (frames == 0) {
                EXPECT_EQ(block.m_Out[0][0], -99.0f);
                continue;
            }
            EXPECT_EQ(block.m_Out[0][frames - 1], c.expectedLeft);
            EXPECT_EQ(block.m_Out[1][frames - 1], c.expectedRight);
        }
    }
}

TEST(CHostModuleTest, ABlockShortOfTheFormatsChannelBuffersIsRefused)
{
    struct Case {
        const char* what;
        int32_t inputs, outputs;
        bool nullInputs;
    };
    const Case kCases[] = {{"one input buffer", 1, 2, false}, {"one output buffer", 2, 1, false},
                           {"no input buffers", 2, 2, true}, {"no buffers at all", 0, 0, false}};
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance(Channels(2, 2));
    ASSERT_TRUE(instance);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CStereoBlock block(8, 1.0f, c.inputs, c.outputs);
        if (c.nullInputs)
            block.m_Block.m_Inputs = nullptr;
        EXPECT_EQ(instance->Render(block.m_Block), AAXResult::kHostObjectMissing);
        EXPECT_NE(instance->GetLastError().find("buffers"), std::string::npos) << instance->GetLastError();
        EXPECT_EQ(block.m_Out[0][0], -99.0f);
        EXPECT_EQ(block.m_Out[1][7], -99.0f);
    }
    CStereoBlock whole(8, 1.0f);
    EXPECT_EQ(instance->Render(whole.m_Block), AAXResult::kSuccess);
    EXPECT_EQ(whole.m_Out[1][7], 1.0f);
    CStereoBlock empty(0, 1.0f);
    EXPECT_EQ(instance->Render(empty.m_Block), AAXResult::kSuccess);
}

// A host makes and destroys instances for as long as it runs: what it made for one goes with it.
TEST(CHostModuleTest, InstancesMadeAndDestroyedInALoopKeepTheHeapFlat)
{
    CLoadedModule loaded;
    const auto cycle = [&loaded] {
        std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
        ASSERT_TRUE(instance);
        CStereoBlock block(64, 0.5f);
        EXPECT_EQ(instance->Render(block.m_Block), AAXResult::kSuccess);
        ASSERT_EQ(instance->OpenGUI(), AAXResult::kSuccess);
        EXPECT_EQ(instance->SetViewContainer(1), AAXResult::kSuccess);
        EXPECT_EQ(instance->CloseGUI(), AAXResult::kSuccess);
        instance->AnswerAutomationRequests();
    };
    cycle();
    const size_t before = VeltisTest::HeapInUse();
    for (int i = 0; i < 300; ++i)
        cycle();
    const size_t after = VeltisTest::HeapInUse();
    // Each instance held about 470 KiB before; a few bytes a cycle would still pass.
    EXPECT_LT(after, before + 1024 * 1024) << "grew by " << (after - before) << " bytes";
    EXPECT_EQ(loaded.m_Module.Unload(), 0);
    VeltisTest::ExpectLedgerBalanced(loaded.m_Module);
}

TEST(CHostModuleTest, NullContextsAndNullProcessingFieldsAreSkipped)
{
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> a = loaded.NewInitializedInstance();
    std::unique_ptr<CHostInstance> b = loaded.NewInitializedInstance();
    ASSERT_TRUE(a && b);
    b->SetNullProcessingField(true);
    CStereoBlock blockA(8, 1.0f), blockB(8, 1.0f);
    loaded.m_Module.RenderTogether({nullptr, a.get(), b.get(), nullptr}, {SAudioBlock(), blockA.m_Block, blockB.m_Block});
    EXPECT_EQ(blockA.m_Out[0][7], 1.0f);
    EXPECT_EQ(blockB.m_Out[0][7], -99.0f);
    a->Teardown();
    CStereoBlock afterTeardown(8, 1.0f);
    a->Render(afterTeardown.m_Block);
    EXPECT_EQ(afterTeardown.m_Out[0][0], -99.0f);
}

TEST(CHostModuleTest, MIDIIsDeliveredAndCollectedAndRenderThreadRequestsAreAnswered)
{
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
    ASSERT_TRUE(instance);
    instance->AnswerAutomationRequests();
    ASSERT_TRUE(instance->SetMIDIInput({MIDIPacket(0x90, 60, 100), MIDIPacket(0xB2, 7, 127), MIDIPacket(0xB0, 1, 5)}));
    CStereoBlock block(4, 1.0f);
    instance->Render(block.m_Block);

    const std::vector<AAXMIDIPacket> sent = instance->TakeMIDIOutput();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].m_Message[0], 0xB2);
    EXPECT_EQ(sent[1].m_Message[1], 1);
    EXPECT_TRUE(instance->TakeMIDIOutput().empty());

    const std::vector<SAutomationRequest> requests = instance->AnswerAutomationRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].m_Kind, SAutomationRequest::kTouch);
    EXPECT_EQ(requests[1].m_Kind, SAutomationRequest::kSetValue);
    EXPECT_EQ(requests[1].m_Value, 1.0);
    EXPECT_EQ(requests[2].m_Kind, SAutomationRequest::kRelease);
    double gain = 0;
    EXPECT_EQ(instance->GetEffect()->GetParameterNormalizedValue("Gain", &gain), AAXResult::kSuccess);
    EXPECT_EQ(gain, 1.0);

    ASSERT_TRUE(instance->SetMIDIInput({}));
    instance->Render(block.m_Block);
    EXPECT_TRUE(instance->TakeMIDIOutput().empty());
}

TEST(CHostModuleTest, ChunksRoundTripThroughFilesAndDamagedFilesAreRefused)
{
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
    ASSERT_TRUE(instance);
    std::vector<uint32_t> ids;
    ASSERT_EQ(instance->GetChunkIds(ids), AAXResult::kSuccess);
    ASSERT_EQ(ids, (std::vector<uint32_t>{AAXFourCharCode("fxst")}));

    instance->Automate("Gain", 0.75);
    std::vector<unsigned char> saved;
    ASSERT_EQ(instance->SaveChunk(ids[0], saved), AAXResult::kSuccess);
    ASSERT_GT(saved.size(), kAAXChunkHeaderSize);
    uint32_t identifier = 0;
    memcpy(&identifier, saved.data() + 20, 4);
    EXPECT_EQ(identifier, ids[0]);

    VeltisTest::CTemporaryFolder folder;
    std::string error;
    ASSERT_TRUE(SaveChunkFile(folder.Join("state.chunk"), saved, error)) << error;
    std::vector<unsigned char> loadedChunk;
    ASSERT_TRUE(LoadChunkFile(folder.Join("state.chunk"), loadedChunk, error)) << error;
    EXPECT_EQ(loadedChunk, saved);

    instance->Automate("Gain", 0.5);
    bool equal = true;
    EXPECT_EQ(instance->CompareChunk(loadedChunk, equal), AAXResult::kSuccess);
    EXPECT_FALSE(equal);
    EXPECT_EQ(instance->RestoreChunk(loadedChunk), AAXResult::kSuccess);
    EXPECT_EQ(instance->CompareChunk(loadedChunk, equal), AAXResult::kSuccess);
    EXPECT_TRUE(equal);
    std::vector<unsigned char> again;
    ASSERT_EQ(instance->SaveChunk(ids[0], again), AAXResult::kSuccess);
    EXPECT_EQ(again, saved);

    struct Damage {
        const char* what;
        size_t keep;
        int32_t declared;
    };
    const Damage kDamages[] = {{"shorter than a header", 20, 0},
                               {"declares more than it holds", saved.size(), int32_t(saved.size())},
                               {"declares a negative size", saved.size(), -1}};
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        std::vector<unsigned char> damaged(saved.begin(), saved.begin() + d.keep);
        if (damaged.size() >= 4)
            memcpy(damaged.data(), &d.declared, 4);
        ASSERT_TRUE(SaveChunkFile(folder.Join("damaged.chunk"), damaged, error));
        std::vector<unsigned char> refused = {1};
        EXPECT_FALSE(LoadChunkFile(folder.Join("damaged.chunk"), refused, error));
        EXPECT_NE(error.find("damaged.chunk"), std::string::npos) << error;
        EXPECT_TRUE(refused.empty());
        EXPECT_EQ(instance->RestoreChunk(damaged), AAXResult::kHostObjectMissing);
        EXPECT_FALSE(instance->GetLastError().empty());
    }
    EXPECT_FALSE(LoadChunkFile(folder.Join("none.chunk"), loadedChunk, error));
}

TEST(CHostModuleTest, AFailedChunkFileSaveLeavesThePreviousChunk)
{
    CLoadedModule loaded;
    std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
    ASSERT_TRUE(instance);
    std::vector<unsigned char> saved;
    ASSERT_EQ(instance->SaveChunk(AAXFourCharCode("fxst"), saved), AAXResult::kSuccess);
    VeltisTest::CTemporaryFolder folder;
    const std::string path = folder.Join("state.chunk");
    std::string error;
    ASSERT_TRUE(SaveChunkFile(path, saved, error)) << error;

    std::vector<unsigned char> larger(kAAXChunkHeaderSize + (1 << 16), 'p');
    const int32_t declared = 1 << 16;
    memcpy(larger.data(), &declared, sizeof declared);
    // A file-size limit holds for the whole process, so the failing save runs in a child; there the
    // write fails part-way, as on a full disk.
    EXPECT_EXIT(
        {
            rlimit limit;
            limit.rlim_cur = limit.rlim_max = 4096;
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limit);
            std::string childError;
            std::_Exit(SaveChunkFile(path, larger, childError) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    std::vector<unsigned char> loadedChunk;
    ASSERT_TRUE(LoadChunkFile(path, loadedChunk, error)) << error;
    EXPECT_EQ(loadedChunk, saved);
    EXPECT_EQ(instance->RestoreChunk(loadedChunk), AAXResult::kSuccess);
}

TEST(CHostModuleTest, EachInjectedFaultGivesItsResultAndLeavesNothingBehind)
{
    struct Case {
        const char* what;
        void (*inject)(SHostFaults&);
        int32_t startup, registration;
    };
    const Case kCases[] = {
        {"null host unknown", [](SHostFaults& f) { f.m_NullHostUnknown = true; }, 0, AAXResult::kHostObjectMissing},
        {"no component factory", [](SHostFaults& f) { f.m_NoComponentFactory = true; }, 0, AAXResult::kHostObjectMissing},
        {"null component factory", [](SHostFaults& f) { f.m_NullComponentFactory = true; }, AAXResult::kUnexpected,
         AAXResult::kUnexpected},
        {"no collection", [](SHostFaults& f) { f.m_NullObjectForClass = true; f.m_FaultyClass = AAXIdentifiers::kCollectionClass; },
         0, AAXResult::kHostObjectMissing},
        {"no effect descriptor",
         [](SHostFaults& f) { f.m_RefuseClass = true; f.m_FaultyClass = AAXIdentifiers::kEffectDescriptorClass; }, 0,
         AAXResult::kHostObjectMissing},
        {"no host services",
         [](SHostFaults& f) { f.m_RefuseClass = true; f.m_FaultyClass = AAXIdentifiers::kHostServicesClass; }, 0, 0},
        {"no second versions", [](SHostFaults& f) { f.m_NoSecondVersions = true; }, 0, 0},
        {"AddEffect fails", [](SHostFaults& f) { f.m_AddEffectResult = -12345; }, 0, -12345},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        SHostFaults faults;
        c.inject(faults);
        CHostModule module(faults);
        ASSERT_TRUE(module.Load(kModulePath)) << module.GetLastError();
        EXPECT_EQ(module.Startup(), c.startup);
        EXPECT_EQ(module.Register(), c.registration);
        EXPECT_EQ(module.Unload(), 0);
        VeltisTest::ExpectLedgerBalanced(module);
    }
}

TEST(CHostModuleTest, InstanceFaultsGiveTheirResultsAndLeaveNothingBehind)
{
    {
        SHostFaults faults;
        faults.m_NoController = true;
        CLoadedModule loaded(faults);
        std::unique_ptr<CHostInstance> instance = loaded.m_Module.CreateInstance();
        ASSERT_TRUE(instance);
        EXPECT_EQ(instance->Initialize(SInstanceSettings()), AAXResult::kHostObjectMissing);
        EXPECT_FALSE(instance->IsRendering());
        instance.reset();
        EXPECT_EQ(loaded.m_Module.Unload(), 0);
        VeltisTest::ExpectLedgerBalanced(loaded.m_Module);
    }
    {
        SHostFaults faults;
        faults.m_NoAutomationDelegate = true;
        faults.m_NullPacketBuffer = true;
        CLoadedModule loaded(faults);
        std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
        ASSERT_TRUE(instance);
        ASSERT_TRUE(instance->SetMIDIInput({MIDIPacket(0xB0, 7, 10)}));
        CStereoBlock block(4, 1.0f);
        instance->Render(block.m_Block);
        EXPECT_EQ(block.m_Out[0][3], 1.0f);
        EXPECT_TRUE(instance->TakeMIDIOutput().empty());
        EXPECT_TRUE(instance->AnswerAutomationRequests().empty());
        instance.reset();
        EXPECT_EQ(loaded.m_Module.Unload(), 0);
        VeltisTest::ExpectLedgerBalanced(loaded.m_Module);
    }
}

TEST(CHostModuleTest, RepeatedInstancesTearDownCleanly)
{
    CLoadedModule loaded;
    for (int round = 0; round < 10; ++round) {
        std::unique_ptr<CHostInstance> instance = loaded.NewInitializedInstance();
        ASSERT_TRUE(instance);
        CStereoBlock block(32, 1.0f);
        instance->Render(block.m_Block);
        EXPECT_EQ(instance->OpenGUI(), AAXResult::kSuccess);
        EXPECT_EQ(instance->SetViewContainer(kAAXViewTypeNative), AAXResult::kSuccess);
    }
    EXPECT_EQ(loaded.m_Module.Unload(), 0);
    VeltisTest::ExpectLedgerBalanced(loaded.m_Module);
}
