#pragma once

#include "Veltis/Containers/IConstNamedAttributes.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "Veltis/SkinEngine/IParserElementHandler.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace VeltisTest {

// Writes element events as text: "<X a=1 b=2>" (attributes sorted by name) and "</X>".
inline std::string DescribeStart(const char* name, const Veltis::Containers::IConstNamedAttributes& attributes)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::unique_ptr<Veltis::Containers::IConstValueIterator<const char*>> names(attributes.GetNamesIterator());
    std::unique_ptr<Veltis::Containers::IConstValueIterator<const char*>> values(attributes.GetValuesIterator());
    for (names->First(), values->First(); !names->IsEnd(); names->Next(), values->Next())
        pairs.emplace_back(names->GetCurrent(), values->GetCurrent());
    std::sort(pairs.begin(), pairs.end());
    std::string text = std::string("<") + name;
    for (const auto& pair : pairs)
        text += " " + pair.first + "=" + pair.second;
    return text + ">";
}

// An element handler that records every event it receives; tags in failing make it return false.
class CSkinTrace : public Veltis::SkinEngine::IParserElementHandler {
public:
    bool StartElement(const char* name, const Veltis::Containers::IConstNamedAttributes& attributes) override
    {
        m_Events.push_back(DescribeStart(name, attributes));
        return m_Failing.count(name) == 0;
    }

    bool EndElement(const char* name) override
    {
        m_Events.push_back(std::string("</") + name + ">");
        return m_Failing.count(name) == 0;
    }

    void Fail(const std::string& tag) { m_Failing.insert(tag); }

    // Registers start and end commands on parser that record into this trace, one pair per tag.
    void Register(Veltis::SkinEngine::CSkinParser& parser, const std::vector<std::string>& tags)
    {
        for (const std::string& tag : tags) {
            parser.SetStartElementHandler(tag.c_str(), new CStart(*this, tag));
            parser.SetEndElementHandler(tag.c_str(), new CEnd(*this, tag));
        }
    }

    const std::vector<std::string>& Events() const { return m_Events; }
    // The events joined without separators.
    std::string Text() const
    {
        std::string text;
        for (const std::string& event : m_Events)
            text += event;
        return text;
    }
    void ClearEvents() { m_Events.clear(); }

private:
    class CStart : public Veltis::SkinEngine::CSkinParser::StartCommand {
    public:
        CStart(CSkinTrace& trace, const std::string& tag) : m_Trace(trace), m_Tag(tag) {}
        bool Execute(const Veltis::Containers::IConstNamedAttributes& attributes) override
        {
            return m_Trace.StartElement(m_Tag.c_str(), attributes);
        }

    private:
        CSkinTrace& m_Trace;
        std::string m_Tag;
    };

    class CEnd : public Veltis::SkinEngine::CSkinParser::EndCommand {
    public:
        CEnd(CSkinTrace& trace, const std::string& tag) : m_Trace(trace), m_Tag(tag) {}
        bool Execute() override { return m_Trace.EndElement(m_Tag.c_str()); }

    private:
        CSkinTrace& m_Trace;
        std::string m_Tag;
    };

    std::vector<std::string> m_Events;
    std::set<std::string> m_Failing;
};

} // namespace VeltisTest
