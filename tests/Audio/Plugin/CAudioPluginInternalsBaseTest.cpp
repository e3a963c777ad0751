#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/CAudioPluginXMLPresets.h"
#include "Veltis/Audio/Plugin/IPreset.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/IParamValueToText.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "support/CAllocationCounter.h"
#include "support/CCountingCommand.h"
#include "support/CFailingWriteStream.h"
#include "support/CTemporaryFolder.h"
#include "support/PluginCoreSupport.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace Veltis::Audio::Plugin;
using Veltis::Serialization::CMemDataObject;
using Veltis::Serialization::CXmlDataObject;
using VeltisTest::CCountingCommand;
using VeltisTest::CTestCore;
using VeltisTest::CTestGUI;
using VeltisTest::CTestProcessor;

namespace {

std::string TextOf(const Veltis::DataModel::Objects::IConstParamInfo& info, float value)
{
    char* text = nullptr;
    info.GetValueToText()->ToText(&text, value);
    const std::string result = text ? text : "";
    delete[] text;
    return result;
}

typedef VeltisTest::CPluginCoreTest PluginCoreTest;

// Enables input setting index with the given channel in a copy of the global input defaults.
void EnableDefaultInput(CAudioPluginDefaultSettings& defaults, int inputs, int index, int channel)
{
    CMIDICCSettings list(inputs);
    defaults.CopyInputCCSettingsTo(list);
    list.GetAt(index).Enable(true);
    list.GetAt(index).SetChannel(channel);
    defaults.SetInputCCSettings(list);
}

TEST_F(PluginCoreTest, ProcessorWithoutInputsGivesExactlyBypass)
{
    CTestCore core(m_Settings, new CTestProcessor(0, 0));
    const auto& inputs = core->GetInputParamsInfo();
    ASSERT_EQ(inputs.GetCount(), 1);
    const auto& bypass = inputs.GetAt(0);
    EXPECT_STREQ(bypass.GetName(), "Bypass");
    EXPECT_EQ(bypass.GetType(), 0);
    EXPECT_EQ(bypass.GetMin(), 0.0f);
    EXPECT_EQ(bypass.GetMax(), 1.0f);
    EXPECT_EQ(bypass.GetDefault(), 0.0f);
    EXPECT_EQ(TextOf(bypass, 0.0f), "Off");
    EXPECT_EQ(TextOf(bypass, 1.0f), "On");
    EXPECT_EQ(core->GetMIDIController().GetInputCCSettings().GetCount(), 1);
    EXPECT_EQ(core->GetMIDIController().GetOutputCCSettings().GetCount(), 0);
    EXPECT_EQ(core->GetMIDIController().GetAutomationSettings().GetCount(), 0);
}

TEST_F(PluginCoreTest, ConstructionPutsBypassFirstAndSizesTheSettings)
{
    CTestCore core(m_Settings, new CTestProcessor(3, 2));
    const auto& inputs = core->GetInputParamsInfo();
    ASSERT_EQ(inputs.GetCount(), 4);
    EXPECT_STREQ(inputs.GetAt(0).GetName(), "Bypass");
    EXPECT_STREQ(inputs.GetAt(1).GetName(), "P0");
    EXPECT_STREQ(inputs.GetAt(3).GetName(), "P2");
    EXPECT_EQ(core->GetOutputParamsInfo().GetCount(), 2);
    const IMIDIController& controller = core->GetMIDIController();
    EXPECT_EQ(controller.GetInputCCSettings().GetCount(), 4);
    EXPECT_EQ(controller.GetOutputCCSettings().GetCount(), 2);
    EXPECT_EQ(controller.GetAutomationSettings().GetCount(), 2);
    EXPECT_TRUE(core->GetMIDIInputDefault().GetValue());
    EXPECT_TRUE(core->GetMIDIOutputDefault().GetValue());
    EXPECT_TRUE(core->GetAutomationOutputDefault().GetValue());
    EXPECT_STREQ(core->GetProgramName(), "User");
    EXPECT_STREQ(core->GetProductInfo().GetName(), "TestProcessor");
    // The global defaults of 4 inputs: channel 0 and number i.
    EXPECT_EQ(controller.GetInputCCSettings().GetAt(3).GetNumber(), 3);
}

TEST_F(PluginCoreTest, GivenProductIdentityIsCopied)
{
    std::unique_ptr<CAudioPluginInternalsBase> core;
    {
        const Veltis::DataModel::Objects::CProductInfo identity("EQ", "2.1", "(c)", "");
        core.reset(new CAudioPluginInternalsBase(new CTestProcessor(1, 0), nullptr, &identity, m_Settings, 50.0));
    }
    EXPECT_STREQ(core->GetProductInfo().GetName(), "EQ");
    EXPECT_STREQ(core->GetProductInfo().GetVersion(), "2.1");
}

TEST_F(PluginCoreTest, DefaultRefreshRateAppliesWithoutSettingsFileToBothSyncs)
{
    CTestProcessor* processor = new CTestProcessor(1, 0);
    processor->m_HasSync = true;
    CTestCore core(m_Settings, processor, new CTestGUI(), 30.0);
    EXPECT_EQ(Defaults().GetOutputRefreshRate(), 30.0);
    EXPECT_EQ(processor->m_Sync.GetRefreshRate(), 30.0);
    EXPECT_EQ(core->GetOutputDataSync(), &processor->m_Sync);
}

TEST_F(PluginCoreTest, SecondCoreKeepsLoadedSettingsAndCopiesCurrentDefaults)
{
    CTestCore first(m_Settings, new CTestProcessor(2, 1));
    EnableDefaultInput(Defaults(), 3, 2, 5);
    // A file written now is not read again: the settings were loaded once, by the first core.
    {
        std::ofstream file(m_Folder.Join("global.pref"));
        file << "<?xml version=\"1.0\" ?><GlobalSettings><version>3</version>"
                "<outputRefreshRate>7</outputRefreshRate></GlobalSettings>";
    }
    CTestCore second(m_Settings, new CTestProcessor(2, 1), new CTestGUI(), 25.0);
    EXPECT_EQ(second->GetOutputDataSync()->GetRefreshRate(), 50.0);
    const IMIDICCSetting& setting = second->GetMIDIController().GetInputCCSettings().GetAt(2);
    EXPECT_TRUE(setting.IsEnabled());
    EXPECT_EQ(setting.GetChannel(), 5);
    // The file itself is readable: a configuration of its own loads it.
    VeltisTest::CTestPluginConfig fresh;
    CTestCore third(fresh, new CTestProcessor(2, 1));
    EXPECT_EQ(third->GetOutputDataSync()->GetRefreshRate(), 7.0);
}

TEST(GetChannelCountsTest, SideWithoutChannelsTakesTheOther)
{
    struct Case {
        int inputs, outputs, expectedInputs, expectedOutputs;
    };
    const Case kCases[] = {{0, 0, 2, 2}, {0, 2, 2, 2}, {1, 0, 1, 1}, {1, 2, 1, 2}, {2, 2, 2, 2}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.inputs) + "/" + std::to_string(c.outputs));
        const Veltis::Audio::DSP::CProcessInfo info(c.inputs, c.outputs);
        int inputs = -1;
        int outputs = -1;
        GetChannelCounts(info, inputs, outputs);
        EXPECT_EQ(inputs, c.expectedInputs);
        EXPECT_EQ(outputs, c.expectedOutputs);
    }
}

