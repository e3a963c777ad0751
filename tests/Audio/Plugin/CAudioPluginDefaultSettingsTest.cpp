#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginFilePathsBase.h"
#include "Veltis/Audio/Plugin/PluginFolders.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "support/CCountingCommand.h"
#include "support/CTemporaryFolder.h"
#include "support/OutputSources.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace Veltis::Audio::Plugin;
using Veltis::DataModel::Objects::CParamInfo;
using Veltis::DataModel::Objects::IConstParamInfo;
using Veltis::DataModel::Objects::eParamValueCurveExp1;
using Veltis::DataModel::Objects::eParamValueCurveLinear;
using VeltisTest::CCountingCommand;
using VeltisTest::Element;

namespace {

std::string Take(char* text)
{
    const std::string result = text ? text : "(null)";
    delete[] text;
    return result;
}

// The module's own data folder and a temporary user folder.
class CTestPaths : public CAudioPluginFilePathsBase {
public:
    explicit CTestPaths(const char* userFolder)
    {
        char* data = nullptr;
        GetPluginDataFolder(data);
        m_DataFolder = data;
        delete[] data;
        SetFolders(m_DataFolder.c_str(), userFolder);
    }
    std::string m_DataFolder;
};

// Descriptors numbered by index: parameter i ranges from -i to i + 1.
class CDescriptors {
public:
    explicit CDescriptors(int count)
    {
        for (int i = 0; i < count; ++i)
            m_Infos.emplace_back(new CParamInfo(2, "p", "", "", nullptr, -float(i), float(i + 1)));
        std::vector<const IConstParamInfo*> pointers;
        for (const auto& info : m_Infos)
            pointers.push_back(info.get());
        m_Vector.reset(new VeltisTest::TLentVector<IConstParamInfo>(pointers));
    }
    const Veltis::Containers::IConstVector<IConstParamInfo>& Get() const { return *m_Vector; }

private:
    std::vector<std::unique_ptr<CParamInfo>> m_Infos;
    std::unique_ptr<VeltisTest::TLentVector<IConstParamInfo>> m_Vector;
};

class CAudioPluginDefaultSettingsTest : public testing::Test {
protected:
    CAudioPluginDefaultSettingsTest() : m_Paths(m_User.GetPath().c_str()) {}

