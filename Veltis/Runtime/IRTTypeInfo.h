#pragma once

namespace Veltis {
namespace Runtime {

// The run-time type record of an object: a readable name and an identifier (a GUID in braces).
class IRTTypeInfo {
public:
    virtual const char* GetTypeName() const = 0;
    virtual const char* GetTypeId() const = 0;
    virtual ~IRTTypeInfo() {}
};

} // namespace Runtime
} // namespace Veltis
