#include "aax/AAX_CEffectParameters.h"

#include <math.h>
#include <string.h>

#include <string>
#include <vector>

#include "aax/AAXGuard.h"
#include "aax/AAX_CString.h"
#include "aax/AAX_IParameter.h"
#include "aax/AAX_VAutomationDelegate.h"
#include "aax/AAX_VController.h"
#include "aax/AAX_VTransport.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"

namespace {

const uint32_t kPreviewNotification = 0x41535076;
const char kPreviewId[] = "PreviewID";
const char kMasterBypassId[] = "MasterBypassID";
const char kControlsChunkName[] = "Complete Controls State";

double Limit01(double value) { return value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value); }

// The typed value a parameter holds, by the first reader that answers in the base's order.
struct STypedValue {
    enum EKind { kNone, kFloat, kInt32, kBool, kDouble, kString } m_Kind = kNone;
    float m_Float = 0.0f;
    int32_t m_Int32 = 0;
    bool m_Bool = false;
    double m_Double = 0.0;
    AAX_CString m_Text;

    explicit STypedValue(const AAX_IParameter& parameter)
    {
        if (parameter.GetValueAsFloat(&m_Float))
            m_Kind = kFloat;
        else if (parameter.GetValueAsInt32(&m_Int32))
            m_Kind = kInt32;
        else if (parameter.GetValueAsBool(&m_Bool))
            m_Kind = kBool;
        else if (parameter.GetValueAsDouble(&m_Double))
            m_Kind = kDouble;
        else if (parameter.GetValueAsString(&m_Text))
            m_Kind = kString;
    }
};

} // namespace

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // A host that released the object without Uninitialize would otherwise keep its interfaces.
    AAX_CEffectParameters::Uninitialize();
}

int32_t AAX_CEffectParameters::QueryInterface(const ACFIdentifier& iid, void** out)
{
    return GetOuterUnknown()->QueryInterface(iid, out);
}

uint32_t AAX_CEffectParameters::AddRef() { return GetOuterUnknown()->AddRef(); }

uint32_t AAX_CEffectParameters::Release() { return GetOuterUnknown()->Release(); }