    std::unique_ptr<CAudioPluginDefaultSettings> Make(int inputs, int outputs)
    {
        std::unique_ptr<CAudioPluginDefaultSettings> settings(new CAudioPluginDefaultSettings(&m_Paths));
        settings->SetParamsInfo(CDescriptors(inputs).Get(), CDescriptors(outputs).Get());
        return settings;
    }
    std::string FilePath() const { return m_Paths.GetGlobalSettingsFilePath(); }
    void WriteFile(const std::string& body)
    {
        std::ofstream(FilePath()) << "<?xml version=\"1.0\" encoding=\"utf-8\" ?><GlobalSettings>" << body
                                  << "</GlobalSettings>";
    }
    std::string ReadFile() const
    {
        std::ifstream file(FilePath());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    VeltisTest::CTemporaryFolder m_User;
    CTestPaths m_Paths;
};

struct SRecord {
    int channel;
    int number;
};

void ExpectControllers(CAudioPluginDefaultSettings& settings, bool inputs, int count,
                       const std::vector<std::pair<int, SRecord>>& expected)
{
    CMIDICCSettings list(count);
    if (inputs)
        settings.CopyInputCCSettingsTo(list);
    else
        settings.CopyOutputCCSettingsTo(list);
    for (const auto& entry : expected) {
        SCOPED_TRACE(testing::Message() << (inputs ? "input " : "output ") << entry.first);
        const IMIDICCSetting& setting = list.GetAt(entry.first);
        EXPECT_EQ(setting.GetChannel(), entry.second.channel);
        EXPECT_EQ(setting.GetNumber(), entry.second.number);
        EXPECT_FALSE(setting.IsEnabled());
        EXPECT_EQ(setting.GetMin(), -float(entry.first));
        EXPECT_EQ(setting.GetMax(), float(entry.first + 1));
        EXPECT_EQ(setting.GetCurve(), eParamValueCurveLinear);
    }
}

std::string ListBody(const std::string& name, int count, const std::string& item)
{
    std::string body = "<" + name + ">" + Element("itemCount", std::to_string(count));
    for (int i = 0; i < count; ++i)
        body += Element("item" + std::to_string(i), item);
    return body + "</" + name + ">";
}

std::string ControllerItem(int channel, int number)
{
    return Element("channel", std::to_string(channel)) + Element("version", "1") +
           Element("number", std::to_string(number)) + Element("enabled", "1") + Element("curve", "Exp1") +
           Element("min", "0.25") + Element("max", "0.75");
}

} // namespace

TEST_F(CAudioPluginDefaultSettingsTest, BuiltInListsCountChannelsAndNumbers)
{
    struct Case {
        int inputs;
        int outputs;
        std::vector<std::pair<int, SRecord>> inputRecords;
        std::vector<std::pair<int, SRecord>> outputRecords;
    };
    const Case kCases[] = {
        {66, 6, {{0, {0, 0}}, {65, {0, 65}}}, {{0, {1, 1}}, {5, {1, 6}}}},
        {128, 127, {{127, {0, 127}}}, {{126, {1, 127}}}},
        {200, 130, {{0, {1, 0}}, {127, {1, 127}}, {128, {2, 0}}, {199, {2, 71}}},
         {{0, {1, 1}}, {126, {1, 127}}, {127, {2, 0}}, {129, {2, 2}}}},
        {2050, 2048, {{2047, {16, 127}}, {2048, {1, 0}}, {2049, {1, 1}}}, {{2046, {16, 127}}, {2047, {1, 0}}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.inputs << " inputs, " << c.outputs << " outputs");
        std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(c.inputs, c.outputs);
        ExpectControllers(*settings, true, c.inputs, c.inputRecords);
        ExpectControllers(*settings, false, c.outputs, c.outputRecords);
        CAutomationSettings automation(c.outputs + 1);
        settings->CopyAutomationSettingsTo(automation);
        EXPECT_FALSE(automation.GetAt(0).IsEnabled());
        EXPECT_FALSE(automation.GetAt(c.outputs - 1).IsEnabled());
        EXPECT_TRUE(automation.GetAt(c.outputs).IsEnabled());
        EXPECT_EQ(settings->GetOutputRefreshRate(), 50.0);
        EXPECT_EQ(Take([&] { char* skin = nullptr; settings->GetSkinFile(&skin); return skin; }()),
                  m_Paths.GetDefaultSkinFilePath());
    }
}

TEST_F(CAudioPluginDefaultSettingsTest, SavedFileReadsBackToEqualSettings)
{
    std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(3, 2);
    settings->Load();
    settings->Save();
    const std::string defaults = ReadFile();
    const size_t root = defaults.find("<GlobalSettings>");
    ASSERT_NE(root, std::string::npos) << defaults;
    EXPECT_EQ(defaults.find("<GlobalSettings>\n    <version>3</version>\n    <skinFile>Skins/default.xml</skinFile>"),
              root)
        << defaults;

    CMIDICCSettings inputs(3);
    settings->CopyInputCCSettingsTo(inputs);
    inputs.GetAt(1).Enable(true);
    inputs.GetAt(1).SetCurve(eParamValueCurveExp1);
    inputs.GetAt(2).SetChannel(9);
    settings->SetInputCCSettings(inputs);
    CMIDICCSettings outputs(2);
    settings->CopyOutputCCSettingsTo(outputs);
    outputs.GetAt(0).SetNumber(42);
    settings->SetOutputCCSettings(outputs);
    CAutomationSettings automation(2);
    automation.GetAt(1).Enable(true);
    automation.GetAt(0).Enable(false);
    settings->SetAutomationSettings(automation);
    settings->SetSkinFile("/elsewhere/skin.xml");
    settings->SetOutputRefreshRate(30.0);
    settings->Save();
    EXPECT_NE(ReadFile().find("<skinFile>/elsewhere/skin.xml</skinFile>"), std::string::npos);

    std::unique_ptr<CAudioPluginDefaultSettings> reloaded = Make(3, 2);
    reloaded->Load();
    CMIDICCSettings readInputs(3), readOutputs(2);
    CAutomationSettings readAutomation(2);
    reloaded->CopyInputCCSettingsTo(readInputs);
    reloaded->CopyOutputCCSettingsTo(readOutputs);
    reloaded->CopyAutomationSettingsTo(readAutomation);
    EXPECT_TRUE(readInputs.GetAt(1).IsEnabled());
    EXPECT_EQ(readInputs.GetAt(1).GetCurve(), eParamValueCurveExp1);
    EXPECT_EQ(readInputs.GetAt(2).GetChannel(), 9);
    EXPECT_EQ(readInputs.GetAt(2).GetMin(), -2.0f);
    EXPECT_EQ(readOutputs.GetAt(0).GetNumber(), 42);
    EXPECT_TRUE(readAutomation.GetAt(1).IsEnabled());
    EXPECT_FALSE(readAutomation.GetAt(0).IsEnabled());
    EXPECT_EQ(Take([&] { char* skin = nullptr; reloaded->GetSkinFile(&skin); return skin; }()), "/elsewhere/skin.xml");
    EXPECT_EQ(reloaded->GetOutputRefreshRate(), 30.0);
}

TEST_F(CAudioPluginDefaultSettingsTest, VersionDecidesWhatIsRead)
{
    struct Case {
        const char* version;
        bool automationRead;
        bool rateRead;
    };
    const Case kCases[] = {{nullptr, false, false}, {"1", false, false}, {"2", true, false}, {"3", true, true}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.version ? c.version : "(none)");
        std::string body = c.version ? Element("version", c.version) : "";
        body += Element("skinFile", "Skins/other.xml") + ListBody("inputCCSettings", 2, ControllerItem(3, 4)) +
                ListBody("outputAutomationSettings", 2, Element("version", "1") + Element("enabled", "1")) +
                Element("outputRefreshRate", "12.5");
        WriteFile(body);
        std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(2, 2);
        settings->SetDefaultOutputRefreshRate(40.0);
        settings->Load();
        CAutomationSettings automation(2);
        settings->CopyAutomationSettingsTo(automation);
        EXPECT_EQ(automation.GetAt(1).IsEnabled(), c.automationRead);
        EXPECT_EQ(settings->GetOutputRefreshRate(), c.rateRead ? 12.5 : 40.0);
        CMIDICCSettings inputs(2);
        settings->CopyInputCCSettingsTo(inputs);
        EXPECT_EQ(inputs.GetAt(1).GetNumber(), 4);
        EXPECT_EQ(inputs.GetAt(1).GetMax(), 0.75f);
        EXPECT_EQ(Take([&] { char* skin = nullptr; settings->GetSkinFile(&skin); return skin; }()),
                  m_Paths.m_DataFolder + "/Skins/other.xml");
    }
}

TEST_F(CAudioPluginDefaultSettingsTest, ListsKeepTheirSizeWhateverTheFileHolds)
{
    WriteFile(Element("version", "3") + ListBody("inputCCSettings", 10, ControllerItem(5, 6)) +
              "<outputCCSettings><itemCount>999999999</itemCount>" + Element("item0", ControllerItem(7, 8)) +
              "</outputCCSettings>");
    std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(12, 1);
    settings->Load();
    CMIDICCSettings inputs(12), outputs(1);
    settings->CopyInputCCSettingsTo(inputs);
    settings->CopyOutputCCSettingsTo(outputs);
    EXPECT_EQ(inputs.GetAt(9).GetChannel(), 5);
    EXPECT_TRUE(inputs.GetAt(9).IsEnabled());
    ExpectControllers(*settings, true, 12, {{10, {0, 10}}, {11, {0, 11}}});
    EXPECT_EQ(outputs.GetAt(0).GetNumber(), 8);
    // The rate is missing from this version 3 file: the default stays.
    EXPECT_EQ(settings->GetOutputRefreshRate(), 50.0);
}

TEST_F(CAudioPluginDefaultSettingsTest, DamagedOrNonFiniteInputLeavesTheDefaults)
{
    const std::string kBodies[] = {
        Element("version", "3") + Element("outputRefreshRate", "nan"),
        Element("version", "3") + Element("outputRefreshRate", "1e999"),
        "<inputCCSettings><item0>" + ControllerItem(1, 1),
    };
    for (const std::string& body : kBodies) {
        SCOPED_TRACE(body);
        WriteFile(body);
        std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(1, 1);
        settings->Load();
        EXPECT_EQ(settings->GetOutputRefreshRate(), 50.0);
        ExpectControllers(*settings, true, 1, {{0, {0, 0}}});
    }

    // Streams that carry binary numbers can hold a NaN: it is refused and later changes still work.
    for (double rate : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(1, 1);
        Veltis::Serialization::CMemDataObject stream;
        stream.WriteInt("version", 3);
        stream.WriteDouble("outputRefreshRate", rate);
        EXPECT_FALSE(settings->DeSerialize(stream));
        EXPECT_EQ(settings->GetOutputRefreshRate(), 50.0);
        settings->SetOutputRefreshRate(60.0);
        EXPECT_EQ(settings->GetOutputRefreshRate(), 60.0);
    }
}

TEST_F(CAudioPluginDefaultSettingsTest, EmptySettingsPathLoadsAndSavesNothing)
{
    CAudioPluginDefaultSettings settings(nullptr);
    settings.SetParamsInfo(CDescriptors(2).Get(), CDescriptors(1).Get());
    settings.SetOutputRefreshRate(20.0);
    settings.Load();
    settings.Save();
    EXPECT_EQ(settings.GetOutputRefreshRate(), 20.0);
    ExpectControllers(settings, true, 2, {{1, {0, 1}}});
    EXPECT_EQ(Take([&] { char* skin = nullptr; settings.GetSkinFile(&skin); return skin; }()), "");
}

TEST_F(CAudioPluginDefaultSettingsTest, RefreshRateAnnouncesEveryRealChangeWithoutBounds)
{
    std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(1, 1);
    CCountingCommand changed;
    settings->GetOutputRefreshRateChangedEvent().AddListener(changed);
    struct Case {
        double rate;
        double stored;
        int events;
    };
    const Case kCases[] = {{50.0, 50.0, 0},
                           {0.0, 0.0, 1},
                           {-5.0, -5.0, 2},
                           {-5.0, -5.0, 2},
                           {std::numeric_limits<double>::quiet_NaN(), -5.0, 2}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.rate);
        settings->SetOutputRefreshRate(c.rate);
        EXPECT_EQ(settings->GetOutputRefreshRate(), c.stored);
        EXPECT_EQ(changed.GetCount(), c.events);
    }
    settings->GetOutputRefreshRateChangedEvent().RemoveListener(&changed);
}

