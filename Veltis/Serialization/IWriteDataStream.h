#pragma once

namespace Veltis {
namespace Serialization {

class ISerialize;

// Named, typed values to write; writing a name again replaces its earlier value.
class IWriteDataStream {
public:
    virtual bool WriteBool(const char* name, const bool& value) = 0;
    virtual bool WriteInt(const char* name, const int& value) = 0;
    virtual bool WriteFloat(const char* name, const float& value) = 0;
    virtual bool WriteDouble(const char* name, const double& value) = 0;
    virtual bool WriteString(const char* name, const char* value) = 0;
    virtual bool WriteData(const char* name, const void* data, int size) = 0;
    virtual bool WriteObject(const char* name, const ISerialize& object) = 0;
    virtual ~IWriteDataStream() {}
};

} // namespace Serialization
} // namespace Veltis
