#pragma once

#include "Veltis/Audio/DSP/CBaseCoreDSPFilter.h"
#include "Veltis/Audio/DSP/CLegacyPresets.h"
#include "Veltis/Audio/DSP/COutputDataSync.h"
#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/CProcessInfo.h"
#include "Veltis/Audio/Plugin/CAudioPluginDefaultSettings.h"
#include "Veltis/Audio/Plugin/CAudioPluginInternalsBase.h"
#include "Veltis/Audio/Plugin/IPluginGUI.h"
#include "Veltis/Audio/Plugin/IPluginGUIConnections.h"
#include "Veltis/Core/CDirty.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CProductInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include "support/CHostedCore.h"
#include "support/CTemporaryFolder.h"
#include "support/CTestPluginPaths.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

// A small plug-in world for tests of the plug-in core: a processor with as many parameters and
// display outputs as a test asks for, an editor that records what the core does to it, host-side
// parameter objects, and per-test folders for the factory bank and "global.pref".
namespace VeltisTest {

// Values of one output kind, lent to the core; entries stay at their addresses.
template <class V, class C>
class TOwnedOutputs : public virtual Veltis::Containers::IConstValueVector<const V&> {
public:
    explicit TOwnedOutputs(int count) : m_Items(count > 0 ? count : 0) {}
    int GetCount() const override { return static_cast<int>(m_Items.size()); }
    const V& GetValue(int index) const override { return m_Items[index]; }
    C& At(int index) { return m_Items[index]; }

private:
    std::vector<C> m_Items;
};

class CLentStrings : public virtual Veltis::Containers::IConstValueVector<const char*> {
public:
    explicit CLentStrings(int count) : m_Texts(count > 0 ? count : 0, nullptr) {}
    int GetCount() const override { return static_cast<int>(m_Texts.size()); }
    const char* GetValue(int index) const override { return m_Texts[index]; }
    // Null allowed; the text is the caller's and must outlive its use.
    void Set(int index, const char* text) { m_Texts[index] = text; }

private:
    std::vector<const char*> m_Texts;
};

struct SLegacyPresetData {
    int type;
    std::vector<float> values;
    const char* name;
};

// Parameter i is "P<i>", range -10 to 10, default i * 0.5 (values that print exactly). Curves,
// strings and surfaces start as constants 0 (texts null); tests change them and mark them dirty.
class CTestProcessor : public Veltis::Audio::DSP::CBaseCoreDSPFilter {
public:
    typedef Veltis::Math::CConstantFunction CCurve;
    typedef Veltis::Math::CConstantBinaryFunction CSurface;
    typedef Veltis::CoreUtilities::TDynamicCollection<Veltis::Core::CDirty, Veltis::Core::IDirty> CDirtyFlags;

    CTestProcessor(int params, int outputs, int curves = 0, int strings = 0, int surfaces = 0)
        : m_Curves(curves), m_CurvesDirty(curves), m_Strings(strings), m_Surfaces(surfaces),
          m_SurfacesDirty(surfaces)
    {
        CParamsInfo inputs(params);
        for (int i = 0; i < params; ++i)
            inputs.GetStorage()[i] = Veltis::DataModel::Objects::CParamInfo(
                2, ("P" + std::to_string(i)).c_str(), "", "", nullptr, -10.0f, 10.0f, i * 0.5f);
        SetInputParamsInfo(inputs);
        CParamsInfo outs(outputs);
        for (int i = 0; i < outputs; ++i)
            outs.GetStorage()[i].SetName(("Out" + std::to_string(i)).c_str());
        SetOutputParamsInfo(outs);
        CCurvesInfo curveInfos(curves);
        SetOutputCurvesInfo(curveInfos);
        m_OutputStringsInfo.GetStorage().SetSize(strings, true);
        m_OutputSurfacesInfo.GetStorage().SetSize(surfaces, true);
    }
    ~CTestProcessor() override
    {
        if (m_OnDestroy)
            m_OnDestroy(*this);
    }

    Veltis::Audio::DSP::IFilter* Clone() const override { return nullptr; }
    const Veltis::DataModel::Objects::IConstProductInfo& GetObjectInfo() const override
    {
        static const Veltis::DataModel::Objects::CProductInfo info("TestProcessor", "1.0", "", "");
        return info;
    }
    const Veltis::Audio::DSP::IProcessInfo& GetProcessInfo() const override { return m_ProcessInfo; }
    Veltis::Audio::DSP::IOutputDataSync* GetOutputDataSync() override
    {
        Veltis::Audio::DSP::IOutputDataSync* sync = &m_Sync;
        return m_HasSync ? sync : nullptr;
    }
    void SetSampleRate(bool& apply, double rate) override
    {
        m_LastRate = rate;
        m_LastApply = apply;
        Veltis::Audio::DSP::CBaseCoreDSPFilter::SetSampleRate(apply, rate);
    }
    const IConstStrings& GetOutputStrings() const override { return m_Strings; }
    const IConstCurves& GetOutputCurves() const override { return m_Curves; }
    IDirtyFlags& GetOutputCurvesDirty() override { return m_CurvesDirty; }
    const IConstSurfaces& GetOutputSurfaces() const override { return m_Surfaces; }
    IDirtyFlags& GetOutputSurfacesDirty() override { return m_SurfacesDirty; }
    const Veltis::Audio::DSP::ILegacyPresets& GetLegacyPresets() const override
    {
        static const Veltis::Audio::DSP::CLegacyPresets none;
        return m_Legacy ? *m_Legacy : none;
    }

