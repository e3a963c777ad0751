#include "Veltis/Serialization/CIncrementalMemDataObject.h"

#include "Veltis/Serialization/CIncrementalDataBuffer.h"

namespace Veltis {
namespace Serialization {

CIncrementalMemDataObject::CIncrementalMemDataObject(const CIncrementalMemDataObject* previous)
    : m_Previous(previous), m_Unchanged(previous != nullptr)
{
    m_Cells.reserve(100);
}

CIncrementalMemDataObject::~CIncrementalMemDataObject() { Clear(); }

const CSharedBufferCell* CIncrementalMemDataObject::GetCell(const char* name) const
{
    if (!name)
        return nullptr;
    const auto found = m_Cells.find(name);
    return found == m_Cells.end() ? nullptr : found->second;
}

bool CIncrementalMemDataObject::ReadBool(const char* name, bool& value) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetBool(value);
}

bool CIncrementalMemDataObject::ReadInt(const char* name, int& value) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetInt(value);
}

bool CIncrementalMemDataObject::ReadFloat(const char* name, float& value) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetFloat(value);
}

bool CIncrementalMemDataObject::ReadDouble(const char* name, double& value) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetDouble(value);
}

bool CIncrementalMemDataObject::ReadString(const char* name, char*& value) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetString(value);
}

bool CIncrementalMemDataObject::ReadData(const char* name, void*& data, int& size) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetData(data, size);
}

bool CIncrementalMemDataObject::ReadObject(const char* name, IDeSerialize& object) const
{
    const CSharedBufferCell* cell = GetCell(name);
    return cell && cell->GetBuffer()->GetObject(object);
}

bool CIncrementalMemDataObject::Exists(const char* name) const { return GetCell(name) != nullptr; }

bool CIncrementalMemDataObject::Insert(const char* name, CSharedBufferCell* cell)
{
    m_Cells[name] = cell;
    return true;
}

template <class Value>
bool CIncrementalMemDataObject::WritePlain(const char* name, const Value& value)
{
    if (!name)
        return false;
    Remove(name);
    const CSharedBufferCell* previous = m_Previous ? m_Previous->GetCell(name) : nullptr;
    if (previous && value.IsEqualTo(*previous->GetBuffer())) {
        CSharedBufferCell* shared = const_cast<CSharedBufferCell*>(previous);
        shared->AddReference();
        return Insert(name, shared);
    }
    m_Unchanged = false;
    CSharedBufferCell* cell = new CSharedBufferCell(new CIncrementalDataBuffer(0));
    if (!value.SetInto(*cell->GetBuffer())) {
        cell->Release();
        return false;
    }
    return Insert(name, cell);
}

namespace {

// A value to write: compared with a previous cell, then stored in a new one.
template <class T>
struct TPlainValue {
    const T& value;
    bool IsEqualTo(const CIncrementalDataBuffer& buffer) const { return buffer.IsEqual(value); }
};

struct CTextValue {
    const char* text;
    bool IsEqualTo(const CIncrementalDataBuffer& buffer) const { return buffer.IsEqual(text); }
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetString(text); }
};

struct CBlockValue {
    const void* data;
    int size;
    bool IsEqualTo(const CIncrementalDataBuffer& buffer) const { return buffer.IsEqual(data, size); }
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetData(data, size); }
};

struct CBoolValue : TPlainValue<bool> {
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetBool(value); }
};
struct CIntValue : TPlainValue<int> {
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetInt(value); }
};
struct CFloatValue : TPlainValue<float> {
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetFloat(value); }
};
struct CDoubleValue : TPlainValue<double> {
    bool SetInto(CIncrementalDataBuffer& buffer) const { return buffer.SetDouble(value); }
};

} // namespace

bool CIncrementalMemDataObject::WriteBool(const char* name, const bool& value)
{
    return WritePlain(name, CBoolValue{{value}});
}

bool CIncrementalMemDataObject::WriteInt(const char* name, const int& value)
{
    return WritePlain(name, CIntValue{{value}});
}

bool CIncrementalMemDataObject::WriteFloat(const char* name, const float& value)
{
    return WritePlain(name, CFloatValue{{value}});
}

bool CIncrementalMemDataObject::WriteDouble(const char* name, const double& value)
{
    return WritePlain(name, CDoubleValue{{value}});
}

bool CIncrementalMemDataObject::WriteString(const char* name, const char* value)
{
    return WritePlain(name, CTextValue{value});
}

bool CIncrementalMemDataObject::WriteData(const char* name, const void* data, int size)
{
    return WritePlain(name, CBlockValue{data, size});
}

bool CIncrementalMemDataObject::WriteObject(const char* name, const ISerialize& object)
{
    if (!name)
        return false;
    Remove(name);
    const CSharedBufferCell* previous = m_Previous ? m_Previous->GetCell(name) : nullptr;
    CSharedBufferCell* cell = new CSharedBufferCell(new CIncrementalDataBuffer(0));
    bool nestedUnchanged = false;
    const bool result =
        cell->GetBuffer()->SetObject(object, previous ? previous->GetBuffer() : nullptr, nestedUnchanged);
    m_Unchanged = m_Unchanged && nestedUnchanged;
    if (!result) {
        cell->Release();
        return false;
    }
    if (nestedUnchanged) {
        cell->Release();
        CSharedBufferCell* shared = const_cast<CSharedBufferCell*>(previous);
        shared->AddReference();
        return Insert(name, shared);
    }
    return Insert(name, cell);
}

void CIncrementalMemDataObject::Clear()
{
    for (auto& entry : m_Cells)
        entry.second->Release();
    m_Cells.clear();
}

bool CIncrementalMemDataObject::Remove(const char* name)
{
    if (!name)
        return true;
    const auto found = m_Cells.find(name);
    if (found != m_Cells.end()) {
        found->second->Release();
        m_Cells.erase(found);
    }
    return true;
}

int CIncrementalMemDataObject::GetValueCount() const { return static_cast<int>(m_Cells.size()); }

void CIncrementalMemDataObject::SetPrevious(const CIncrementalMemDataObject* previous)
{
    m_Previous = previous;
    m_Unchanged = false;
}

} // namespace Serialization
} // namespace Veltis
