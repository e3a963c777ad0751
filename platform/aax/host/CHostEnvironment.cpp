#include "platform/aax/host/CHostEnvironment.h"

#include "platform/aax/IAAXHostComponentFactory.h"
#include "platform/aax/IAAXHostDescription.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

namespace {

std::string Text(const char* text) { return text ? text : "(null)"; }

class CHostPropertyMap : public THostObject<IAAXHostPropertyMap, IAAXHostPropertyMapV2> {
public:
    CHostPropertyMap(CHostEnvironment& host) : THostObject(host.GetLedger(), host.NextName("PropertyMap")), m_Host(host) {}

    bool GetProperty(uint32_t property, uint32_t* value) override
    {
        for (const std::pair<uint32_t, uint32_t>& entry : m_Properties)
            if (entry.first == property) {
                if (value)
                    *value = entry.second;
                return true;
            }
        return false;
    }
    int32_t AddProperty(uint32_t property, uint32_t value) override
    {
        m_Host.RecordCall("PropertyMap.AddProperty(" + std::to_string(property) + "," + std::to_string(value) + ")");
        for (std::pair<uint32_t, uint32_t>& entry : m_Properties)
            if (entry.first == property) {
                entry.second = value;
                return AAXResult::kSuccess;
            }
        m_Properties.push_back(std::make_pair(property, value));
        return AAXResult::kSuccess;
    }
    int32_t Reserved1(uint32_t) override { return m_Host.RecordReservedCall("PropertyMap.Reserved1"); }
    int32_t Reserved2(uint32_t, void*, uint32_t) override { return m_Host.RecordReservedCall("PropertyMap.Reserved2"); }
    bool Reserved3(uint32_t, void*, void*) override { return m_Host.RecordReservedCall("PropertyMap.Reserved3") == 0; }

    const PropertyList& GetProperties() const { return m_Properties; }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kPropertyMap)
            return static_cast<IAAXHostPropertyMap*>(this);
        if (iid == AAXIdentifiers::kPropertyMapV2 && !m_Host.GetFaults().m_NoSecondVersions)
            return static_cast<IAAXHostPropertyMapV2*>(this);
        return nullptr;
    }

    CHostEnvironment& m_Host;
    PropertyList m_Properties;
};

PropertyList PropertiesOf(IAAXHostPropertyMap* map)
{
    // Every property map the module can hand back was made by this host.
    return map ? static_cast<CHostPropertyMap*>(map)->GetProperties() : PropertyList();
}

class CHostComponentDescriptor : public THostObject<IAAXHostComponentDescriptor, IAAXHostComponentDescriptorV2> {
public:
    CHostComponentDescriptor(CHostEnvironment& host)
        : THostObject(host.GetLedger(), host.NextName("ComponentDescriptor")), m_Host(host)
    {
    }