TEST_F(PluginCoreTest, ConnectionsAreNullBeforeConnectAndEachGetterGivesItsOwnObject)
{
    CTestCore core(m_Settings, new CTestProcessor(2, 1, 2, 1, 1));
    const IPluginGUIConnections& record = core->GetConnections();
    EXPECT_EQ(record.GetProductInfo(), nullptr);
    EXPECT_EQ(record.GetProcessInfo(), nullptr);
    EXPECT_EQ(record.GetInputParams(), nullptr);
    EXPECT_EQ(record.GetOutputParams(), nullptr);
    EXPECT_EQ(record.GetOutputCurves(), nullptr);
    EXPECT_EQ(record.GetOutputStrings(), nullptr);
    EXPECT_EQ(record.GetOutputSurfaces(), nullptr);
    EXPECT_EQ(record.GetModel(), nullptr);
    EXPECT_EQ(record.GetPluginState(), nullptr);
    EXPECT_EQ(record.GetHistory(), nullptr);
    EXPECT_EQ(record.GetMIDIController(), nullptr);
    EXPECT_EQ(record.GetDefaultSettings(), nullptr);
    EXPECT_EQ(record.GetMIDIInputDefault(), nullptr);
    EXPECT_EQ(record.GetMIDIOutputDefault(), nullptr);
    EXPECT_EQ(record.GetAutomationOutputDefault(), nullptr);
    EXPECT_EQ(record.GetPresets(), nullptr);
    EXPECT_EQ(record.GetDataPath(), nullptr);
    EXPECT_FALSE(core->IsConnected());

    core.Connect();
    EXPECT_EQ(record.GetProductInfo(), &core->GetProductInfo());
    EXPECT_EQ(record.GetProcessInfo(), &core.m_Processor->GetProcessInfo());
    EXPECT_EQ(record.GetInputParams(), &core.m_Inputs);
    EXPECT_EQ(record.GetOutputParams(), &core.m_Outputs);
    EXPECT_EQ(record.GetOutputCurves(), &core->GetOutputCurves());
    EXPECT_EQ(record.GetOutputStrings(), &core->GetOutputStrings());
    EXPECT_EQ(record.GetOutputSurfaces(), &core->GetOutputSurfaces());
    EXPECT_EQ(record.GetModel(), &core->GetModel());
    EXPECT_EQ(record.GetPluginState(), &*core);
    EXPECT_EQ(record.GetHistory(), &core->GetHistory());
    EXPECT_EQ(record.GetMIDIController(), &core->GetMIDIController());
    EXPECT_EQ(record.GetDefaultSettings(), &Defaults());
    EXPECT_EQ(record.GetMIDIInputDefault(), &core->GetMIDIInputDefault());
    EXPECT_EQ(record.GetMIDIOutputDefault(), &core->GetMIDIOutputDefault());
    EXPECT_EQ(record.GetAutomationOutputDefault(), &core->GetAutomationOutputDefault());
    EXPECT_EQ(record.GetPresets(), &core->GetPresets());
    EXPECT_EQ(record.GetDataPath(), &m_Settings.GetDataPath());
    EXPECT_TRUE(core->IsConnected());
    EXPECT_EQ(core->GetModel().GetConnections().GetOutputCurves(), record.GetOutputCurves());
    EXPECT_EQ(core->GetModel().GetConnections().GetPresets(), record.GetPresets());
    ASSERT_EQ(core.m_GUI->m_ConnectionsLog.size(), 1u);
    EXPECT_EQ(core.m_GUI->m_ConnectionsLog[0], &record);
}

