#include "Veltis/Containers/CNamedAttributes.h"

#include "Veltis/Containers/TStdConstValueIterator.h"

#include <memory>
#include <string_view>

namespace Veltis {
namespace Containers {

namespace {

typedef TStdConstValueIterator<const char*, CNamedAttributes::CTable, CNamedAttributes::CFirstAdapt> CNamesIterator;
typedef TStdConstValueIterator<const char*, CNamedAttributes::CTable, CNamedAttributes::CSecondAdapt> CValuesIterator;

} // namespace

std::size_t CNamedAttributes::CNameHash::operator()(const char* name) const
{
    return std::hash<std::string_view>()(name != nullptr ? std::string_view(name) : std::string_view());
}

CNamedAttributes::CNamedAttributes() : m_Table(100) {}

CNamedAttributes::CNamedAttributes(const CNamedAttributes& other)
    : IConstNamedAttributes(), INamedAttributes(), m_Table(100)
{
    SetValues(other, true);
}

CNamedAttributes::CNamedAttributes(const IConstNamedAttributes& other) : m_Table(100)
{
    SetValues(other, true);
}

CNamedAttributes::~CNamedAttributes()
{
    Clear();
}

void CNamedAttributes::SetValues(const IConstNamedAttributes& other, bool replace)
{
    std::unique_ptr<IConstValueIterator<const char*>> names(other.GetNamesIterator());
    std::unique_ptr<IConstValueIterator<const char*>> values(other.GetValuesIterator());
    if (!names || !values)
        return;
    for (names->First(), values->First(); !names->IsEnd() && !values->IsEnd(); names->Next(), values->Next()) {
        if (replace || GetValue(names->GetCurrent()) == nullptr)
            SetValue(names->GetCurrent(), values->GetCurrent());
    }
}

const char* CNamedAttributes::GetValue(const char* name) const
{
    if (name == nullptr)
        return nullptr;
    const auto found = m_Table.find(name);
    return found != m_Table.end() ? found->second.GetString() : nullptr;
}

IConstValueIterator<const char*>* CNamedAttributes::GetNamesIterator() const
{
    return new CNamesIterator(m_Table);
}

IConstValueIterator<const char*>* CNamedAttributes::GetValuesIterator() const
{
    return new CValuesIterator(m_Table);
}

void CNamedAttributes::SetValue(const char* name, const char* value)
{
    if (name == nullptr)
        return;
    const auto found = m_Table.find(name);
    if (found != m_Table.end()) {
        // The value may be the stored text itself; the string copes with that.
        found->second.Assign(value != nullptr ? value : "");
        return;
    }
    m_Table.emplace(Core::CCharString(name).Detach(), Core::CCharString(value != nullptr ? value : ""));
}

void CNamedAttributes::RemoveValue(const char* name)
{
    if (name == nullptr)
        return;
    const auto found = m_Table.find(name);
    if (found == m_Table.end())
        return;
    const char* key = found->first;
    m_Table.erase(found);
    delete[] key;
}

void CNamedAttributes::Clear()
{
    for (auto& entry : m_Table)
        delete[] entry.first;
    m_Table.clear();
}

} // namespace Containers
} // namespace Veltis
