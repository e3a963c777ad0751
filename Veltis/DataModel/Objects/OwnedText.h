#pragma once

#include "Veltis/Core/TValueTraits.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// Texts that records keep as their own arrays, where null is a value of its own.

// A new array copy of text, or null for null.
inline char* CopyOwnedText(const char* text)
{
    return Core::TValueTraits<const char*>::Make(text);
}

// Copies before releasing, so that text may be the field's own current text.
inline void ReplaceOwnedText(char*& field, const char* text)
{
    char* fresh = CopyOwnedText(text);
    delete[] field;
    field = fresh;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