TEST(CGUIConnectionsTest, CopyTakesEachGetterIntoItsOwnMember)
{
    // Distinct addresses, never dereferenced, so that a swapped pair shows.
    char slots[17];
    CGUIConnections source;
    int i = 0;
    auto next = [&](auto*& member) { member = reinterpret_cast<std::remove_reference_t<decltype(member)>>(&slots[i++]); };
    next(source.m_ProductInfo);
    next(source.m_ProcessInfo);
    next(source.m_InputParams);
    next(source.m_OutputParams);
    next(source.m_OutputStrings);
    next(source.m_OutputCurves);
    next(source.m_OutputSurfaces);
    next(source.m_Model);
    next(source.m_PluginState);
    next(source.m_History);
    next(source.m_MIDIController);
    next(source.m_DefaultSettings);
    next(source.m_MIDIInputDefault);
    next(source.m_MIDIOutputDefault);
    next(source.m_AutomationOutputDefault);
    next(source.m_DataPath);
    next(source.m_Presets);
    EXPECT_EQ(static_cast<const void*>(source.GetOutputStrings()), &slots[4]);
    EXPECT_EQ(static_cast<const void*>(source.GetOutputCurves()), &slots[5]);
    EXPECT_EQ(static_cast<const void*>(source.GetDataPath()), &slots[15]);
    EXPECT_EQ(static_cast<const void*>(source.GetPresets()), &slots[16]);

    CGUIConnections copy;
    copy.CopyFrom(&source);
    EXPECT_EQ(copy.GetOutputStrings(), source.GetOutputStrings());
    EXPECT_EQ(copy.GetOutputCurves(), source.GetOutputCurves());
    EXPECT_EQ(copy.GetDataPath(), source.GetDataPath());
    EXPECT_EQ(copy.GetPresets(), source.GetPresets());
    EXPECT_EQ(copy.GetAutomationOutputDefault(), source.GetAutomationOutputDefault());
    EXPECT_EQ(copy.GetProductInfo(), source.GetProductInfo());
    copy.CopyFrom(nullptr);
    EXPECT_EQ(copy.GetPresets(), nullptr);
    EXPECT_EQ(copy.GetProductInfo(), nullptr);
}

TEST_F(PluginCoreTest, DisconnectAndDestructorDetachEditorAndModelTwiceWithoutHarm)
{
    bool deleted = false;
    std::vector<IPluginGUIConnections*> log;
    {
        CTestCore core(m_Settings, new CTestProcessor(1, 0));
        core.m_GUI->m_Deleted = &deleted;
        core.Connect();
        core->Disconnect();
        EXPECT_EQ(core->GetModel().GetConnections().GetInputParams(), nullptr);
        // The record keeps its pointers.
        EXPECT_EQ(core->GetConnections().GetInputParams(), &core.m_Inputs);
        log = core.m_GUI->m_ConnectionsLog;
    }
    EXPECT_TRUE(deleted);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], nullptr);
}

TEST_F(PluginCoreTest, CoreWithoutEditorStoresAnEmptyEditorState)
{
    CAudioPluginInternalsBase core(new CTestProcessor(1, 0), nullptr, nullptr, m_Settings, 50.0);
    CMemDataObject state;
    EXPECT_TRUE(core.Serialize(state));
    EXPECT_TRUE(state.Exists("GUI"));
    EXPECT_TRUE(core.DeSerialize(state));
}

TEST_F(PluginCoreTest, SampleRateReachesSyncBypassAndProcessorWithFlagUnchanged)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0));
    for (bool flag : {true, false}) {
        bool apply = flag;
        core->SetSampleRate(48000.0, apply);
        EXPECT_EQ(apply, flag);
        EXPECT_EQ(core.m_Processor->m_LastRate, 48000.0);
        EXPECT_EQ(core.m_Processor->m_LastApply, flag);
        // The counter is preset so that the first block refreshes.
        EXPECT_TRUE(core->GetOutputDataSync()->IsRefreshNeeded());
    }
    // A transition time was set: a switch fades.
    core->GetBypassManager().SetBypass(true);
    EXPECT_TRUE(core->GetBypassManager().IsFading());
}

