// Loads an XML data document from untrusted bytes and reads typed values, nested memory objects,
// vectors, lists, attribute sets and polymorphic members from it, then prints it again. Also checks
// that the text guard never passes a text that the parser nests deeper than the guard's limit.

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Serialization/CDataBuffer.h"
#include "Veltis/Serialization/CIncrementalMemDataObject.h"
#include "Veltis/Serialization/CMemDataObject.h"
#include "Veltis/Serialization/CNamedAttributesDeSerializer.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/CXmlDocHolder.h"
#include "Veltis/Serialization/CXmlTextGuard.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"
#include "Veltis/Serialization/TSerializableNamedValue.h"
#include "Veltis/Serialization/TStdContainerDeSerializer.h"

#include <tinyxml.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <list>
#include <string>

namespace Veltis {
namespace Runtime {
// Memory cells register under their class identifier only; that is the interface asked for here.
template <>
struct TInterfaceId<Serialization::CDataBuffer> {
    static constexpr const char* Get() { return Serialization::CDataBuffer::kClassId; }
};
} // namespace Runtime
} // namespace Veltis

using namespace Veltis::Serialization;

namespace {

void ReadScalars(const IReadDataStream& stream)
{
    for (const char* name : {"version", "name", "gain", "value", "type", "isNull", "count", "ItemsCount"}) {
        bool b = false;
        int i = 0;
        float f = 0;
        double d = 0;
        char* text = nullptr;
        void* data = nullptr;
        int size = 0;
        stream.ReadBool(name, b);
        stream.ReadInt(name, i);
        stream.ReadFloat(name, f);
        stream.ReadDouble(name, d);
        if (stream.ReadString(name, text))
            delete[] text;
        if (stream.ReadData(name, data, size))
            delete[] static_cast<unsigned char*>(data);
    }
}

void ReadStructures(const IReadDataStream& stream)
{
    CMemDataObject memory;
    memory.DeSerialize(stream);
    ReadScalars(memory);

    CXmlDataObject copy("Copy", 0);
    copy.WriteObject("state", memory);
    char* text = nullptr;
    if (copy.GetText(text))
        delete[] text;

    CIncrementalMemDataObject first(nullptr);
    memory.Serialize(first);
    CIncrementalMemDataObject second(&first);
    memory.Serialize(second);

    Veltis::Core::TDynamicVector<float> values;
    TDynamicVectorDeSerializer<Veltis::Core::TDynamicVector<float>>(&values, "value").DeSerialize(stream);

    typedef std::list<TSerializableNamedValue<char*>> TextList;
    TextList texts;
    TStdContainerDeSerializer<TSerializableNamedValue<char*>, TextList>(&texts, "param").DeSerialize(stream);

    Veltis::Containers::CNamedAttributes attributes;
    CNamedAttributesDeSerializer(&attributes).DeSerialize(stream);

    TRuntimeDeSerializer<CDataBuffer> member;
    member.DeSerialize(stream);
    delete member.GetObject();
}

// The guard's limit, and a low one that makes its strict scan read short texts too, so that a
// disagreement between scan and parser shows without a huge input.
void CheckGuardAgainstParser(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text.resize(std::strlen(text.c_str()));
    for (int limit : {CXmlDocHolder::kMaxDepth, 3}) {
        if (!CXmlTextGuard::IsSafeToParse(text, limit))
            continue;
        // Padded as the document holder pads it.
        TiXmlDocument parsed;
        parsed.Parse((text + std::string(8, '\0')).c_str(), nullptr, TIXML_DEFAULT_ENCODING);
        // The guard bounds the nesting of open elements; a self-closing one may sit below the deepest.
        if (CXmlDocHolder::MeasureDepth(parsed) > limit + 1)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    CXmlDataObject document("Preset", 0);
    CheckGuardAgainstParser(data, size);
    if (!document.LoadFromMemory(reinterpret_cast<const char*>(data), static_cast<int>(size)))
        return 0;
    ReadScalars(document);
    ReadStructures(document);
    for (const char* name : {"state", "sub", "content", "Item0", "value"}) {
        CMemDataObject nested;
        document.ReadObject(name, nested);
    }
    char* text = nullptr;
    if (document.GetText(text))
        delete[] text;
    return 0;
}
