#include "Veltis/Serialization/CDataBuffer.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

namespace {
const bool s_Registered = Runtime::RegisterObjectFactories<CDataBuffer>();
}

CDataBuffer::CDataBuffer(int size) : m_Cell(size) { (void)s_Registered; }

CDataBuffer::~CDataBuffer() {}

bool CDataBuffer::GetBool(bool& value) const { return m_Cell.GetBool(value); }
bool CDataBuffer::GetInt(int& value) const { return m_Cell.GetInt(value); }
bool CDataBuffer::GetFloat(float& value) const { return m_Cell.GetFloat(value); }
bool CDataBuffer::GetDouble(double& value) const { return m_Cell.GetDouble(value); }
bool CDataBuffer::GetString(char*& value) const { return m_Cell.GetString(value); }
bool CDataBuffer::GetData(void*& data, int& size) const { return m_Cell.GetData(data, size); }

bool CDataBuffer::GetObject(IDeSerialize& object) const
{
    const CMemDataObject* held = m_Cell.GetObject();
    return held && object.DeSerialize(*held);
}

bool CDataBuffer::SetBool(const bool& value) { return m_Cell.SetBool(value); }
bool CDataBuffer::SetInt(const int& value) { return m_Cell.SetInt(value); }
bool CDataBuffer::SetFloat(const float& value) { return m_Cell.SetFloat(value); }
bool CDataBuffer::SetDouble(const double& value) { return m_Cell.SetDouble(value); }
bool CDataBuffer::SetString(const char* value) { return m_Cell.SetString(value); }
bool CDataBuffer::SetData(const void* data, int size) { return m_Cell.SetData(data, size); }

bool CDataBuffer::SetObject(const ISerialize& object)
{
    m_Cell.Release();
    CMemDataObject* held = new CMemDataObject();
    const bool written = object.Serialize(*held);
    m_Cell.SetObject(held);
    return written;
}

bool CDataBuffer::IsEqual(const bool& value) const { return m_Cell.IsEqual(value); }
bool CDataBuffer::IsEqual(const int& value) const { return m_Cell.IsEqual(value); }
bool CDataBuffer::IsEqual(const float& value) const { return m_Cell.IsEqual(value); }
bool CDataBuffer::IsEqual(const double& value) const { return m_Cell.IsEqual(value); }
bool CDataBuffer::IsEqual(const char* value) const { return m_Cell.IsEqual(value); }
bool CDataBuffer::IsEqual(const void* data, int size) const { return m_Cell.IsEqual(data, size); }

bool CDataBuffer::Serialize(IWriteDataStream& stream) const
{
    const bool typeWritten = stream.WriteInt("type", m_Cell.GetType());
    if (m_Cell.GetType() == TDataCell<CMemDataObject>::kObject) {
        // A cell whose sub-object could not be read still writes an (empty) one.
        if (const CMemDataObject* held = m_Cell.GetObject()) {
            stream.WriteObject("value", *held);
        } else {
            const CMemDataObject empty;
            stream.WriteObject("value", empty);
        }
        return typeWritten;
    }
    const bool valueWritten =
        stream.WriteData("value", m_Cell.GetBytes(), static_cast<int>(m_Cell.GetSize()));
    return typeWritten && valueWritten;
}

bool CDataBuffer::DeSerialize(const IReadDataStream& stream)
{
    m_Cell.Release();
    int type = 0;
    bool result = stream.ReadInt("type", type);
    if (result)
        m_Cell.SetType(type);
    if (m_Cell.GetType() != TDataCell<CMemDataObject>::kObject) {
        void* data = nullptr;
        int size = 0;
        if (!stream.ReadData("value", data, size))
            return false;
        m_Cell.AdoptBytes(static_cast<unsigned char*>(data), size);
        return result;
    }
    CMemDataObject* held = new CMemDataObject();
    if (stream.ReadObject("value", *held)) {
        m_Cell.SetObject(held);
        return result;
    }
    delete held;
    return false;
}

const char* CDataBuffer::GetTypeId() const { return kClassId; }

} // namespace Serialization
} // namespace Veltis