TEST_F(PluginCoreTest, BlocksAreCountedOnlyWhenTheProcessorHasNoSyncOfItsOwn)
{
    CTestCore plain(m_Settings, new CTestProcessor(1, 0));
    bool apply = false;
    plain->SetSampleRate(1000.0, apply);
    plain->GetOutputDataSync()->Reset();
    plain->OnBlockProcessed(19);
    EXPECT_FALSE(plain->GetOutputDataSync()->IsRefreshNeeded());
    plain->OnBlockProcessed(1);
    EXPECT_TRUE(plain->GetOutputDataSync()->IsRefreshNeeded());

    CTestProcessor* processor = new CTestProcessor(1, 0);
    processor->m_HasSync = true;
    CTestCore own(m_Settings, processor);
    own->SetSampleRate(1000.0, apply);
    processor->m_Sync.SetSampleRate(1000.0);
    processor->m_Sync.Reset();
    own->OnBlockProcessed(100);
    EXPECT_FALSE(processor->m_Sync.IsRefreshNeeded());
}

// Counts the multi-thread announcements of every output factory of a core.
class CAnnouncements {
public:
    explicit CAnnouncements(CAudioPluginInternalsBase& core) : m_Core(core)
    {
        Watch(m_Curves, core.GetOutputCurves());
        Watch(m_Strings, core.GetOutputStrings());
        Watch(m_Surfaces, core.GetOutputSurfaces());
    }
    ~CAnnouncements()
    {
        Unwatch(m_Curves, m_Core.GetOutputCurves());
        Unwatch(m_Strings, m_Core.GetOutputStrings());
        Unwatch(m_Surfaces, m_Core.GetOutputSurfaces());
    }
    std::vector<std::unique_ptr<CCountingCommand>> m_Curves, m_Strings, m_Surfaces;

private:
    template <class F>
    static void Watch(std::vector<std::unique_ptr<CCountingCommand>>& counters, const F& factories)
    {
        for (int i = 0; i < factories.GetCount(); ++i) {
            counters.emplace_back(new CCountingCommand(i));
            const_cast<F&>(factories).GetFactory(i).GetValueChangedEvent().AddListener(*counters.back());
        }
    }
    template <class F>
    static void Unwatch(std::vector<std::unique_ptr<CCountingCommand>>& counters, const F& factories)
    {
        for (int i = 0; i < factories.GetCount(); ++i)
            const_cast<F&>(factories).GetFactory(i).GetValueChangedEvent().RemoveListener(counters[i].get());
    }
    CAudioPluginInternalsBase& m_Core;
};

float ValueAtOrigin(const Veltis::Math::IFunction& curve) { return curve.GetValue(0.0f); }
float ValueAtOrigin(const Veltis::Math::IBinaryFunction& surface) { return surface.GetValue(0.0f, 0.0f); }

// The value at the origin of a reader's copy of a published curve or surface; -1 without one.
template <class F>
float PublishedValue(const F& factories, int index)
{
    auto* copy = factories.GetAt(index).CreateValue();
    const float value = copy ? ValueAtOrigin(*copy) : -1.0f;
    delete copy;
    return value;
}

std::string PublishedText(const CAudioPluginInternalsBase::COutputStrings& factories, int index)
{
    char* copy = factories.GetAt(index).CreateValue();
    const std::string text = copy ? copy : "(null)";
    delete[] copy;
    return text;
}

TEST_F(PluginCoreTest, DirtyCurveIsPublishedAndAnnouncedOnceAndCleanCurveIsLeftAlone)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0, 2));
    CAnnouncements announced(*core);
    core.m_Processor->SetCurve(0, 3.0f);
    core->PublishOutputs();
    EXPECT_EQ(PublishedValue(core->GetOutputCurves(), 0), 3.0f);
    EXPECT_EQ(announced.m_Curves[0]->GetCount(), 1);
    EXPECT_EQ(announced.m_Curves[1]->GetCount(), 0);
    EXPECT_FALSE(core.m_Processor->m_CurvesDirty.GetAt(0).IsDirty());

    // A changed function whose flag is clear is not a change.
    core.m_Processor->m_Curves.At(1).SetValue(9.0f);
    core->PublishOutputs();
    EXPECT_EQ(PublishedValue(core->GetOutputCurves(), 1), 0.0f);
    EXPECT_EQ(announced.m_Curves[0]->GetCount(), 1);
    EXPECT_EQ(announced.m_Curves[1]->GetCount(), 0);
}

TEST_F(PluginCoreTest, StringsArePublishedOnTextChangesOnly)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0, 0, 1));
    CAnnouncements announced(*core);
    char first[] = "-3.0 dB";
    char sameText[] = "-3.0 dB";
    struct Step {
        const char* text;
        const char* published;
        int announcements;
    };
    const Step kSteps[] = {
        {first, "-3.0 dB", 1}, {sameText, "-3.0 dB", 1}, {nullptr, "(null)", 2}, {nullptr, "(null)", 2},
        {first, "-3.0 dB", 3},
    };
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.published);
        core.m_Processor->m_Strings.Set(0, step.text);
        core->PublishOutputs();
        EXPECT_EQ(PublishedText(core->GetOutputStrings(), 0), step.published);
        EXPECT_EQ(announced.m_Strings[0]->GetCount(), step.announcements);
    }
}