int32_t AAX_CEffectParameters::InternalQueryInterface(const ACFIdentifier& iid, void** out)
{
    if (iid != AAXIdentifiers::kEffectParameters && iid != AAXIdentifiers::kEffectParametersV2)
        return CACFUnknown::InternalQueryInterface(iid, out);
    *out = static_cast<AAX_IACFEffectParameters*>(this);
    AddRef();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::Initialize(IACFUnknown* controller)
{
    return AAXGuard([&]() -> int32_t {
        m_Controller = new AAX_VController(controller);
        m_AutomationDelegate = new AAX_VAutomationDelegate(controller);
        m_Transport = new AAX_VTransport(controller);
        m_ParameterManager.SetAutomationDelegate(m_AutomationDelegate);
        m_PacketDispatcher.Initialize(m_Controller, this);
        const int32_t result = EffectInit();
        if (result != AAXResult::kSuccess)
            return result;
        AAX_CString bypassId;
        GetMasterBypassParameterID(&bypassId);
        ExcludeParameterFromChunk(bypassId.Get());
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::Uninitialize()
{
    m_ParameterManager.RemoveAllParameters();
    m_ParameterManager.SetAutomationDelegate(nullptr);
    m_PacketDispatcher.Initialize(nullptr, this);
    delete m_Controller;
    delete m_AutomationDelegate;
    delete m_Transport;
    m_Controller = nullptr;
    m_AutomationDelegate = nullptr;
    m_Transport = nullptr;
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::ReceiveNotification(uint32_t type, const void* data, uint32_t size)
{
    if (type == kPreviewNotification && data && size >= sizeof(int32_t)) {
        if (AAX_IParameter* preview = m_ParameterManager.GetParameterByID(kPreviewId)) {
            int32_t word = 0;
            memcpy(&word, data, sizeof word);
            preview->SetValueWithBool(word != 0);
        }
    }
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameterCount(int32_t* count) const
{
    *count = m_ParameterManager.GetParameterCount();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetMasterBypassParameterID(AAX_IString* id) const
{
    return AAXGuard([&] {
        *id = m_ParameterManager.GetParameterByID(kMasterBypassId) ? kMasterBypassId : "";
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::IsParameterAutomatable(const char* id, bool* automatable) const
{
    *automatable = false;
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *automatable = parameter->IsAutomatable();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameterStepCount(const char* id, int32_t* steps) const
{
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *steps = parameter->GetNumberOfSteps();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameterName(const char* id, AAX_IString* name) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        *name = parameter ? parameter->GetName().Get() : "";
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetParameterShortName(const char* id, AAX_IString* name, int32_t maxLength) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter) {
            *name = "";
            return AAXResult::kSuccess;
        }
        const std::string shortened = std::string(parameter->GetShortenedName(maxLength).Get()).substr(0, 255);
        std::vector<std::string> lines;
        for (size_t start = 0; start < shortened.size();) {
            const size_t end = shortened.find('\n', start);
            lines.push_back(shortened.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        const std::string* chosen = nullptr;
        for (const std::string& line : lines)
            if (!line.empty() && static_cast<int64_t>(line.size()) <= maxLength &&
                (!chosen || line.size() > chosen->size()))
                chosen = &line;
        if (chosen)
            *name = chosen->c_str();
        else if (!lines.empty())
            *name = shortened.c_str();
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetParameterDefaultNormalizedValue(const char* id, double* value) const
{
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *value = parameter->GetNormalizedDefaultValue();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::SetParameterDefaultNormalizedValue(const char* id, double value)
{
    AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    if (isnan(value))
        return AAXResult::kConversionRefused;
    parameter->SetNormalizedDefaultValue(value);
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameterType(const char* id, int32_t* type) const
{
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *type = parameter->GetType();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameterOrientation(const char* id, int32_t* orientation) const
{
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *orientation = parameter->GetOrientation();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetParameter(const char* id, AAX_IParameter** parameter)
{
    *parameter = m_ParameterManager.GetParameterByID(id);
    return *parameter ? AAXResult::kSuccess : AAXResult::kParameterNotFound;
}

int32_t AAX_CEffectParameters::GetParameterIndex(const char* id, int32_t* index) const
{
    *index = m_ParameterManager.GetParameterIndex(id);
    return *index >= 0 ? AAXResult::kSuccess : AAXResult::kParameterNotFound;
}

int32_t AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index, AAX_IString* id) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByIndex(index);
        *id = parameter ? parameter->GetIdentifier() : "";
        return parameter ? AAXResult::kSuccess : AAXResult::kParameterNotFound;
    });
}

int32_t AAX_CEffectParameters::GetParameterValueInfo(const char*, int32_t, int32_t* value) const
{
    *value = 0;
    return AAXResult::kNotServed;
}

int32_t AAX_CEffectParameters::GetParameterValueFromString(const char* id, double* value,
                                                           const AAX_IString& text) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        double normalized = *value;
        if (!parameter->GetNormalizedValueFromString(AAX_CString(text), &normalized))
            return AAXResult::kConversionRefused;
        *value = normalized;
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetParameterStringFromValue(const char* id, AAX_IString* text, int32_t maxLength,
                                                           double value) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        if (isnan(value))
            return AAXResult::kConversionRefused;
        AAX_CString result;
        if (!parameter->GetStringFromNormalizedValue(value, maxLength, result))
            return AAXResult::kConversionRefused;
        *text = result;
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetParameterValueString(const char* id, AAX_IString* text, int32_t maxLength) const
{
    return AAXGuard([&] {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        AAX_CString result;
        parameter->GetValueString(maxLength, &result);
        *text = result;
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetParameterNormalizedValue(const char* id, double* value) const
{
    const AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
    if (!parameter)
        return AAXResult::kParameterNotFound;
    *value = parameter->GetNormalizedValue();
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::SetParameterNormalizedValue(const char* id, double value)
{
    return AAXGuard([&] {
        AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        if (isnan(value))
            return AAXResult::kConversionRefused;
        parameter->SetNormalizedValue(value);
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::SetParameterNormalizedRelative(const char* id, double delta)
{
    double value = 0.0;
    const int32_t result = GetParameterNormalizedValue(id, &value);
    if (result != AAXResult::kSuccess)
        return result;
    return SetParameterNormalizedValue(id, Limit01(value + delta));
}

int32_t AAX_CEffectParameters::TouchParameter(const char* id)
{
    return AAXGuard([&] {
        AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        parameter->Touch();
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::ReleaseParameter(const char* id)
{
    return AAXGuard([&] {
        AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        parameter->ReleaseTouch();
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::UpdateParameterNormalizedValue(const char* id, double value, int32_t)
{
    return AAXGuard([&] {
        AAX_IParameter* parameter = m_ParameterManager.GetParameterByID(id);
        if (!parameter)
            return AAXResult::kParameterNotFound;
        if (isnan(value))
            return AAXResult::kConversionRefused;
        parameter->UpdateNormalizedValue(value);
        const int32_t result = m_PacketDispatcher.SetDirty(id, true);
        // Wraps like the host's counter instead of overflowing.
        m_ChangeCount = static_cast<int32_t>(static_cast<uint32_t>(m_ChangeCount) + 1u);
        return result;
    });
}

int32_t AAX_CEffectParameters::UpdateParameterNormalizedRelative(const char* id, double delta)
{
    double value = 0.0;
    const int32_t result = GetParameterNormalizedValue(id, &value);
    if (result != AAXResult::kSuccess)
        return result;
    return UpdateParameterNormalizedValue(id, Limit01(value + delta), 0);
}

int32_t AAX_CEffectParameters::PostDirtyPackets()
{
    return AAXGuard([&] { return m_PacketDispatcher.PostDirtyPackets(); });
}

int32_t AAX_CEffectParameters::ClearPrivateData(int32_t, void* data, int32_t size)
{
    if (data && size > 0)
        memset(data, 0, static_cast<size_t>(size));
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetChunkCount(int32_t* count) const
{
    *count = 1;
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, uint32_t* chunkId) const
{
    *chunkId = index == 0 ? kControlsChunkId : 0;
    return index == 0 ? AAXResult::kSuccess : AAXResult::kChunkIndexOutOfRange;
}

void AAX_CEffectParameters::ExcludeParameterFromChunk(const char* identifier)
{
    if (identifier)
        m_ExcludedIdentifiers.insert(identifier);
}

bool AAX_CEffectParameters::IsExcluded(const char* identifier) const
{
    return m_ExcludedIdentifiers.count(identifier) != 0;
}

void AAX_CEffectParameters::BuildChunkEntries()
{
    m_ChunkParser.Clear();
    const int32_t count = m_ParameterManager.GetParameterCount();
    for (int32_t i = 0; i < count; ++i) {
        const AAX_IParameter* parameter = m_ParameterManager.GetParameterByIndex(i);
        if (IsExcluded(parameter->GetIdentifier()))
            continue;
        const STypedValue value(*parameter);
        const char* name = parameter->GetIdentifier();
        switch (value.m_Kind) {
        case STypedValue::kFloat: m_ChunkParser.AddDouble(name, value.m_Float); break;
        case STypedValue::kInt32: m_ChunkParser.AddInt32(name, value.m_Int32); break;
        case STypedValue::kBool: m_ChunkParser.AddInt32(name, value.m_Bool ? 1 : 0); break;
        case STypedValue::kDouble: m_ChunkParser.AddDouble(name, value.m_Double); break;
        case STypedValue::kString: m_ChunkParser.AddString(name, value.m_Text); break;
        case STypedValue::kNone: break;
        }
    }
}

int32_t AAX_CEffectParameters::GetChunkSize(uint32_t chunkId, uint32_t* size)
{
    return AAXGuard([&] {
        *size = 0;
        if (chunkId != kControlsChunkId)
            return AAXResult::kChunkNotServed;
        BuildChunkEntries();
        m_ChunkSize = m_ChunkParser.GetChunkDataSize();
        *size = static_cast<uint32_t>(m_ChunkSize);
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetChunk(uint32_t chunkId, AAXChunkRecord* chunk)
{
    return AAXGuard([&] {
        if (chunkId != kControlsChunkId)
            return AAXResult::kChunkNotServed;
        BuildChunkEntries();
        if (m_ChunkSize == 0 || m_ChunkParser.GetChunkDataSize() != m_ChunkSize)
            return AAXResult::kChunkSizeMismatch;
        chunk->m_Version = m_ChunkParser.GetVersion();
        memset(chunk->m_Name, 0, sizeof chunk->m_Name);
        strncpy(chunk->m_Name, kControlsChunkName, sizeof chunk->m_Name - 1);
        return m_ChunkParser.WriteChunk(chunk);
    });
}

int32_t AAX_CEffectParameters::SetChunk(uint32_t chunkId, const AAXChunkRecord* chunk)
{
    return AAXGuard([&] {
        if (chunkId != kControlsChunkId)
            return AAXResult::kChunkNotServed;
        m_ChunkParser.ReadChunk(chunk);
        const int32_t count = m_ParameterManager.GetParameterCount();
        for (int32_t i = 0; i < count; ++i) {
            AAX_IParameter* parameter = m_ParameterManager.GetParameterByIndex(i);
            const char* name = parameter->GetIdentifier();
            if (IsExcluded(name))
                continue;
            const STypedValue value(*parameter);
            double storedDouble = 0.0;
            int32_t storedInt = 0;
            AAX_CString storedText;
            switch (value.m_Kind) {
            case STypedValue::kFloat:
                if (m_ChunkParser.FindDouble(name, &storedDouble))
                    parameter->SetValueWithFloat(static_cast<float>(storedDouble));
                break;
            case STypedValue::kInt32:
                if (m_ChunkParser.FindInt32(name, &storedInt))
                    parameter->SetValueWithInt32(storedInt);
                break;
            case STypedValue::kBool:
                if (m_ChunkParser.FindInt32(name, &storedInt))
                    parameter->SetValueWithBool(storedInt != 0);
                break;
            case STypedValue::kDouble:
                if (m_ChunkParser.FindDouble(name, &storedDouble))
                    parameter->SetValueWithDouble(storedDouble);
                break;
            case STypedValue::kString:
                if (m_ChunkParser.FindString(name, &storedText))
                    parameter->SetValueWithString(storedText);
                break;
            case STypedValue::kNone: break;
            }
        }
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::CompareActiveChunk(const AAXChunkRecord* chunk, bool* isEqual)
{
    return AAXGuard([&] {
        if (chunk->m_Identifier != kControlsChunkId) {
            *isEqual = true;
            return AAXResult::kSuccess;
        }
        *isEqual = false;
        m_ChunkParser.ReadChunk(chunk);
        const int32_t count = m_ParameterManager.GetParameterCount();
        for (int32_t i = 0; i < count; ++i) {
            const AAX_IParameter* parameter = m_ParameterManager.GetParameterByIndex(i);
            const char* name = parameter->GetIdentifier();
            if (IsExcluded(name))
                continue;
            const STypedValue value(*parameter);
            double storedDouble = 0.0;
            int32_t storedInt = 0;
            AAX_CString storedText;
            bool equal = true;
            switch (value.m_Kind) {
            case STypedValue::kFloat:
                equal = m_ChunkParser.FindDouble(name, &storedDouble) && static_cast<float>(storedDouble) == value.m_Float;
                break;
            case STypedValue::kInt32:
                equal = m_ChunkParser.FindInt32(name, &storedInt) && storedInt == value.m_Int32;
                break;
            case STypedValue::kBool:
                equal = m_ChunkParser.FindInt32(name, &storedInt) && (storedInt != 0) == value.m_Bool;
                break;
            case STypedValue::kDouble:
                equal = m_ChunkParser.FindDouble(name, &storedDouble) &&
                        static_cast<float>(storedDouble) == static_cast<float>(value.m_Double);
                break;
            case STypedValue::kString:
                equal = m_ChunkParser.FindString(name, &storedText) && storedText == value.m_Text;
                break;
            case STypedValue::kNone: break;
            }
            if (!equal)
                return AAXResult::kSuccess;
        }
        *isEqual = true;
        return AAXResult::kSuccess;
    });
}

int32_t AAX_CEffectParameters::GetChangeCount(int32_t* count) const
{
    if (m_ChangeCount >= 0)
        *count = m_ChangeCount;
    return AAXResult::kSuccess;
}

int32_t AAX_CEffectParameters::GetCustomData(uint32_t, uint32_t, void*, uint32_t* written)
{
    *written = 0;
    return AAXResult::kSuccess;
}
