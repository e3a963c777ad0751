#include "Veltis/SkinEngine/CDynamicObjectsDictionary.h"

#include "Veltis/Containers/TStdConstIterator.h"
#include "Veltis/Containers/TStdConstValueIterator.h"
#include "Veltis/Containers/TStdIterator.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Runtime/IDynamicObject.h"

#include <cstring>

namespace Veltis {
namespace SkinEngine {

std::size_t CDynamicObjectsDictionary::CIdHash::operator()(const char* id) const
{
    std::size_t h = 0;
    for (const char* c = id; c && *c; ++c)
        h = h * 31 + static_cast<unsigned char>(*c);
    return h;
}

CDynamicObjectsDictionary::CDynamicObjectsDictionary(Core::IMessageLog* log) : m_Log(log) {}

CDynamicObjectsDictionary::~CDynamicObjectsDictionary()
{
    Clear();
}

void CDynamicObjectsDictionary::Clear()
{
    CTable entries;
    entries.swap(m_Table);
    for (auto& entry : entries) {
        delete entry.second;
        delete[] entry.first;
    }
}

bool CDynamicObjectsDictionary::AddObject(const char* id, Runtime::IDynamicObject* object, int owned)
{
    Holder* holder = new Holder(object, owned);
    if (id == nullptr || object == nullptr) {
        delete holder;
        return false;
    }
    char* key = new char[std::strlen(id) + 1];
    std::strcpy(key, id);
    if (!m_Table.emplace(key, holder).second) {
        if (m_Log) {
            Core::CCharString text("'");
            text.Append(id);
            text.Append("' : this object identifier already exists, use another identifier.");
            m_Log->AddMessage(0, text.GetString(), 0);
        }
        delete holder;
        delete[] key;
        return false;
    }
    Entry entry{key, object};
    m_AddedEvent.Notify(entry);
    return true;
}

CDynamicObjectsDictionary::Holder* CDynamicObjectsDictionary::TakeOut(const char* id)
{
    if (id == nullptr || m_Table.find(id) == m_Table.end())
        return nullptr;
    Entry entry{id, m_Table.find(id)->second->Get()};
    m_RemovedEvent.Notify(entry);
    // A listener may have changed the table meanwhile.
    const auto found = m_Table.find(id);
    if (found == m_Table.end())
        return nullptr;
    Holder* holder = found->second;
    const char* key = found->first;
    m_Table.erase(found);
    delete[] key;
    return holder;
}

Runtime::IDynamicObject* CDynamicObjectsDictionary::DetachObject(const char* id, int* owned)
{
    Holder* holder = TakeOut(id);
    if (holder == nullptr)
        return nullptr;
    if (owned)
        *owned = holder->GetOwned();
    Runtime::IDynamicObject* object = holder->Get();
    holder->SetOwned(0);
    delete holder;
    return object;
}

void CDynamicObjectsDictionary::RemoveObject(const char* id)
{
    delete TakeOut(id);
}

Runtime::IDynamicObject* CDynamicObjectsDictionary::GetObject(const char* id)
{
    if (id == nullptr)
        return nullptr;
    const auto found = m_Table.find(id);
    return found != m_Table.end() ? found->second->Get() : nullptr;
}

Containers::IIterator<Runtime::IDynamicObject>* CDynamicObjectsDictionary::GetObjectsIterator()
{
    return new Containers::TStdIterator<Runtime::IDynamicObject, CTable, CDicoConverter>(m_Table);
}

Containers::IConstIterator<Runtime::IDynamicObject>* CDynamicObjectsDictionary::GetConstObjectsIterator() const
{
    return new Containers::TStdConstIterator<Runtime::IDynamicObject, CTable, CDicoConstConverter>(m_Table);
}

Containers::IConstValueIterator<const char*>* CDynamicObjectsDictionary::GetIdsIterator() const
{
    return new Containers::TStdConstValueIterator<const char*, CTable, CIdConverter>(m_Table);
}

Core::IMessageLog* CDynamicObjectsDictionary::SetMessageLog(Core::IMessageLog* log)
{
    Core::IMessageLog* previous = m_Log;
    m_Log = log;
    return previous;
}

} // namespace SkinEngine
} // namespace Veltis