TEST_F(PluginCoreTest, ListenerOfCurveZeroSeesTheSurfaceOfTheSamePass)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0, 1, 0, 1));
    float seen = -1.0f;
    struct CReader : Veltis::Core::ICommand {
        void Execute() override { *m_Seen = PublishedValue(m_Core->GetOutputSurfaces(), 0); }
        CAudioPluginInternalsBase* m_Core;
        float* m_Seen;
    } reader;
    reader.m_Core = &*core;
    reader.m_Seen = &seen;
    auto& curves = const_cast<CAudioPluginInternalsBase::COutputCurves&>(core->GetOutputCurves());
    curves.GetFactory(0).GetValueChangedEvent().AddListener(reader);
    core.m_Processor->SetCurve(0, 1.0f);
    core.m_Processor->SetSurface(0, 4.0f);
    core->PublishOutputs();
    curves.GetFactory(0).GetValueChangedEvent().RemoveListener(&reader);
    EXPECT_EQ(seen, 4.0f);
}

TEST_F(PluginCoreTest, PublishingWithoutChangesAllocatesNothing)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0, 3, 2, 1));
    core.m_Processor->m_Strings.Set(0, "text");
    core->PublishOutputs();
    long count = -1;
    {
        VeltisTest::CAllocationCounter counter;
        core->PublishOutputs();
        core->PublishOutputs();
        count = counter.GetCount();
    }
    EXPECT_EQ(count, 0);
}

TEST_F(PluginCoreTest, StateKeysFollowTheDocumentOrder)
{
    CTestCore core(m_Settings, new CTestProcessor(2, 1));
    core->GetMIDIInputDefault().SetValue(false);
    core->GetMIDIOutputDefault().SetValue(false);
    core->GetAutomationOutputDefault().SetValue(false);
    VeltisTest::CFailingWriteStream unconnected;
    EXPECT_TRUE(core->Serialize(unconnected));
    const std::vector<std::string> kWithout = {"version",           "progName",           "MIDIInputDefault",
                                               "MIDIInputSettings", "MIDIOutputDefault",  "MIDIOutputSettings",
                                               "GUI",               "model",              "AutomationOutputDefault",
                                               "AutomationOutputSettings"};
    EXPECT_EQ(unconnected.GetNames(), kWithout);

    core.Connect();
    VeltisTest::CFailingWriteStream connected;
    EXPECT_TRUE(core->Serialize(connected));
    std::vector<std::string> expected = kWithout;
    expected.insert(expected.begin() + 2, {"bypass", "inputParams"});
    EXPECT_EQ(connected.GetNames(), expected);

    // A failed write is reported, and the keys after it are still written.
    VeltisTest::CFailingWriteStream failing({"progName"});
    EXPECT_FALSE(core->Serialize(failing));
    EXPECT_EQ(failing.GetNames(), expected);

    core->GetMIDIInputDefault().SetValue(true);
    core->GetMIDIOutputDefault().SetValue(true);
    core->GetAutomationOutputDefault().SetValue(true);
    VeltisTest::CFailingWriteStream defaults;
    EXPECT_TRUE(core->Serialize(defaults));
    EXPECT_EQ(defaults.GetNames(), (std::vector<std::string>{"version", "progName", "bypass", "inputParams",
                                                         "MIDIInputDefault", "MIDIOutputDefault", "GUI", "model",
                                                         "AutomationOutputDefault"}));
}

TEST_F(PluginCoreTest, StateRoundTripsThroughTextByteForByte)
{
    CTestCore source(m_Settings, new CTestProcessor(3, 2));
    source.Connect();
    source.m_Inputs.Param(0).SetValue(1.0f);
    source.m_Inputs.Param(2).SetValue(-7.25f);
    source->SetProgramName("Warm & <bright>");
    source.m_GUI->m_Width = 640;
    source->GetMIDIInputDefault().SetValue(false);
    source->GetMIDIController().GetInputCCSettings().GetAt(1).SetChannel(9);
    source->GetAutomationOutputDefault().SetValue(false);
    source->GetMIDIController().GetAutomationSettings().GetAt(1).Enable(true);
    const std::string text = SaveText(*source);

    CTestCore target(m_Settings, new CTestProcessor(3, 2));
    target.Connect();
    LoadStateText(*target, text);
    EXPECT_EQ(target.m_Inputs.Param(0).GetValue(), 1.0f);
    EXPECT_EQ(target.m_Inputs.Param(1).GetValue(), 0.0f);
    EXPECT_EQ(target.m_Inputs.Param(2).GetValue(), -7.25f);
    EXPECT_EQ(target.m_Inputs.Param(3).GetValue(), 1.0f);
    EXPECT_STREQ(target->GetProgramName(), "Warm & <bright>");
    EXPECT_EQ(target.m_GUI->m_Width, 640);
    EXPECT_FALSE(target->GetMIDIInputDefault().GetValue());
    EXPECT_TRUE(target->GetMIDIOutputDefault().GetValue());
    EXPECT_FALSE(target->GetAutomationOutputDefault().GetValue());
    EXPECT_EQ(target->GetMIDIController().GetInputCCSettings().GetAt(1).GetChannel(), 9);
    EXPECT_TRUE(target->GetMIDIController().GetAutomationSettings().GetAt(1).IsEnabled());
    EXPECT_EQ(SaveText(*target), text);
}

