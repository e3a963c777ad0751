#pragma once

#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"

namespace Veltis {
namespace Serialization {

// A stream that can be both written and read; every concrete stream is one.
class IReadWriteDataStream : public virtual IReadDataStream, public virtual IWriteDataStream {
public:
    ~IReadWriteDataStream() override {}
};

} // namespace Serialization
} // namespace Veltis
