#pragma once

// Base64 of binary blocks (standard alphabet, '=' padding, no line breaks) for binary values in
// XML data documents. What these hand out is array-new memory that the receiver deletes.

namespace Veltis {
namespace CoreUtilities {

// A NUL-terminated text of 4 * ceil(size / 3) characters; "" for size 0 or null data; null only
// when the text would not fit in memory addressable by an int.
char* Base64Encode(const unsigned char* data, unsigned long size);

// Null, with size untouched, for a null text or one whose length is not a multiple of 4; "" gives a
// zero-length buffer. Nothing else is validated: characters outside the alphabet read as 63, a
// '=' that is not trailing padding as 0.
unsigned char* Base64Decode(const char* text, int& size);

} // namespace CoreUtilities
} // namespace Veltis
