#pragma once

#include <stdint.h>

#include <set>
#include <string>

#include "aax/AAX_CChunkDataParser.h"
#include "aax/AAX_CPacketDispatcher.h"
#include "aax/AAX_CParameterManager.h"
#include "aax/AAX_IEffectParameters.h"
#include "aax/CACFUnknown.h"

class AAX_VController;
class AAX_VAutomationDelegate;
class AAX_VTransport;

// The base of an instance's parameters-and-state object: answers the host's parameter requests from
// the host parameters a derived class registers, keeps the host's controller, automation delegate
// and transport, serves the default chunk "Complete Controls State" ('elck') holding every
// parameter's value, and posts parameter packets through its dispatcher.
class AAX_CEffectParameters : public AAX_IEffectParameters, public CACFUnknown {
public:
    static constexpr uint32_t kControlsChunkId = 0x656C636B;

    AAX_CEffectParameters() = default;
    ~AAX_CEffectParameters() override;

    int32_t QueryInterface(const ACFIdentifier& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    int32_t Initialize(IACFUnknown* controller) override;
    int32_t Uninitialize() override;
    int32_t ReceiveNotification(uint32_t type, const void* data, uint32_t size) override;
    int32_t GetParameterCount(int32_t* count) const override;
    int32_t GetMasterBypassParameterID(AAX_IString* id) const override;
    int32_t IsParameterAutomatable(const char* id, bool* automatable) const override;
    int32_t GetParameterStepCount(const char* id, int32_t* steps) const override;
    int32_t GetParameterName(const char* id, AAX_IString* name) const override;
    int32_t GetParameterShortName(const char* id, AAX_IString* name, int32_t maxLength) const override;
    int32_t GetParameterDefaultNormalizedValue(const char* id, double* value) const override;
    int32_t SetParameterDefaultNormalizedValue(const char* id, double value) override;
    int32_t GetParameterType(const char* id, int32_t* type) const override;
    int32_t GetParameterOrientation(const char* id, int32_t* orientation) const override;
    int32_t GetParameter(const char* id, AAX_IParameter** parameter) override;
    int32_t GetParameterIndex(const char* id, int32_t* index) const override;
    int32_t GetParameterIDFromIndex(int32_t index, AAX_IString* id) const override;
    int32_t GetParameterValueInfo(const char* id, int32_t selector, int32_t* value) const override;
    int32_t GetParameterValueFromString(const char* id, double* value, const AAX_IString& text) const override;
    int32_t GetParameterStringFromValue(const char* id, AAX_IString* text, int32_t maxLength,
                                        double value) const override;
    int32_t GetParameterValueString(const char* id, AAX_IString* text, int32_t maxLength) const override;
    int32_t GetParameterNormalizedValue(const char* id, double* value) const override;
    // A NaN value is refused (-20002) and changes nothing.
    int32_t SetParameterNormalizedValue(const char* id, double value) override;
    int32_t SetParameterNormalizedRelative(const char* id, double delta) override;
    int32_t TouchParameter(const char* id) override;
    int32_t ReleaseParameter(const char* id) override;
    int32_t Reserved1() override { return 0; }
    // A NaN value is refused (-20002) and changes nothing.
    int32_t UpdateParameterNormalizedValue(const char* id, double value, int32_t source) override;
    int32_t UpdateParameterNormalizedRelative(const char* id, double delta) override;
    int32_t PostDirtyPackets() override;
    int32_t ClearPrivateData(int32_t field, void* data, int32_t size) override;
    int32_t GetChunkCount(int32_t* count) const override;
    int32_t GetChunkIDFromIndex(int32_t index, uint32_t* chunkId) const override;
    int32_t GetChunkSize(uint32_t chunkId, uint32_t* size) override;
    int32_t GetChunk(uint32_t chunkId, AAXChunkRecord* chunk) override;
    int32_t SetChunk(uint32_t chunkId, const AAXChunkRecord* chunk) override;
    int32_t CompareActiveChunk(const AAXChunkRecord* chunk, bool* isEqual) override;
    int32_t GetChangeCount(int32_t* count) const override;
    int32_t Reserved2() override { return 0; }
    int32_t Reserved3() override { return -20009; }
    int32_t GetCustomData(uint32_t type, uint32_t size, void* data, uint32_t* written) override;
    int32_t Reserved4() override { return 0; }
    int32_t Reserved5() override { return 0; }
    int32_t Reserved6() override { return -20009; }
    int32_t Reserved7() override { return 0; }
    int32_t Reserved8() override { return 0; }

    int32_t InternalQueryInterface(const ACFIdentifier& iid, void** out) override;

protected:
    // The derived class's own initialisation, once the controller is known.
    virtual int32_t EffectInit() { return 0; }

    AAX_VController* GetController() const { return m_Controller; }
    AAX_VAutomationDelegate* GetAutomationDelegate() const { return m_AutomationDelegate; }
    AAX_CParameterManager& GetParameterManager() { return m_ParameterManager; }
    AAX_CPacketDispatcher& GetPacketDispatcher() { return m_PacketDispatcher; }
    // The default chunk neither writes, restores nor compares this parameter.
    void ExcludeParameterFromChunk(const char* identifier);

private:
    void BuildChunkEntries();
    bool IsExcluded(const char* identifier) const;

    int32_t m_ChangeCount = 0;
    int32_t m_ChunkSize = 0;
    AAX_CChunkDataParser m_ChunkParser;
    AAX_CPacketDispatcher m_PacketDispatcher;
    AAX_CParameterManager m_ParameterManager;
    std::set<std::string> m_ExcludedIdentifiers;
    AAX_VController* m_Controller = nullptr;
    AAX_VTransport* m_Transport = nullptr;
    AAX_VAutomationDelegate* m_AutomationDelegate = nullptr;
};
