#pragma once

#include <stdint.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Veltis {
namespace Platform {
namespace AAXHost {

// Counts the references the module holds on each host object, so that a test can prove every one
// was released exactly once. A release below zero is remembered, not acted on.
class CReferenceLedger {
public:
    struct Entry {
        explicit Entry(const std::string& name) : m_Name(name) {}
        const std::string m_Name;
        std::atomic<int32_t> m_References{0};
        std::atomic<int32_t> m_AddRefs{0};
        std::atomic<int32_t> m_Releases{0};
        std::atomic<bool> m_OverReleased{false};
    };

    std::shared_ptr<Entry> Add(const std::string& name);
    // The object of this entry goes: a balanced entry goes with it, an unbalanced one stays to be reported.
    void Retire(const std::shared_ptr<Entry>& entry);

    // Objects the module still references or released once too often, one line each; empty when
    // balanced.
    std::vector<std::string> GetImbalances() const;
    bool IsBalanced() const { return GetImbalances().empty(); }
    // Total AddRef calls the module made on objects whose name starts with prefix.
    int32_t CountAddRefs(const std::string& prefix) const;
    int32_t GetObjectCount() const;

private:
    mutable std::mutex m_Mutex;
    std::vector<std::shared_ptr<Entry>> m_Entries;
};

} // namespace AAXHost
} // namespace Platform
} // namespace Veltis
