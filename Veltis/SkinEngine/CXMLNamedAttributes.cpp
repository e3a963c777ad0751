#include "Veltis/SkinEngine/CXMLNamedAttributes.h"

#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLException.hpp>

namespace Veltis {
namespace SkinEngine {

void CXMLNamedAttributes::AddXMLAttribute(const XMLCh* qualifiedName, const XMLCh* value)
{
    Core::CCharString name;
    Core::CCharString text;
    Transcode(qualifiedName, name);
    Transcode(value, text);
    SetValue(name.GetString(), text.GetString());
}

void CXMLNamedAttributes::Transcode(const XMLCh* text, Core::CCharString& out)
{
    out.Clear();
    if (text == nullptr)
        return;
    try {
        xercesc::TranscodeToStr utf8(text, "UTF-8");
        out.Assign(reinterpret_cast<const char*>(utf8.str()));
    } catch (const xercesc::XMLException&) {
        out.Clear();
    }
}

} // namespace SkinEngine
} // namespace Veltis