TEST_F(PluginCoreTest, EmptyDocumentResetsEverythingToDefaults)
{
    CTestCore core(m_Settings, new CTestProcessor(2, 1));
    core.Connect();
    core.m_Inputs.Param(0).SetValue(1.0f);
    core.m_Inputs.Param(1).SetValue(5.0f);
    core.m_GUI->m_Width = 3;
    core->GetMIDIInputDefault().SetValue(false);
    core->GetAutomationOutputDefault().SetValue(false);
    core->GetMIDIController().GetInputCCSettings().GetAt(1).SetChannel(12);
    CCountingCommand flagChanged;
    core->GetMIDIInputDefault().GetValueChangedEvent().AddListener(flagChanged);
    const int readsBefore = core.m_GUI->m_Reads;

    CMemDataObject empty;
    EXPECT_TRUE(core->DeSerialize(empty));
    core->GetMIDIInputDefault().GetValueChangedEvent().RemoveListener(&flagChanged);
    EXPECT_STREQ(core->GetProgramName(), "Default");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(2).GetValue(), 0.5f);
    EXPECT_TRUE(core->GetMIDIInputDefault().GetValue());
    EXPECT_TRUE(core->GetAutomationOutputDefault().GetValue());
    EXPECT_EQ(flagChanged.GetCount(), 1);
    EXPECT_EQ(core->GetMIDIController().GetInputCCSettings().GetAt(1).GetChannel(), 0);
    EXPECT_EQ(core.m_GUI->m_Reads, readsBefore + 1);
    EXPECT_EQ(core.m_GUI->m_Width, 0);
}

TEST_F(PluginCoreTest, MissingParameterValuesTakeTheirDefaults)
{
    CTestCore core(m_Settings, new CTestProcessor(10, 0));
    core.Connect();
    std::string values = VeltisTest::Element("paramCount", "10");
    for (int i = 0; i < 10; ++i)
        if (i != 7)
            values += VeltisTest::Element("param" + std::to_string(i), "-1");
    LoadBody(*core, "<version>2</version><inputParams>" + values + "</inputParams>");
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(core.m_Inputs.Param(i).GetValue(), i == 8 ? 3.5f : -1.0f);
    }
}

TEST_F(PluginCoreTest, StoredValuesThatAreNotNumbersTakeTheDefaults)
{
    CTestCore core(m_Settings, new CTestProcessor(3, 0));
    core.Connect();
    core.m_Inputs.Param(0).SetValue(1.0f);
    core.m_Inputs.Param(2).SetValue(7.0f);
    // Texts that do not parse, in a document.
    LoadBody(*core, "<bypass>yes</bypass><inputParams><paramCount>3</paramCount><param0>loud</param0>"
                    "<param1>1e999x</param1><param2></param2></inputParams>");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(core.m_Inputs.Param(i).GetValue(), (i - 1) * 0.5f);
    }
    // Texts that the number reader takes for numbers that are not finite.
    for (const char* text : {"nan", "NaN", "-nan", "inf", "-inf", "Infinity", "1e999"}) {
        SCOPED_TRACE(text);
        core.m_Inputs.Param(0).SetValue(1.0f);
        core.m_Inputs.Param(2).SetValue(7.0f);
        const std::string value(text);
        LoadBody(*core, "<bypass>" + value + "</bypass><inputParams><paramCount>3</paramCount><param0>" + value +
                            "</param0><param1>" + value + "</param1><param2>" + value + "</param2></inputParams>");
        EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
        for (int i = 1; i <= 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(core.m_Inputs.Param(i).GetValue(), (i - 1) * 0.5f);
        }
    }
    // Numbers that are not finite, in a memory snapshot.
    core.m_Inputs.Param(0).SetValue(1.0f);
    core.m_Inputs.Param(2).SetValue(7.0f);
    CMemDataObject values;
    values.WriteInt("paramCount", 3);
    values.WriteFloat("param0", std::numeric_limits<float>::quiet_NaN());
    values.WriteFloat("param1", std::numeric_limits<float>::infinity());
    values.WriteFloat("param2", -std::numeric_limits<float>::infinity());
    CMemDataObject state;
    state.WriteFloat("bypass", std::numeric_limits<float>::quiet_NaN());
    state.WriteObject("inputParams", values);
    core->DeSerialize(state);
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(core.m_Inputs.Param(i).GetValue(), (i - 1) * 0.5f);
    }
}

