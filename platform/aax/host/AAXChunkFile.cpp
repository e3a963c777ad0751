#include "platform/aax/host/AAXChunkFile.h"

#include <stdint.h>
#include <string.h>

#include <fstream>

#include "Veltis/CoreUtilities/FileSystem.h"
#include "platform/aax/AAXChunkRecord.h"

namespace Veltis {
namespace Platform {
namespace AAXHost {

namespace {
const std::streamoff kMaxChunkFileSize = 256 * 1024 * 1024;
}

// Written beside the target and renamed over it, so that a write that fails leaves the previous chunk.
bool SaveChunkFile(const std::string& path, const std::vector<unsigned char>& chunk, std::string& error)
{
    if (!Veltis::CoreUtilities::ReplaceFile(path.c_str(), reinterpret_cast<const char*>(chunk.data()), chunk.size())) {
        error = "cannot write the chunk file " + path;
        return false;
    }
    return true;
}

bool LoadChunkFile(const std::string& path, std::vector<unsigned char>& chunk, std::string& error)
{
    chunk.clear();
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        error = "cannot open the chunk file " + path;
        return false;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kMaxChunkFileSize) {
        error = "the chunk file " + path + " is larger than 256 MiB";
        return false;
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    file.seekg(0);
    if (size > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "cannot read the chunk file " + path;
        return false;
    }
    if (bytes.size() < kAAXChunkHeaderSize) {
        error = "the chunk file " + path + " is too short for a chunk header (" + std::to_string(bytes.size()) +
                " bytes, 56 needed)";
        return false;
    }
    int32_t declared = 0;
    memcpy(&declared, bytes.data(), sizeof declared);
    const uint64_t held = bytes.size() - kAAXChunkHeaderSize;
    if (declared < 0 || static_cast<uint64_t>(declared) > held) {
        error = "the chunk file " + path + " declares " + std::to_string(declared) + " data bytes but holds " +
                std::to_string(held);
        return false;
    }
    chunk.swap(bytes);
    return true;
}

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
