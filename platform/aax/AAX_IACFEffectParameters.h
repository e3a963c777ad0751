#pragma once

#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/AAX_IString.h"
#include "platform/aax/IACFUnknown.h"

class AAX_IParameter;

// The module's per-instance parameters and state object as the host calls it. Acknowledged entries
// (answer 0) and refused ones (answer -20009) are named ReservedN; they keep the slot order.
class AAX_IACFEffectParameters : public IACFUnknown {
public:
    virtual int32_t Initialize(IACFUnknown* controller) = 0;
    virtual int32_t Uninitialize() = 0;
    virtual int32_t ReceiveNotification(uint32_t type, const void* data, uint32_t size) = 0;
    virtual int32_t GetParameterCount(int32_t* count) const = 0;
    virtual int32_t GetMasterBypassParameterID(AAX_IString* id) const = 0;
    virtual int32_t IsParameterAutomatable(const char* id, bool* automatable) const = 0;
    virtual int32_t GetParameterStepCount(const char* id, int32_t* steps) const = 0;
    virtual int32_t GetParameterName(const char* id, AAX_IString* name) const = 0;
    virtual int32_t GetParameterShortName(const char* id, AAX_IString* name, int32_t maxLength) const = 0;
    virtual int32_t GetParameterDefaultNormalizedValue(const char* id, double* value) const = 0;
    virtual int32_t SetParameterDefaultNormalizedValue(const char* id, double value) = 0;
    virtual int32_t GetParameterType(const char* id, int32_t* type) const = 0;
    virtual int32_t GetParameterOrientation(const char* id, int32_t* orientation) const = 0;
    virtual int32_t GetParameter(const char* id, AAX_IParameter** parameter) = 0;
    virtual int32_t GetParameterIndex(const char* id, int32_t* index) const = 0;
    virtual int32_t GetParameterIDFromIndex(int32_t index, AAX_IString* id) const = 0;
    virtual int32_t GetParameterValueInfo(const char* id, int32_t selector, int32_t* value) const = 0;
    virtual int32_t GetParameterValueFromString(const char* id, double* value, const AAX_IString& text) const = 0;
    virtual int32_t GetParameterStringFromValue(const char* id, AAX_IString* text, int32_t maxLength,
                                                double value) const = 0;
    virtual int32_t GetParameterValueString(const char* id, AAX_IString* text, int32_t maxLength) const = 0;
    virtual int32_t GetParameterNormalizedValue(const char* id, double* value) const = 0;
    virtual int32_t SetParameterNormalizedValue(const char* id, double value) = 0;
    virtual int32_t SetParameterNormalizedRelative(const char* id, double delta) = 0;
    virtual int32_t TouchParameter(const char* id) = 0;
    virtual int32_t ReleaseParameter(const char* id) = 0;
    virtual int32_t Reserved1() = 0;
    virtual int32_t UpdateParameterNormalizedValue(const char* id, double value, int32_t source) = 0;
    virtual int32_t UpdateParameterNormalizedRelative(const char* id, double delta) = 0;
    virtual int32_t PostDirtyPackets() = 0;
    virtual int32_t ClearPrivateData(int32_t field, void* data, int32_t size) = 0;
    virtual int32_t GetChunkCount(int32_t* count) const = 0;
    virtual int32_t GetChunkIDFromIndex(int32_t index, uint32_t* chunkId) const = 0;
    virtual int32_t GetChunkSize(uint32_t chunkId, uint32_t* size) = 0;
    virtual int32_t GetChunk(uint32_t chunkId, AAXChunkRecord* chunk) = 0;
    virtual int32_t SetChunk(uint32_t chunkId, const AAXChunkRecord* chunk) = 0;
    virtual int32_t CompareActiveChunk(const AAXChunkRecord* chunk, bool* isEqual) = 0;
    virtual int32_t GetChangeCount(int32_t* count) const = 0;
    virtual int32_t Reserved2() = 0;
    virtual int32_t Reserved3() = 0;
    // data points to a buffer of size bytes; *written receives the number of bytes written.
    virtual int32_t GetCustomData(uint32_t type, uint32_t size, void* data, uint32_t* written) = 0;
    virtual int32_t Reserved4() = 0;
    virtual int32_t Reserved5() = 0;
    virtual int32_t Reserved6() = 0;
    virtual int32_t Reserved7() = 0;
    virtual int32_t Reserved8() = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

// The second version adds no entry the module serves; the host may query either identifier.
class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters {
protected:
    ~AAX_IACFEffectParameters_V2() = default;
};
