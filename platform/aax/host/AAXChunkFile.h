#pragma once

#include <string>
#include <vector>

namespace Veltis {
namespace Platform {
namespace AAXHost {

// Chunk files hold the chunk record as the module wrote it: the 56-byte header and the data. A save
// that fails leaves the file as it was.
bool SaveChunkFile(const std::string& path, const std::vector<unsigned char>& chunk, std::string& error);
// Fails with a message when the file cannot be read, is larger than the host accepts, has no complete
// header, or declares more data than it holds; chunk is then empty.
bool LoadChunkFile(const std::string& path, std::vector<unsigned char>& chunk, std::string& error);

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