    int32_t Reserved1() override { return m_Host.RecordReservedCall("Component.Reserved1"); }
    int32_t AddAudioIn(uint32_t field) override { return AddField(field, SFieldDescription::kAudioIn, "AddAudioIn"); }
    int32_t AddAudioOut(uint32_t field) override { return AddField(field, SFieldDescription::kAudioOut, "AddAudioOut"); }
    int32_t AddAudioBufferLength(uint32_t field) override
    {
        return AddField(field, SFieldDescription::kBufferLength, "AddAudioBufferLength");
    }
    int32_t Reserved2(uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved2"); }
    int32_t Reserved3(uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved3"); }
    int32_t Reserved4(uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved4"); }
    int32_t AddPrivateData(uint32_t field, int32_t size, uint32_t options) override
    {
        if (size <= 0)
            return AAXResult::kHostObjectMissing;
        SFieldDescription description;
        description.m_Field = field;
        description.m_Kind = SFieldDescription::kPrivateData;
        description.m_Size = size;
        description.m_Options = options;
        return Add(description, "AddPrivateData(" + std::to_string(field) + "," + std::to_string(size) + "," +
                                    std::to_string(options) + ")");
    }
    int32_t Reserved5(uint32_t, uint32_t, void*) override { return m_Host.RecordReservedCall("Component.Reserved5"); }
    int32_t Reserved6(uint32_t, uint32_t, uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved6"); }
    int32_t Reserved7(uint32_t, uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved7"); }
    int32_t Reserved8(uint32_t, uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved8"); }
    int32_t Reserved9(uint32_t, void*, uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved9"); }
    int32_t AddMIDINode(uint32_t field, uint32_t nodeType, const char* name, uint32_t channelMask) override
    {
        SFieldDescription description;
        description.m_Field = field;
        description.m_Kind = SFieldDescription::kMIDINode;
        description.m_NodeType = nodeType;
        description.m_NodeName = Text(name);
        description.m_ChannelMask = channelMask;
        return Add(description, "AddMIDINode(" + std::to_string(field) + "," + std::to_string(nodeType) + "," +
                                    description.m_NodeName + "," + std::to_string(channelMask) + ")");
    }
    int32_t Reserved10(uint32_t, uint32_t) override { return m_Host.RecordReservedCall("Component.Reserved10"); }
    int32_t AddProcessProcedure(AAXRenderProcedure procedure, IAAXHostPropertyMap* properties, void*, void*,
                                void*) override
    {
        m_Host.RecordCall("Component.AddProcessProcedure");
        if (!procedure)
            return AAXResult::kHostObjectMissing;
        m_Record.m_RenderProcedure = procedure;
        m_Record.m_Properties = PropertiesOf(properties);
        return AAXResult::kSuccess;
    }
    int32_t Reserved11(void*, void*, IAAXHostPropertyMap*, void*, void*) override
    {
        return m_Host.RecordReservedCall("Component.Reserved11");
    }

    const SComponentDescription& GetRecord() const { return m_Record; }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kComponentDescriptor)
            return static_cast<IAAXHostComponentDescriptor*>(this);
        if (iid == AAXIdentifiers::kComponentDescriptorV2 && !m_Host.GetFaults().m_NoSecondVersions)
            return static_cast<IAAXHostComponentDescriptorV2*>(this);
        return nullptr;
    }

private:
    int32_t AddField(uint32_t field, SFieldDescription::EKind kind, const char* call)
    {
        SFieldDescription description;
        description.m_Field = field;
        description.m_Kind = kind;
        return Add(description, std::string(call) + "(" + std::to_string(field) + ")");
    }
    int32_t Add(const SFieldDescription& description, const std::string& call)
    {
        m_Host.RecordCall("Component." + call);
        if (description.m_Field >= 64 || m_Record.FindField(description.m_Field))
            return AAXResult::kHostObjectMissing;
        m_Record.m_Fields.push_back(description);
        return AAXResult::kSuccess;
    }
    CHostEnvironment& m_Host;
    SComponentDescription m_Record;
};

class CHostEffectDescriptor : public THostObject<IAAXHostEffectDescriptor, IAAXHostEffectDescriptorV2> {
public:
    CHostEffectDescriptor(CHostEnvironment& host)
        : THostObject(host.GetLedger(), host.NextName("EffectDescriptor")), m_Host(host)
    {
    }

    int32_t AddComponent(IAAXHostComponentDescriptor* component) override
    {
        m_Host.RecordCall("Effect.AddComponent");
        if (!component)
            return AAXResult::kHostObjectMissing;
        m_Record.m_Components.push_back(static_cast<CHostComponentDescriptor*>(component)->GetRecord());
        return AAXResult::kSuccess;
    }
    int32_t AddName(const char* name) override
    {
        m_Host.RecordCall("Effect.AddName(" + Text(name) + ")");
        if (!name)
            return AAXResult::kHostObjectMissing;
        m_Record.m_Names.push_back(name);
        return AAXResult::kSuccess;
    }
    int32_t Reserved1(uint32_t) override { return m_Host.RecordReservedCall("Effect.Reserved1"); }
    int32_t Reserved2(uint32_t, void*) override { return m_Host.RecordReservedCall("Effect.Reserved2"); }
    int32_t AddProcedure(AAXCreationProcedure procedure, uint32_t procedureId) override
    {
        m_Host.RecordCall("Effect.AddProcedure(" + std::to_string(procedureId) + ")");
        if (!procedure || m_Record.FindProcedure(procedureId))
            return AAXResult::kHostObjectMissing;
        m_Record.m_Procedures.push_back(std::make_pair(procedureId, procedure));
        return AAXResult::kSuccess;
    }
    int32_t SetProperties(IAAXHostPropertyMap* properties) override
    {
        m_Host.RecordCall("Effect.SetProperties");
        m_Record.m_Properties = PropertiesOf(properties);
        return AAXResult::kSuccess;
    }
    int32_t Reserved3(uint32_t, void*) override { return m_Host.RecordReservedCall("Effect.Reserved3"); }
    int32_t Reserved4(uint32_t, void*, IAAXHostPropertyMap*) override { return m_Host.RecordReservedCall("Effect.Reserved4"); }
    int32_t Reserved5(uint32_t, uint32_t, void*, uint32_t) override { return m_Host.RecordReservedCall("Effect.Reserved5"); }

    const SEffectDescription& GetRecord() const { return m_Record; }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kEffectDescriptor)
            return static_cast<IAAXHostEffectDescriptor*>(this);
        if (iid == AAXIdentifiers::kEffectDescriptorV2 && !m_Host.GetFaults().m_NoSecondVersions)
            return static_cast<IAAXHostEffectDescriptorV2*>(this);
        return nullptr;
    }

private:
    CHostEnvironment& m_Host;
    SEffectDescription m_Record;
};

class CHostCollection : public THostObject<IAAXHostCollection> {
public:
    CHostCollection(CHostEnvironment& host) : THostObject(host.GetLedger(), host.NextName("Collection")), m_Host(host) {}

    int32_t AddEffect(const char* effectId, IAAXHostEffectDescriptor* effect) override
    {
        m_Host.RecordCall("Collection.AddEffect(" + Text(effectId) + ")");
        if (m_Host.GetFaults().m_AddEffectResult != 0)
            return m_Host.GetFaults().m_AddEffectResult;
        if (!effect || !effectId)
            return AAXResult::kHostObjectMissing;
        SEffectDescription record = static_cast<CHostEffectDescriptor*>(effect)->GetRecord();
        record.m_EffectId = effectId;
        m_Host.GetDescription().m_Effects.push_back(record);
        return AAXResult::kSuccess;
    }
    int32_t SetManufacturerName(const char* name) override
    {
        m_Host.RecordCall("Collection.SetManufacturerName(" + Text(name) + ")");
        m_Host.GetDescription().m_ManufacturerName = Text(name);
        return AAXResult::kSuccess;
    }
    int32_t AddPackageName(const char* name) override
    {
        m_Host.RecordCall("Collection.AddPackageName(" + Text(name) + ")");
        m_Host.GetDescription().m_PackageNames.push_back(Text(name));
        return AAXResult::kSuccess;
    }
    int32_t SetPackageVersion(uint32_t version) override
    {
        m_Host.RecordCall("Collection.SetPackageVersion(" + std::to_string(version) + ")");
        m_Host.GetDescription().m_PackageVersion = version;
        return AAXResult::kSuccess;
    }
    int32_t SetProperties(IAAXHostPropertyMap* properties) override
    {
        m_Host.RecordCall("Collection.SetProperties");
        m_Host.GetDescription().m_CollectionProperties = PropertiesOf(properties);
        return AAXResult::kSuccess;
    }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        // The collection itself stands for the plug-in definition the module hands back.
        if (iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kCollection ||
            iid == AAXIdentifiers::kPluginDefinition)
            return static_cast<IAAXHostCollection*>(this);
        return nullptr;
    }

private:
    CHostEnvironment& m_Host;
};

class CHostServices : public THostObject<IAAXHostServices> {
public:
    CHostServices(CHostEnvironment& host) : THostObject(host.GetLedger(), host.NextName("HostServices")) {}
    int32_t Reserved1(void*, uint32_t, void*) override { return AAXResult::kSuccess; }
    int32_t Reserved2(uint32_t, void*) override { return AAXResult::kSuccess; }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        return iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kHostServices
                   ? static_cast<IAAXHostServices*>(this)
                   : nullptr;
    }
};

} // namespace