TEST_F(PluginCoreTest, ParameterValuesWithoutCountAreAppliedThenReset)
{
    CTestCore core(m_Settings, new CTestProcessor(2, 0));
    core.Connect();
    LoadBody(*core, "<inputParams><param0>4</param0><param1>4</param1></inputParams>");
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(2).GetValue(), 0.5f);
}

TEST_F(PluginCoreTest, AutomationKeysOfDocumentsBeforeVersionTwoAreIgnored)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 2));
    const std::string automation =
        "<AutomationOutputDefault>0</AutomationOutputDefault>"
        "<AutomationOutputSettings><settingCount>2</settingCount><setting1><version>1</version>"
        "<enabled>1</enabled></setting1></AutomationOutputSettings>";
    for (const char* version : {"", "<version>1</version>"}) {
        SCOPED_TRACE(version);
        core->GetAutomationOutputDefault().SetValue(false);
        LoadBody(*core, version + automation);
        EXPECT_TRUE(core->GetAutomationOutputDefault().GetValue());
        EXPECT_FALSE(core->GetMIDIController().GetAutomationSettings().GetAt(1).IsEnabled());
    }
    LoadBody(*core, "<version>2</version>" + automation);
    EXPECT_FALSE(core->GetAutomationOutputDefault().GetValue());
}

TEST_F(PluginCoreTest, OwnSettingsFlagWithoutSettingsKeepsTheGlobalDefaults)
{
    CTestCore core(m_Settings, new CTestProcessor(2, 0));
    EnableDefaultInput(Defaults(), 3, 1, 4);
    core->GetMIDIController().GetInputCCSettings().GetAt(1).SetChannel(11);
    LoadBody(*core, "<version>2</version><MIDIInputDefault>0</MIDIInputDefault>");
    EXPECT_FALSE(core->GetMIDIInputDefault().GetValue());
    EXPECT_EQ(core->GetMIDIController().GetInputCCSettings().GetAt(1).GetChannel(), 4);
}

TEST_F(PluginCoreTest, ProgramNameAbsentGivesDefaultAndEmptyStaysEmpty)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0));
    LoadBody(*core, "<progName></progName>");
    EXPECT_STREQ(core->GetProgramName(), "");
    LoadBody(*core, "<version>2</version>");
    EXPECT_STREQ(core->GetProgramName(), "Default");
}

TEST_F(PluginCoreTest, ReadingWhileNotConnectedLeavesParametersAlone)
{
    CTestCore core(m_Settings, new CTestProcessor(1, 0));
    LoadBody(*core, "<bypass>1</bypass><inputParams><paramCount>1</paramCount><param0>9</param0></inputParams>");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 0.0f);
}

TEST_F(PluginCoreTest, GlobalDefaultsReachOnlyCoresThatFollowThem)
{
    CTestCore following(m_Settings, new CTestProcessor(2, 1));
    CTestCore own(m_Settings, new CTestProcessor(2, 1));
    own->GetMIDIInputDefault().SetValue(false);
    EnableDefaultInput(Defaults(), 3, 2, 6);
    EXPECT_EQ(following->GetMIDIController().GetInputCCSettings().GetAt(2).GetChannel(), 6);
    EXPECT_EQ(own->GetMIDIController().GetInputCCSettings().GetAt(2).GetChannel(), 0);
    Defaults().SetOutputRefreshRate(20.0);
    EXPECT_EQ(own->GetOutputDataSync()->GetRefreshRate(), 20.0);
}

TEST_F(PluginCoreTest, DestructionRemovesSettingsListenersBeforeTheProcessorGoes)
{
    double rateSeenInDestructor = 0.0;
    CTestProcessor* processor = new CTestProcessor(1, 0);
    processor->m_HasSync = true;
    CAudioPluginDefaultSettings& defaults = Defaults();
    processor->m_OnDestroy = [&](CTestProcessor& p) {
        defaults.SetOutputRefreshRate(77.0);
        rateSeenInDestructor = p.m_Sync.GetRefreshRate();
    };
    {
        CTestCore core(m_Settings, processor);
    }
    EXPECT_EQ(rateSeenInDestructor, 50.0);
}

TEST_F(PluginCoreTest, NoFactoryBankGivesTheLegacyList)
{
    CTestProcessor* processor = new CTestProcessor(2, 0);
    processor->SetLegacyPresets({{0, {1.0f, 2.0f}, "Flat"}, {1, {0.0f, 1.0f}, "Random"}});
    CTestCore core(m_Settings, processor);
    ASSERT_EQ(core->GetPresets().GetCount(), 2);
    EXPECT_STREQ(core->GetPresets().GetAt(0).GetName(), "Flat");
    EXPECT_STREQ(core->GetPresets().GetAt(1).GetName(), "Random");

    CTestCore none(m_Settings, new CTestProcessor(2, 0));
    EXPECT_EQ(none->GetPresets().GetCount(), 0);
}

