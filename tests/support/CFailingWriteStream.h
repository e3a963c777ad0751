#pragma once

#include "Veltis/Serialization/ISerialize.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <set>
#include <string>
#include <vector>

// A write stream that records the names written at its own level and fails the writes of chosen
// names, so that tests can check that a writer goes on after a failure and reports it. Sub-objects are
// serialized into a stream of the same kind that fails nothing.
namespace VeltisTest {

class CFailingWriteStream : public Veltis::Serialization::IWriteDataStream {
public:
    explicit CFailingWriteStream(std::set<std::string> failing = {}) : m_Failing(std::move(failing)) {}

    bool WriteBool(const char* name, const bool&) override { return Record(name); }
    bool WriteInt(const char* name, const int&) override { return Record(name); }
    bool WriteFloat(const char* name, const float&) override { return Record(name); }
    bool WriteDouble(const char* name, const double&) override { return Record(name); }
    bool WriteString(const char* name, const char*) override { return Record(name); }
    bool WriteData(const char* name, const void*, int) override { return Record(name); }
    bool WriteObject(const char* name, const Veltis::Serialization::ISerialize& object) override
    {
        CFailingWriteStream inner;
        const bool written = object.Serialize(inner);
        return Record(name) && written;
    }

    const std::vector<std::string>& GetNames() const { return m_Names; }

private:
    bool Record(const char* name)
    {
        m_Names.emplace_back(name);
        return m_Failing.count(name) == 0;
    }

    std::set<std::string> m_Failing;
    std::vector<std::string> m_Names;
};

} // namespace VeltisTest
