#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/SkinEngine/CSkinParser.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using Veltis::SkinEngine::CSkinParser;

namespace
{

void WriteText(const std::string& path, const std::string& text)
{
    if (FILE* file = std::fopen(path.c_str(), "wb"))
    {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

// A skin of about 2,000 elements as the editor's is built: definitions and a panel template with a
// placeholder in an included file, one included file per band with repeated controls, local variables
// and plain elements in the root file.
const std::string& SkinFolder()
{
    static const std::string folder = [] {
        char name[] = "/tmp/veltis-skin-bench-XXXXXX";
        const std::string made = std::string(mkdtemp(name) ? name : "/tmp") + "/";
        std::system(("mkdir -p '" + made + "parts'").c_str());
        WriteText(made + "parts/common.xml",
            "<PART><DEFINE><KNOB base_type=\"W\" image=\"knob.png\" size=\"$size$\"/></DEFINE>"
            "<TEMPLATE id=\"PANEL\" title=\"\"><W kind=\"panel\" title=\"$title$\"><Y kind=\"header\"/>"
            "<TEMPLATE_INNER_CONTENT/></W><Y kind=\"footer\"/></TEMPLATE></PART>");
        std::string root = "<SKIN><VARIABLE id=\"size\" formula=\"64*2\"/><INCLUDE file=\"parts/common.xml\"/>";
        for (int band = 0; band < 10; ++band)
        {
            const std::string id = std::to_string(band);
            WriteText(made + "parts/band" + id + ".xml",
                "<PART><PANEL title=\"Band " + id + "\"><LOCAL_VARIABLE id=\"band\" value=\"" + id + "\"/>"
                "<REPEAT count=\"48\"><KNOB param=\"band$band$.$index$\"/><X value=\"$index$\"><Y/></X></REPEAT>"
                "</PANEL></PART>");
            root += "<INCLUDE file=\"parts/band" + id + ".xml\"/>";
        }
        for (int i = 0; i < 250; ++i)
            root += "<W a=\"" + std::to_string(i) + "\" b=\"$size$\"><X/></W>";
        WriteText(made + "skin.xml", root + "</SKIN>");
        WriteText(made + "knob.png", "x");
        return made;
    }();
    return folder;
}

class CCountingHandler : public CSkinParser::StartCommand, public CSkinParser::EndCommand
{
public:
    explicit CCountingHandler(long long& count) : m_Count(count) {}
    bool Execute(const Veltis::Containers::IConstNamedAttributes&) override
    {
        ++m_Count;
        return true;
    }
    bool Execute() override { return true; }

private:
    long long& m_Count;
};

void RegisterPass(CSkinParser& parser, long long& count)
{
    parser.Reset();
    parser.SetRootElementName("SKIN");
    for (const char* tag : {"SKIN", "W", "X", "Y"})
    {
        parser.SetStartElementHandler(tag, new CCountingHandler(count));
        parser.SetEndElementHandler(tag, new CCountingHandler(count));
    }
}

// Both passes of one skin, each a Reset, its handlers and a ParseFile.
void SkinParserTwoPasses(benchmark::State& state)
{
    const std::string path = SkinFolder() + "skin.xml";
    Veltis::CoreUtilities::CMemMessageLog log;
    CSkinParser parser(&log);
    long long elements = 0;
    for (auto _ : state)
    {
        elements = 0;
        for (int pass = 0; pass < 2; ++pass)
        {
            RegisterPass(parser, elements);
            if (!parser.ParseFile(path.c_str()))
            {
                state.SkipWithError("the skin did not parse");
                return;
            }
        }
    }
    state.counters["elements_per_pass"] = static_cast<double>(elements / 2);
}
BENCHMARK(SkinParserTwoPasses)->Unit(benchmark::kMillisecond);

// 500 state-image lookups (image, _pushed, _mouse: six candidates, one file present) through a warm cache.
void SkinStateImageLookups500(benchmark::State& state)
{
    Veltis::CoreUtilities::CMemMessageLog log;
    CSkinParser parser(&log);
    const std::string path = SkinFolder() + "skin.xml";
    long long elements = 0;
    RegisterPass(parser, elements);
    parser.ParseFile(path.c_str());

    Veltis::Containers::CNamedAttributes attributes;
    attributes.SetValue("image", (SkinFolder() + "knob.png").c_str());
    CSkinParser::PartsList parts;
    parts.SetSize(3);
    parts[0] = "image";
    parts[1] = "_pushed";
    parts[2] = "_mouse";
    for (auto _ : state)
    {
        for (int i = 0; i < 500; ++i)
        {
            char* found = parser.GetStateFileAttribute(attributes, parts);
            benchmark::DoNotOptimize(found);
            delete[] found;
        }
    }
}
BENCHMARK(SkinStateImageLookups500)->Unit(benchmark::kMicrosecond);

} // namespace
