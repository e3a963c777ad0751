#pragma once

#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/Serialization/IWriteDataStream.h"

#include <functional>

namespace VeltisTest {

// A serializable object whose Serialize and DeSerialize are given as functions.
class CTestSerializable : public Veltis::Serialization::ISerializable {
public:
    typedef std::function<bool(Veltis::Serialization::IWriteDataStream&)> Writer;
    typedef std::function<bool(const Veltis::Serialization::IReadDataStream&)> Reader;

    explicit CTestSerializable(Writer writer, Reader reader = nullptr)
        : m_Writer(std::move(writer)), m_Reader(std::move(reader))
    {
    }

    bool Serialize(Veltis::Serialization::IWriteDataStream& stream) const override
    {
        return m_Writer ? m_Writer(stream) : true;
    }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream& stream) override
    {
        return m_Reader ? m_Reader(stream) : true;
    }

private:
    Writer m_Writer;
    Reader m_Reader;
};

} // namespace VeltisTest
