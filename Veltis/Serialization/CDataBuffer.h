#pragma once

#include "Veltis/Serialization/IDataHolder.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/TDataCell.h"

#include <cstdint>

namespace Veltis {
namespace Serialization {

class CMemDataObject;

// One typed value of a memory data object: a bool, int, float, double, string, binary block or
// sub-object, written into other streams as "type" and "value".
class CDataBuffer : public virtual IDataHolder, public virtual ISerializable {
public:
    static constexpr const char* kClassId = "{E39EF26D-BED5-40a7-8E3F-F563B4FC5CCE}";

    explicit CDataBuffer(int size = 0);
    ~CDataBuffer() override;

    bool GetBool(bool& value) const override;
    bool GetInt(int& value) const override;
    bool GetFloat(float& value) const override;
    bool GetDouble(double& value) const override;
    bool GetString(char*& value) const override;
    bool GetData(void*& data, int& size) const override;
    bool GetObject(IDeSerialize& object) const override;
    bool SetBool(const bool& value) override;
    bool SetInt(const int& value) override;
    bool SetFloat(const float& value) override;
    bool SetDouble(const double& value) override;
    bool SetString(const char* value) override;
    bool SetData(const void* data, int size) override;
    bool SetObject(const ISerialize& object) override;
    virtual bool IsEqual(const bool& value) const;
    virtual bool IsEqual(const int& value) const;
    virtual bool IsEqual(const float& value) const;
    virtual bool IsEqual(const double& value) const;
    virtual bool IsEqual(const char* value) const;
    virtual bool IsEqual(const void* data, int size) const;
    bool Serialize(IWriteDataStream& stream) const override;
    bool DeSerialize(const IReadDataStream& stream) override;
    virtual const char* GetTypeId() const;

    int64_t GetSize() const { return m_Cell.GetSize(); }
    // -1 empty, 0 sub-object, 1 bool, 2 int, 3 float, 4 double, 5 string, 6 binary.
    int GetType() const { return m_Cell.GetType(); }

private:
    TDataCell<CMemDataObject> m_Cell;
};

} // namespace Serialization
} // namespace Veltis
