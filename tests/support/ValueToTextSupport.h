#pragma once

#include "Veltis/DataModel/Objects/IParamValueToText.h"
#include "support/CountedObject.h"

#include <string>

// Value-to-text helpers for the data-model tests: the text of a value as a std::string, and a
// converter that counts its constructions and destructions, so that every ownership fault shows.
namespace VeltisTest {

inline std::string TextOf(const Veltis::DataModel::Objects::IParamValueToText& converter, float value)
{
    char* text = nullptr;
    converter.ToText(&text, value);
    const std::string result = text ? text : "<null>";
    delete[] text;
    return result;
}

// Always answers its tag; clones keep the tag.
class CCountingValueToText : public virtual Veltis::DataModel::Objects::IParamValueToText,
                             public CCountedObject {
public:
    explicit CCountingValueToText(int tag = 0) : CCountedObject(tag) {}
    CCountingValueToText(const CCountingValueToText& other) : IParamValueToText(), CCountedObject(other) {}

    void ToText(char** out, float) const override
    {
        const std::string text = "tag" + std::to_string(m_Value);
        *out = new char[text.size() + 1];
        text.copy(*out, text.size());
        (*out)[text.size()] = '\0';
    }
    IParamValueToText* Clone() const override { return new CCountingValueToText(*this); }
};

} // namespace VeltisTest
