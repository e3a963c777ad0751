// Attribute texts and skin variables come from skin files: every reader and the variable
// substitution must cope with any bytes.
#include "Veltis/Containers/AttributeReaders.h"
#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Containers/ReplaceVariables.h"
#include "Veltis/Core/CCharString.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using namespace Veltis;

// The input is split at NUL bytes: name/value pairs of variables and attributes, the last part is a
// text to substitute in.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    }
    Containers::CNamedAttributes variables;
    Containers::CNamedAttributes attributes;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        Containers::CNamedAttributes& target = (i / 2) % 2 == 0 ? variables : attributes;
        target.SetValue(parts[i].c_str(), parts[i + 1].c_str());
    }
    Core::CCharString text(parts.back().c_str());
    Containers::ReplaceVariables(variables, text, '$');
    Containers::ReplaceVariablesInValues(variables, attributes, '$');
    Containers::ReplaceVariablesInValues(attributes, attributes, '$');

    for (size_t i = 0; i < parts.size(); i += 2) {
        const char* name = parts[i].c_str();
        std::unique_ptr<char[]> path(Containers::GetPathAttribute(attributes, name, "/base\\dir/"));
        Containers::GetColorAttribute(attributes, name, Core::CColor());
        Containers::GetIntAttribute(attributes, name, 0);
        Containers::GetFloatAttribute(attributes, name, 0.0f);
        Containers::IsAttributeEqual(attributes, name, text.GetString());
    }
    Containers::CNamedAttributes copy(attributes);
    copy.RemoveValue(parts[0].c_str());
    return 0;
}
