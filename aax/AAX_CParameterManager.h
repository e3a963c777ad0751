#pragma once

#include <stdint.h>

#include <map>
#include <string>
#include <vector>

class AAX_IParameter;
class AAX_IAutomationDelegate;

// The host parameters of one effect in registration order, owned, and found by identifier.
class AAX_CParameterManager {
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager() { RemoveAllParameters(); }
    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;

    // Takes the parameter over, or deletes it when its identifier is already registered; false then.
    bool AddParameter(AAX_IParameter* parameter);
    void RemoveAllParameters();
    int32_t GetParameterCount() const { return static_cast<int32_t>(m_Parameters.size()); }
    AAX_IParameter* GetParameterByID(const char* identifier) const;
    int32_t GetParameterIndex(const char* identifier) const;
    AAX_IParameter* GetParameterByIndex(int32_t index) const;
    // Handed to every parameter added afterwards.
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) { m_AutomationDelegate = delegate; }

private:
    AAX_IAutomationDelegate* m_AutomationDelegate = nullptr;
    std::vector<AAX_IParameter*> m_Parameters;
    std::map<std::string, AAX_IParameter*> m_ByIdentifier;
};
