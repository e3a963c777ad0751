#include "Veltis/Containers/ReplaceVariables.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace Veltis {
namespace Containers {

namespace {

// Every delimiter can insert a whole value, so a short text can ask for a result of its length times
// the longest value; skins come from files, so such results are refused.
const int kMaxResultLength = 1 << 20;

} // namespace

bool ReplaceVariables(const IConstNamedAttributes& variables, Core::CCharString& text, char delimiter)
{
    if (delimiter == '\0')
        return false;
    const char* source = text.GetString();
    const int length = text.GetLength();
    int open = text.Find(delimiter, 0);
    if (open < 0 || open >= length)
        return false;

    Core::CCharString output;
    Core::CCharString name;
    int copied = 0;
    bool replaced = false;
    for (;;) {
        const int close = text.Find(delimiter, open + 1);
        if (close < 0 || close >= length)
            break;
        name.Clear(false);
        name.Append(source + open + 1, close - open - 1, false);
        const char* value = variables.GetValue(name.GetString());
        if (value != nullptr) {
            const int64_t gap = open > copied ? open - copied : 0;
            if (output.GetLength() + gap + static_cast<int64_t>(std::strlen(value)) > kMaxResultLength)
                return false;
            // After a replacement the closing delimiter opens the next name, so the text already
            // copied may reach past this name's opening delimiter: nothing more to copy then.
            if (open > copied)
                output.Append(source + copied, open - copied);
            output.Append(value);
            replaced = true;
            copied = close + 1;
        }
        open = close;
    }
    if (!replaced)
        return false;
    if (copied < length)
        output.Append(source + copied);
    text = output;
    return true;
}

bool ReplaceVariablesInValues(const IConstNamedAttributes& variables, INamedAttributes& attributes, char delimiter)
{
    std::unique_ptr<IConstValueIterator<const char*>> names(attributes.GetNamesIterator());
    std::unique_ptr<IConstValueIterator<const char*>> values(attributes.GetValuesIterator());
    if (!names || !values)
        return false;
    bool changed = false;
    // Changing the value of an existing name while the table is walked is allowed.
    for (names->First(), values->First(); !names->IsEnd() && !values->IsEnd(); names->Next(), values->Next()) {
        Core::CCharString value(values->GetCurrent());
        if (ReplaceVariables(variables, value, delimiter)) {
            attributes.SetValue(names->GetCurrent(), value.GetString());
            changed = true;
        }
    }
    return changed;
}

} // namespace Containers
} // namespace Veltis
