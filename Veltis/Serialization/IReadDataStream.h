#pragma once

namespace Veltis {
namespace Serialization {

class IDeSerialize;

// Named, typed values to read. A read of an absent name returns false and leaves its output as it
// was; text and blocks come back in new[] buffers that the caller deletes.
class IReadDataStream {
public:
    virtual bool ReadBool(const char* name, bool& value) const = 0;
    virtual bool ReadInt(const char* name, int& value) const = 0;
    virtual bool ReadFloat(const char* name, float& value) const = 0;
    virtual bool ReadDouble(const char* name, double& value) const = 0;
    virtual bool ReadString(const char* name, char*& value) const = 0;
    virtual bool ReadData(const char* name, void*& data, int& size) const = 0;
    virtual bool ReadObject(const char* name, IDeSerialize& object) const = 0;
    virtual ~IReadDataStream() {}

    // How many named values this stream holds at its own level: no count read from it can be larger,
    // so readers check counts against it before they loop or allocate.
    virtual int GetValueCount() const = 0;
};

} // namespace Serialization
} // namespace Veltis
