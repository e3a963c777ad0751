#pragma once

namespace Veltis {
namespace Serialization {

class IDeSerialize;

// Read side of one typed value cell; a getter of another kind than the cell's returns false.
class IConstDataHolder {
public:
    virtual bool GetBool(bool& value) const = 0;
    virtual bool GetInt(int& value) const = 0;
    virtual bool GetFloat(float& value) const = 0;
    virtual bool GetDouble(double& value) const = 0;
    virtual bool GetString(char*& value) const = 0;
    virtual bool GetData(void*& data, int& size) const = 0;
    virtual bool GetObject(IDeSerialize& object) const = 0;
    virtual ~IConstDataHolder() {}
};

} // namespace Serialization
} // namespace Veltis
