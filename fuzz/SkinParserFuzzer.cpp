// Parses untrusted bytes as a skin: the input is the root file, beside a file that includes it and a file
// of templates and definitions. Two passes run on one parser with a few registered tags and a recording
// tag whose body is replayed after each pass, as collections do.

#include "Veltis/Containers/IConstNamedAttributes.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/SkinEngine/CSkinParser.h"
#include "Veltis/SkinEngine/IParsedTemplate.h"
#include "Veltis/SkinEngine/IParsedTemplateInstance.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using Veltis::SkinEngine::CSkinParser;

namespace {

const std::string& Folder()
{
    static const std::string folder = [] {
        char name[] = "/tmp/veltis-skin-fuzz-XXXXXX";
        const char* made = mkdtemp(name);
        return std::string(made ? made : "/tmp") + "/";
    }();
    return folder;
}

void WriteFile(const std::string& path, const void* data, size_t size)
{
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

void WriteNeighbours()
{
    static bool written = false;
    if (written)
        return;
    written = true;
    const std::string includer = "<PART><INCLUDE_ONCE file=\"root.xml\"/><W n=\"$index$\"/></PART>";
    const std::string templates =
        "<PART><TEMPLATE id=\"FT\" p=\"1\"><W a=\"$p$\"><TEMPLATE_INNER_CONTENT/></W><X/></TEMPLATE>"
        "<DEFINE><FD base_type=\"W\" k=\"$v$\"/><FE base_type=\"FT\"/></DEFINE>"
        "<VARIABLE id=\"v\" formula=\"1/3\"/></PART>";
    WriteFile(Folder() + "includer.xml", includer.data(), includer.size());
    WriteFile(Folder() + "templates.xml", templates.data(), templates.size());
}

// Counts elements and fails on one tag, so that handler results matter.
class CTagHandler : public CSkinParser::StartCommand, public CSkinParser::EndCommand {
public:
    explicit CTagHandler(bool fails) : m_Fails(fails) {}
    bool Execute(const Veltis::Containers::IConstNamedAttributes& attributes) override
    {
        const char* value = attributes.GetValue("v");
        return !m_Fails || value == nullptr;
    }
    bool Execute() override { return !m_Fails; }

private:
    bool m_Fails;
};

// Records its body and replays it into the parser when it ends, once per "count" up to three.
class CRecordingTag : public CSkinParser::StartCommand {
public:
    explicit CRecordingTag(CSkinParser& parser) : m_Parser(parser) {}
    bool Execute(const Veltis::Containers::IConstNamedAttributes&) override
    {
        m_Parser.StartRecording(nullptr);
        return true;
    }

    class CEnd : public CSkinParser::EndCommand {
    public:
        explicit CEnd(CSkinParser& parser) : m_Parser(parser) {}
        bool Execute() override
        {
            const Veltis::Containers::IConstNamedAttributes* attributes = nullptr;
            std::unique_ptr<Veltis::SkinEngine::IParsedTemplate> body(m_Parser.StopRecording(attributes));
            if (!body)
                return true;
            Veltis::Containers::CNamedAttributes parameters;
            for (int i = 0; i < 2; ++i) {
                parameters.SetValue("item", i ? "1" : "0");
                std::unique_ptr<Veltis::SkinEngine::IParsedTemplateInstance> pending(
                    body->Instantiate(parameters, m_Parser));
                if (pending)
                    pending->Continue();
            }
            return true;
        }

    private:
        CSkinParser& m_Parser;
    };

private:
    CSkinParser& m_Parser;
};

void Register(CSkinParser& parser)
{
    for (const char* tag : {"SKIN", "W", "X", "Y"}) {
        parser.SetStartElementHandler(tag, new CTagHandler(false));
        parser.SetEndElementHandler(tag, new CTagHandler(false));
    }
    parser.SetStartElementHandler("BAD", new CTagHandler(true));
    parser.SetEndElementHandler("BAD", new CTagHandler(true));
    parser.SetStartElementHandler("COLLECTION", new CRecordingTag(parser));
    parser.SetEndElementHandler("COLLECTION", new CRecordingTag::CEnd(parser));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteNeighbours();
    const std::string root = Folder() + "root.xml";
    WriteFile(root, data, size);

    Veltis::CoreUtilities::CMemMessageLog log;
    CSkinParser parser(&log);
    // Smaller budgets than a product parse, so that each input stays quick.
    CSkinParser::CLimits limits;
    limits.maxElements = 4000;
    limits.maxAttributeBytes = 1024 * 1024;
    parser.SetLimits(limits);
    for (int pass = 0; pass < 2; ++pass) {
        parser.Reset();
        parser.SetRootElementName(pass == 0 ? "SKIN" : "");
        Register(parser);
        parser.SetVariable("pass", pass ? "1" : "0");
        parser.ParseFile(root.c_str());
    }
    return 0;
}
