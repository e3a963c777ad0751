#pragma once

#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/ITypeSerializable.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Helpers for tests that persist objects through XML data documents: round trips through the
// document's text, and hand-written documents for damaged or hostile input.
namespace VeltisTest {

// The compact text of a document; empty, with a test failure, when it cannot be printed.
inline std::string CompactText(const Veltis::Serialization::CXmlDataObject& document)
{
    char* text = nullptr;
    EXPECT_TRUE(document.GetText(text));
    const std::string result = text ? text : "";
    delete[] text;
    return result;
}

inline bool LoadText(Veltis::Serialization::CXmlDataObject& document, const std::string& text)
{
    return document.LoadFromMemory(text.c_str(), static_cast<int>(text.size()));
}

// The compact text of a document whose root holds the polymorphic member "object".
inline std::string WriteMemberToXml(const Veltis::Serialization::ITypeSerializable* object)
{
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    document.WriteObject("object", Veltis::Serialization::CTypeSerializer(object));
    char* text = nullptr;
    if (!document.GetText(text))
        return std::string();
    std::string result(text);
    delete[] text;
    return result;
}

// A document parsed from text; its root is the current element.
inline std::unique_ptr<Veltis::Serialization::CXmlDataObject> LoadXml(const std::string& text)
{
    std::unique_ptr<Veltis::Serialization::CXmlDataObject> document(new Veltis::Serialization::CXmlDataObject("Root", 0));
    document->LoadFromMemory(text.c_str(), static_cast<int>(text.size()));
    return document;
}

// A document whose root element holds body, for objects that read straight from the root.
inline std::unique_ptr<Veltis::Serialization::CXmlDataObject> LoadXmlBody(const std::string& body)
{
    return LoadXml("<?xml version=\"1.0\" encoding=\"utf-8\" ?><Root>" + body + "</Root>");
}

// Element texts of hand-written documents.
inline std::string Element(const std::string& name, const std::string& text)
{
    return "<" + name + ">" + text + "</" + name + ">";
}
inline std::string NullMember(const std::string& name) { return Element(name, "<isNull>1</isNull>"); }
inline std::string Member(const std::string& name, const std::string& type, const std::string& content = "")
{
    return Element(name, "<isNull>0</isNull><type>" + type + "</type>" + Element("content", content));
}

// Writes object as a polymorphic member, prints the document, parses the text into a new document and
// re-creates the member from it through the registry. Null when anything fails; the caller owns it.
template <class I>
I* RoundTripThroughXml(const I& object, bool* readOk = nullptr)
{
    const std::string text = WriteMemberToXml(&object);
    std::unique_ptr<Veltis::Serialization::CXmlDataObject> document = LoadXml(text);
    Veltis::Serialization::TRuntimeDeSerializer<I> reader;
    const bool ok = document->ReadObject("object", reader);
    if (readOk)
        *readOk = ok;
    return reader.GetObject();
}

} // namespace VeltisTest
