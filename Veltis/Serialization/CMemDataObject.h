#pragma once

#include "Veltis/Serialization/IReadWriteDataStream.h"
#include "Veltis/Serialization/ISerializable.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace Veltis {
namespace Serialization {

class CDataBuffer;

// An in-memory data stream: a table of named, typed cells. It is itself serializable, so a whole
// memory object can be stored in another stream (an XML document) and read back.
class CMemDataObject : public virtual IReadWriteDataStream, public virtual ISerializable {
public:
    CMemDataObject();

    bool ReadBool(const char* name, bool& value) const override;
    bool ReadInt(const char* name, int& value) const override;
    bool ReadFloat(const char* name, float& value) const override;
    bool ReadDouble(const char* name, double& value) const override;
    bool ReadString(const char* name, char*& value) const override;
    bool ReadData(const char* name, void*& data, int& size) const override;
    bool ReadObject(const char* name, IDeSerialize& object) const override;
    ~CMemDataObject() override;
    virtual bool Exists(const char* name) const;
    bool WriteBool(const char* name, const bool& value) override;
    bool WriteInt(const char* name, const int& value) override;
    bool WriteFloat(const char* name, const float& value) override;
    bool WriteDouble(const char* name, const double& value) override;
    bool WriteString(const char* name, const char* value) override;
    bool WriteData(const char* name, const void* data, int size) override;
    bool WriteObject(const char* name, const ISerialize& object) override;
    virtual bool Remove(const char* name);
    virtual void Clear();
    bool Serialize(IWriteDataStream& stream) const override;
    bool DeSerialize(const IReadDataStream& stream) override;

    int GetValueCount() const override;
    // The cell stored under a name, or null.
    const CDataBuffer* GetCell(const char* name) const;

private:
    template <class Setter>
    bool Write(const char* name, Setter set);

    std::unordered_map<std::string, std::unique_ptr<CDataBuffer>> m_Cells;
};

} // namespace Serialization
} // namespace Veltis