class CHostComponentFactory : public THostObject<IAAXHostComponentFactory> {
public:
    CHostComponentFactory(CHostEnvironment& host)
        : THostObject(host.GetLedger(), host.NextName("ComponentFactory")), m_Host(host)
    {
    }

    int32_t CreateObject(const ACFIdentifier& classId, IACFUnknown* outer, const ACFIdentifier& iid, void** out) override
    {
        if (!out)
            return AAXResult::kHostObjectMissing;
        *out = nullptr;
        const SHostFaults& faults = m_Host.GetFaults();
        if (outer)
            return AAXResult::kNoInterface;
        if (classId == faults.m_FaultyClass && faults.m_RefuseClass)
            return AAXResult::kNoInterface;
        if (classId == faults.m_FaultyClass && faults.m_NullObjectForClass)
            return AAXResult::kSuccess;
        IACFUnknown* created = nullptr;
        if (classId == AAXIdentifiers::kCollectionClass)
            created = static_cast<IAAXHostCollection*>(m_Host.Keep(std::make_unique<CHostCollection>(m_Host)));
        else if (classId == AAXIdentifiers::kEffectDescriptorClass)
            created = static_cast<IAAXHostEffectDescriptor*>(m_Host.Keep(std::make_unique<CHostEffectDescriptor>(m_Host)));
        else if (classId == AAXIdentifiers::kComponentDescriptorClass)
            created = static_cast<IAAXHostComponentDescriptor*>(
                m_Host.Keep(std::make_unique<CHostComponentDescriptor>(m_Host)));
        else if (classId == AAXIdentifiers::kPropertyMapClass)
            created = static_cast<IAAXHostPropertyMap*>(m_Host.Keep(std::make_unique<CHostPropertyMap>(m_Host)));
        else if (classId == AAXIdentifiers::kHostServicesClass)
            created = static_cast<IAAXHostServices*>(m_Host.Keep(std::make_unique<CHostServices>(m_Host)));
        if (!created)
            return AAXResult::kNoInterface;
        return created->QueryInterface(iid, out);
    }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        return iid == AAXIdentifiers::kUnknown || iid == AAXIdentifiers::kComponentFactory
                   ? static_cast<IAAXHostComponentFactory*>(this)
                   : nullptr;
    }

