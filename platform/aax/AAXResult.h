#pragma once

#include <stdint.h>

// The signed 32-bit results exchanged with the host.
namespace AAXResult {
constexpr int32_t kSuccess = 0;
constexpr int32_t kParameterNotFound = -20001;
constexpr int32_t kConversionRefused = -20002;
constexpr int32_t kHostObjectMissing = -20004;
constexpr int32_t kChunkIndexOutOfRange = -20006;
constexpr int32_t kChunkNotServed = -20007;
constexpr int32_t kChunkSizeMismatch = -20008;
constexpr int32_t kNotServed = -20009;
constexpr int32_t kGUIWithoutHost = -20011;
constexpr int32_t kChunkNotWritten = -333;
constexpr int32_t kNoInterface = static_cast<int32_t>(0x80000004u);
constexpr int32_t kEmptyReference = static_cast<int32_t>(0x80000005u);
constexpr int32_t kUnexpected = static_cast<int32_t>(0x8000FFFFu);
} // namespace AAXResult
