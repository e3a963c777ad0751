#include "aax/AAX_CParameterManager.h"

#include <string.h>

#include <memory>

#include "aax/AAX_IParameter.h"

bool AAX_CParameterManager::AddParameter(AAX_IParameter* parameter)
{
    std::unique_ptr<AAX_IParameter> owned(parameter);
    if (!parameter || m_ByIdentifier.count(parameter->GetIdentifier()))
        return false;
    m_Parameters.reserve(m_Parameters.size() + 1);
    m_ByIdentifier.emplace(parameter->GetIdentifier(), parameter);
    m_Parameters.push_back(owned.release());
    parameter->SetAutomationDelegate(m_AutomationDelegate);
    return true;
}

void AAX_CParameterManager::RemoveAllParameters()
{
    for (AAX_IParameter* parameter : m_Parameters)
        delete parameter;
    m_Parameters.clear();
    m_ByIdentifier.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID(const char* identifier) const
{
    if (!identifier)
        return nullptr;
    const auto found = m_ByIdentifier.find(identifier);
    return found == m_ByIdentifier.end() ? nullptr : found->second;
}

int32_t AAX_CParameterManager::GetParameterIndex(const char* identifier) const
{
    if (!identifier)
        return -1;
    for (size_t i = 0; i < m_Parameters.size(); ++i)
        if (strcmp(m_Parameters[i]->GetIdentifier(), identifier) == 0)
            return static_cast<int32_t>(i);
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameterByIndex(int32_t index) const
{
    return index >= 0 && index < GetParameterCount() ? m_Parameters[static_cast<size_t>(index)] : nullptr;
}