private:
    CHostEnvironment& m_Host;
};

class CHostUnknown : public THostObject<IACFUnknown> {
public:
    CHostUnknown(CHostEnvironment& host) : THostObject(host.GetLedger(), "HostUnknown"), m_Host(host) {}

    int32_t QueryInterface(const ACFIdentifier& iid, void** out) override
    {
        if (iid == AAXIdentifiers::kComponentFactory && out && m_Host.GetFaults().m_NullComponentFactory) {
            *out = nullptr;
            return AAXResult::kSuccess;
        }
        return THostObject::QueryInterface(iid, out);
    }

protected:
    IACFUnknown* Find(const ACFIdentifier& iid) override
    {
        if (iid == AAXIdentifiers::kUnknown)
            return static_cast<IACFUnknown*>(this);
        if (iid == AAXIdentifiers::kComponentFactory && !m_Host.GetFaults().m_NoComponentFactory) {
            if (!m_Factory)
                m_Factory = m_Host.Keep(std::make_unique<CHostComponentFactory>(m_Host));
            return static_cast<IAAXHostComponentFactory*>(m_Factory);
        }
        return nullptr;
    }

private:
    CHostEnvironment& m_Host;
    CHostComponentFactory* m_Factory = nullptr;
};

CHostEnvironment::CHostEnvironment(const SHostFaults& faults) : m_Faults(faults)
{
    m_HostUnknown = Keep(std::make_unique<CHostUnknown>(*this));
}

CHostEnvironment::~CHostEnvironment() = default;

IACFUnknown* CHostEnvironment::GetHostUnknown()
{
    return m_Faults.m_NullHostUnknown ? nullptr : static_cast<IACFUnknown*>(m_HostUnknown);
}

std::string CHostEnvironment::NextName(const char* kind) { return std::string(kind) + "#" + std::to_string(m_NextObjectNumber++); }

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
