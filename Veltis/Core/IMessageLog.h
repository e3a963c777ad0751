#pragma once

namespace Veltis {
namespace Core {

// Where loaders and parsers report problems. Types: 0 error, 1 warning, 2 information; the level is
// the writer's detail level, compared with the log's threshold.
class IMessageLog {
public:
    virtual void AddMessage(int type, const char* text, unsigned int level) = 0;
    virtual ~IMessageLog() {}
    virtual void Clear() = 0;
    virtual void RemoveMessages(int type) = 0;
    virtual unsigned int GetMessagesCount() = 0;
    virtual unsigned int GetMessagesCount(int type) = 0;
};

} // namespace Core
} // namespace Veltis