    void SetCurve(int index, float value)
    {
        m_Curves.At(index).SetValue(value);
        m_CurvesDirty.GetStorage()[index].SetDirty();
    }
    void SetSurface(int index, float value)
    {
        m_Surfaces.At(index).SetValue(value);
        m_SurfacesDirty.GetStorage()[index].SetDirty();
    }
    void SetLegacyPresets(const std::vector<SLegacyPresetData>& presetData)
    {
        std::vector<Veltis::Audio::DSP::CLegacyPreset> presets;
        for (const SLegacyPresetData& preset : presetData) {
            const Veltis::Audio::DSP::CParamsValues values(static_cast<int>(preset.values.size()), preset.values.data());
            presets.emplace_back(preset.type, values, preset.name, "");
        }
        m_Legacy.reset(new Veltis::Audio::DSP::CLegacyPresets(static_cast<int>(presets.size()), presets.data()));
    }

    TOwnedOutputs<Veltis::Math::IFunction, CCurve> m_Curves;
    CDirtyFlags m_CurvesDirty;
    CLentStrings m_Strings;
    TOwnedOutputs<Veltis::Math::IBinaryFunction, CSurface> m_Surfaces;
    CDirtyFlags m_SurfacesDirty;
    Veltis::Audio::DSP::CProcessInfo m_ProcessInfo{2, 2};
    Veltis::Audio::DSP::COutputDataSync m_Sync;
    bool m_HasSync = false;
    double m_LastRate = 0.0;
    bool m_LastApply = false;
    std::unique_ptr<Veltis::Audio::DSP::CLegacyPresets> m_Legacy;
    std::function<void(CTestProcessor&)> m_OnDestroy;
};

// An editor with one stored number ("width", 0 when absent) that logs what its owner does to it.
class CTestGUI : public virtual Veltis::Audio::Plugin::IPluginGUI {
public:
    void SetConnections(Veltis::Audio::Plugin::IPluginGUIConnections* connections) override
    {
        m_ConnectionsLog.push_back(connections);
    }
    bool Open(void*) override { return false; }
    void Close() override {}
    void SetVisible(bool) override {}
    Veltis::Core::C2DSize GetSize() const override { return Veltis::Core::C2DSize(); }
    void* GetNativeView() const override { return nullptr; }
    Veltis::Core::IEventProvider& GetSizeChangedEvents() override { return m_SizeChanged; }
    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override
    {
        return stream.WriteInt("width", m_Width);
    }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override
    {
        ++m_Reads;
        m_Width = 0;
        stream.ReadInt("width", m_Width);
        return true;
    }
    ~CTestGUI() override
    {
        if (m_Deleted)
            *m_Deleted = true;
    }

    int m_Width = 0;
    int m_Reads = 0;
    bool* m_Deleted = nullptr;
    std::vector<Veltis::Audio::Plugin::IPluginGUIConnections*> m_ConnectionsLog;
    Veltis::Core::CEventProvider m_SizeChanged;
};

// A core over a test processor and editor, with host parameters to connect it to.
class CTestCore : public CHostedCore {
public:
    CTestCore(Veltis::Audio::Plugin::CAudioPluginInternalsBase::IStaticSettings& settings, CTestProcessor* processor,
              CTestGUI* gui = new CTestGUI(), double refreshRate = 50.0)
        : CHostedCore(settings, processor, gui, nullptr, refreshRate), m_Processor(processor), m_GUI(gui)
    {
    }

    CTestProcessor* m_Processor;
    CTestGUI* m_GUI;
};

// Each test gets its own data folder (for the factory bank) and user folder (for "global.pref"), and
// its own process-wide settings object over them.
class CPluginCoreTest : public ::testing::Test {
protected:
    void WriteBank(const std::string& body)
    {
        std::ofstream file(m_Folder.Join("data/Presets/factory.presets"));
        file << "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Presets>" << body << "</Presets>";
    }

    Veltis::Audio::Plugin::CAudioPluginDefaultSettings& Defaults() { return m_Settings.GetDefaultSettings(); }

    std::string SaveText(Veltis::Audio::Plugin::CAudioPluginInternalsBase& core)
    {
        Veltis::Serialization::CXmlDataObject document("Preset");
        EXPECT_TRUE(core.Serialize(document));
        return CompactText(document);
    }

    void LoadStateText(Veltis::Audio::Plugin::CAudioPluginInternalsBase& core, const std::string& text)
    {
        Veltis::Serialization::CXmlDataObject document("Preset");
        ASSERT_TRUE(LoadText(document, text));
        EXPECT_TRUE(core.DeSerialize(document));
    }

    void LoadBody(Veltis::Audio::Plugin::CAudioPluginInternalsBase& core, const std::string& body)
    {
        LoadStateText(core, "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Preset>" + body + "</Preset>");
    }

    // Points the next paths object at a fresh folder, before the settings object is built over it.
    struct SFolders {
        SFolders() : m_Paths(m_Folder.Join("data"), m_Folder.GetPath())
        {
            mkdir(m_Folder.Join("data").c_str(), 0700);
            mkdir(m_Folder.Join("data/Presets").c_str(), 0700);
        }
        CTemporaryFolder m_Folder;
        CTestPluginFolders m_Paths;
    };

    SFolders m_Folders;
    CTemporaryFolder& m_Folder = m_Folders.m_Folder;
    CTestPluginConfig m_Settings;
};

} // namespace VeltisTest