TEST_F(PluginCoreTest, LegacyPresetsSetValuesOrRandomiseAndSwitchBypassOff)
{
    CTestProcessor* processor = new CTestProcessor(3, 0);
    processor->SetLegacyPresets({{0, {1.0f, 2.0f, 3.0f}, "Flat"}, {1, {0.0f, 1.0f, 0.0f}, "Random"}});
    CTestCore core(m_Settings, processor);
    core.Connect();
    core.m_Inputs.Param(0).SetValue(1.0f);
    core->GetPresets().GetAt(0).Load();
    EXPECT_STREQ(core->GetProgramName(), "Flat");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 1.0f);
    EXPECT_EQ(core.m_Inputs.Param(2).GetValue(), 2.0f);
    EXPECT_EQ(core.m_Inputs.Param(3).GetValue(), 3.0f);

    core.m_Inputs.Param(0).SetValue(1.0f);
    core->GetPresets().GetAt(1).Load();
    EXPECT_STREQ(core->GetProgramName(), "Random");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 0.0f);
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 1.0f);
    EXPECT_GE(core.m_Inputs.Param(2).GetValue(), -10.0f);
    EXPECT_LT(core.m_Inputs.Param(2).GetValue(), 10.0f);
    EXPECT_EQ(core.m_Inputs.Param(3).GetValue(), 3.0f);
}

TEST_F(PluginCoreTest, LegacyPresetWhileNotConnectedOnlyRenames)
{
    CTestProcessor* processor = new CTestProcessor(1, 0);
    processor->SetLegacyPresets({{0, {4.0f}, "Flat"}});
    CTestCore core(m_Settings, processor);
    core->GetPresets().GetAt(0).Load();
    EXPECT_STREQ(core->GetProgramName(), "Flat");
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), 0.0f);
}

std::string BankPreset(int index, const std::string& body)
{
    const std::string name = "Preset" + std::to_string(index);
    return "<" + name + ">" + body + "</" + name + ">";
}

TEST_F(PluginCoreTest, FactoryBankListsAndLoadsItsPresets)
{
    WriteBank("<PresetCount>4</PresetCount>" +
              BankPreset(0, "<version>2</version><progName>Air</progName>") +
              BankPreset(1, "<version>2</version><bypass>1</bypass>") +
              BankPreset(2, "<version>2</version><progName>Deep</progName><inputParams><paramCount>1</paramCount>"
                            "<param0>-2</param0></inputParams><MIDIInputDefault>0</MIDIInputDefault>"
                            "<GUI><width>5</width></GUI>"));
    CTestCore core(m_Settings, new CTestProcessor(1, 0));
    core.Connect();
    Veltis::Containers::IVector<IPreset>& presets = core->GetPresets();
    ASSERT_EQ(presets.GetCount(), 4);
    EXPECT_STREQ(presets.GetAt(0).GetName(), "Air");
    EXPECT_STREQ(presets.GetAt(1).GetName(), "");
    EXPECT_STREQ(presets.GetAt(2).GetName(), "Deep");
    EXPECT_STREQ(presets.GetAt(3).GetName(), "");

    presets.GetAt(2).Load();
    EXPECT_STREQ(core->GetProgramName(), "Deep");
    EXPECT_EQ(core.m_Inputs.Param(1).GetValue(), -2.0f);
    EXPECT_EQ(core.m_GUI->m_Width, 5);
    EXPECT_FALSE(core->GetMIDIInputDefault().GetValue());

    // A preset without "GUI" or "MIDIInputDefault" resets both.
    presets.GetAt(1).Load();
    EXPECT_STREQ(core->GetProgramName(), "Default");
    EXPECT_EQ(core.m_Inputs.Param(0).GetValue(), 1.0f);
    EXPECT_EQ(core.m_GUI->m_Width, 0);
    EXPECT_TRUE(core->GetMIDIInputDefault().GetValue());

    // Beyond the stored presets nothing is loaded.
    core->SetProgramName("Mine");
    presets.GetAt(3).Load();
    EXPECT_STREQ(core->GetProgramName(), "Mine");
}

TEST_F(PluginCoreTest, PresetCountIsBoundedAndNeverNegative)
{
    struct Case {
        const char* count;
        int expected;
    };
    const Case kCases[] = {{"-3", 0}, {"", 0}, {"2000000000", CAudioPluginXMLPresets::kMaxCount}, {"x", 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.count);
        WriteBank(std::string("<PresetCount>") + c.count + "</PresetCount>");
        CTestCore core(m_Settings, new CTestProcessor(1, 0));
        EXPECT_EQ(core->GetPresets().GetCount(), c.expected);
    }
}

TEST_F(PluginCoreTest, BankWithoutRootElementFallsBackToLegacyPresets)
{
    {
        std::ofstream file(m_Folder.Join("data/Presets/factory.presets"));
        file << "not xml at all <";
    }
    CTestProcessor* processor = new CTestProcessor(1, 0);
    processor->SetLegacyPresets({{0, {0.0f}, "Flat"}});
    CTestCore core(m_Settings, processor);
    ASSERT_EQ(core->GetPresets().GetCount(), 1);
    EXPECT_STREQ(core->GetPresets().GetAt(0).GetName(), "Flat");
}

} // namespace
