#pragma once

#include "Veltis/Containers/CNamedAttributes.h"

#include <xercesc/util/XercesDefs.hpp>

namespace Veltis {
namespace SkinEngine {

// The attributes of one element read from a skin file, as UTF-8 text.
class CXMLNamedAttributes : public Containers::CNamedAttributes {
public:
    // A name given twice keeps the last value.
    virtual void AddXMLAttribute(const XMLCh* qualifiedName, const XMLCh* value);

    // UTF-8 text of a library string; "" for null.
    static void Transcode(const XMLCh* text, Core::CCharString& out);
};

} // namespace SkinEngine
} // namespace Veltis
