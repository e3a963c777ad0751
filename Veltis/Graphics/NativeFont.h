#pragma once

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

class IFontDescription;

// Conversions between font descriptions and native fonts, and the font-file calls.

// A new native font for the description (the caller releases it), or null.
Native::CTFontRef CreateNativeFont(const IFontDescription& description);
// The description of a native font, through the description's setters.
void ReadNativeFont(Native::CTFontRef nativeFont, IFontDescription& description);
// The system's interface font, made once per process; retained for each caller, who releases it.
Native::CTFontRef GetDefaultNativeFont();
// Fonts are only those of the system: nothing is ever registered.
bool LoadFontFile(const char* path);
void UnloadFontFile(const char* path);

} // namespace Graphics
} // namespace Veltis
