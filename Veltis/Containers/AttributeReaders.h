#pragma once

#include "Veltis/Containers/IConstNamedAttributes.h"
#include "Veltis/Core/CColor.h"

// Typed readers of attribute texts, through which every skin element handler reads its attributes;
// a malformed value gives the default (or what the rules below say), never a failure.
namespace Veltis {
namespace Containers {

// A new array-new path (the caller deletes it): baseFolder with the value appended as a component,
// then normalised; a value starting with '/' is still relative to the base. Null when absent.
char* GetPathAttribute(const IConstNamedAttributes& attributes, const char* name, const char* baseFolder);

// The default when absent or without a '#'. Otherwise the text after the value's first character is
// read as hexadecimal (reading stops at the first other character; 0 when there is none) and gives
// r from bits 16-23, g from bits 8-15 and b from bits 0-7.
Core::CColor GetColorAttribute(const IConstNamedAttributes& attributes, const char* name,
                               const Core::CColor& defaultColor);

// Decimal; a number prefix such as "12px" counts. The default when absent or no digit was read.
int GetIntAttribute(const IConstNamedAttributes& attributes, const char* name, int defaultValue);

// As GetIntAttribute for floating-point text; values beyond the float range give the largest float of
// their sign.
float GetFloatAttribute(const IConstNamedAttributes& attributes, const char* name, float defaultValue);

// True when the attribute exists and equals text exactly.
bool IsAttributeEqual(const IConstNamedAttributes& attributes, const char* name, const char* text);

} // namespace Containers
} // namespace Veltis
