#include "Veltis/Serialization/CMemDataObject.h"

#include "Veltis/Serialization/CDataBuffer.h"
#include "Veltis/Serialization/CIndexedName.h"

namespace Veltis {
namespace Serialization {

CMemDataObject::CMemDataObject() { m_Cells.reserve(100); }

CMemDataObject::~CMemDataObject() {}

const CDataBuffer* CMemDataObject::GetCell(const char* name) const
{
    if (!name)
        return nullptr;
    const auto found = m_Cells.find(name);
    return found == m_Cells.end() ? nullptr : found->second.get();
}

bool CMemDataObject::ReadBool(const char* name, bool& value) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetBool(value);
}

bool CMemDataObject::ReadInt(const char* name, int& value) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetInt(value);
}

bool CMemDataObject::ReadFloat(const char* name, float& value) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetFloat(value);
}

bool CMemDataObject::ReadDouble(const char* name, double& value) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetDouble(value);
}

bool CMemDataObject::ReadString(const char* name, char*& value) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetString(value);
}

bool CMemDataObject::ReadData(const char* name, void*& data, int& size) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetData(data, size);
}

bool CMemDataObject::ReadObject(const char* name, IDeSerialize& object) const
{
    const CDataBuffer* cell = GetCell(name);
    return cell && cell->GetObject(object);
}

bool CMemDataObject::Exists(const char* name) const { return GetCell(name) != nullptr; }

template <class Setter>
bool CMemDataObject::Write(const char* name, Setter set)
{
    if (!name)
        return false;
    Remove(name);
    std::unique_ptr<CDataBuffer> cell(new CDataBuffer(0));
    if (!set(*cell))
        return false;
    m_Cells[name] = std::move(cell);
    return true;
}

bool CMemDataObject::WriteBool(const char* name, const bool& value)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetBool(value); });
}

bool CMemDataObject::WriteInt(const char* name, const int& value)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetInt(value); });
}

bool CMemDataObject::WriteFloat(const char* name, const float& value)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetFloat(value); });
}

bool CMemDataObject::WriteDouble(const char* name, const double& value)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetDouble(value); });
}

bool CMemDataObject::WriteString(const char* name, const char* value)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetString(value); });
}

bool CMemDataObject::WriteData(const char* name, const void* data, int size)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetData(data, size); });
}

bool CMemDataObject::WriteObject(const char* name, const ISerialize& object)
{
    return Write(name, [&](CDataBuffer& cell) { return cell.SetObject(object); });
}

bool CMemDataObject::Remove(const char* name)
{
    if (name)
        m_Cells.erase(name);
    return true;
}

void CMemDataObject::Clear() { m_Cells.clear(); }

int CMemDataObject::GetValueCount() const { return static_cast<int>(m_Cells.size()); }

bool CMemDataObject::Serialize(IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("ItemsCount", static_cast<int>(m_Cells.size()));
    CIndexedName itemNames("ItemName");
    CIndexedName items("Item");
    int i = 0;
    for (const auto& entry : m_Cells) {
        result = stream.WriteString(itemNames.Get(i), entry.first.c_str()) && result;
        result = stream.WriteObject(items.Get(i), *entry.second) && result;
        ++i;
    }
    return result;
}

bool CMemDataObject::DeSerialize(const IReadDataStream& stream)
{
    Clear();
    int count = 0;
    bool result = stream.ReadInt("ItemsCount", count);
    // Every item is at least one of the stream's values.
    if (count < 0 || count > stream.GetValueCount())
        return false;
    CIndexedName itemNames("ItemName");
    CIndexedName items("Item");
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CDataBuffer> cell(new CDataBuffer(0));
        const bool cellRead = stream.ReadObject(items.Get(i), *cell);
        char* name = nullptr;
        const bool nameRead = stream.ReadString(itemNames.Get(i), name) && name;
        if (cellRead && nameRead)
            m_Cells.emplace(name, std::move(cell));
        else
            result = false;
        delete[] name;
    }
    return result;
}

} // namespace Serialization
} // namespace Veltis
