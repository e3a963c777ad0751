#include "Veltis/Runtime/CObjectsFactory.h"

namespace Veltis {
namespace Runtime {

namespace {

Core::CCharString MakeKey(const char* classId, const char* interfaceId)
{
    Core::CCharString key(classId);
    key.Append("-");
    key.Append(interfaceId);
    return key;
}

} // namespace

CObjectsFactory* CObjectsFactory::GetInstance()
{
    static CObjectsFactory instance;
    return &instance;
}

CObjectsFactory::CObjectsFactory() : m_Factories(100) {}

CObjectsFactory::~CObjectsFactory() {}

bool CObjectsFactory::RegisterFactory(const char* classId, const char* interfaceId, IObjectFactory* factory)
{
    if (classId == nullptr || interfaceId == nullptr || factory == nullptr)
        return false;
    return m_Factories.emplace(MakeKey(classId, interfaceId), factory).second;
}

void* CObjectsFactory::CreateObject(const char* classId, const char* interfaceId)
{
    if (classId == nullptr || interfaceId == nullptr)
        return nullptr;
    const auto found = m_Factories.find(MakeKey(classId, interfaceId));
    if (found == m_Factories.end())
        return nullptr;
    return found->second->CreateObject(classId, interfaceId);
}

void* CObjectsFactory::CreateObject(const char* classId) { return CreateObject(classId, classId); }

bool RegisterObjectFactory(const char* classId, const char* interfaceId, IObjectFactory* factory)
{
    return CObjectsFactory::GetInstance()->RegisterFactory(classId, interfaceId, factory);
}

} // namespace Runtime
} // namespace Veltis