TEST_F(CAudioPluginDefaultSettingsTest, SettingAShorterListChangesItsRecordsAndAnnouncesOnce)
{
    std::unique_ptr<CAudioPluginDefaultSettings> settings = Make(4, 1);
    CCountingCommand listChanged, skinChanged;
    settings->GetInputCCSettingsChangedEvent().AddListener(listChanged);
    settings->GetSkinFileChangedEvent().AddListener(skinChanged);
    CMIDICCSettings shorter(2);
    shorter.GetAt(0).SetNumber(100);
    shorter.GetAt(1).SetNumber(101);
    settings->SetInputCCSettings(shorter);
    EXPECT_EQ(listChanged.GetCount(), 1);
    CMIDICCSettings all(4);
    settings->CopyInputCCSettingsTo(all);
    EXPECT_EQ(all.GetAt(1).GetNumber(), 101);
    EXPECT_EQ(all.GetAt(2).GetNumber(), 2);
    EXPECT_EQ(all.GetAt(3).GetMax(), 4.0f);

    settings->SetSkinFile("/x.xml");
    EXPECT_EQ(skinChanged.GetCount(), 0);
    EXPECT_EQ(Take([&] { char* skin = nullptr; settings->GetDefaultSkinFile(&skin); return skin; }()),
              m_Paths.GetDefaultSkinFilePath());
    settings->GetInputCCSettingsChangedEvent().RemoveListener(&listChanged);
    settings->GetSkinFileChangedEvent().RemoveListener(&skinChanged);
}
