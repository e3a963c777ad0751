#include "Veltis/SkinEngine/CSkinParser.h"

#include "Veltis/Containers/AttributeReaders.h"
#include "Veltis/Containers/ReplaceVariables.h"
#include "Veltis/Core/CCharStringTokenizer.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Core/SaturatingCast.h"
#include "Veltis/Core/TArgReturnCommand.h"
#include "Veltis/Core/TReturnCommand.h"
#include "Veltis/CoreUtilities/CFilePath.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/CoreUtilities/FileSystem.h"
#include "Veltis/CoreUtilities/StringUtilities.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/SkinEngine/CTemplateRootNode.h"
#include "Veltis/SkinEngine/CXMLNamedAttributes.h"
#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"
#include "Veltis/SkinEngine/IParsedTemplateInstance.h"

#include <xercesc/framework/LocalFileInputSource.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/Attributes.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <memory>
#include <mutex>
#include <sstream>

namespace Veltis {
namespace SkinEngine {

namespace {

typedef Core::TArgReturnCommand<CSkinParser, bool, const Containers::IConstNamedAttributes&> DirectiveStart;
typedef Core::TReturnCommand<CSkinParser, bool> DirectiveEnd;

// The XML platform is initialised and terminated by a counter of the library's own: every parser on
// every thread goes through this one lock.
std::mutex& PlatformLock()
{
    static std::mutex lock;
    return lock;
}

bool InitializePlatform()
{
    std::lock_guard<std::mutex> guard(PlatformLock());
    try {
        // The first parse keeps one initialisation of its own for the life of the process: the library
        // builds its tables on every first initialisation, which would cost more than parsing the skin.
        static const bool kept = (xercesc::XMLPlatformUtils::Initialize("en_US"), true);
        (void)kept;
        xercesc::XMLPlatformUtils::Initialize("en_US");
        return true;
    } catch (...) {
        return false;
    }
}

void TerminatePlatform()
{
    std::lock_guard<std::mutex> guard(PlatformLock());
    xercesc::XMLPlatformUtils::Terminate();
}

std::atomic<CSkinParser::ReportDisplay> g_ReportDisplay(nullptr);

// The handler tables own their commands: a replaced or cleared command is destroyed.
template <class Table, class Command>
bool SetHandler(Table& table, const char* tag, Command* command)
{
    if (tag == nullptr) {
        delete command;
        return false;
    }
    Command*& slot = table[Core::CCharString(tag)];
    delete slot;
    slot = command;
    return true;
}

template <class Table>
void ClearHandlers(Table& table)
{
    for (auto& entry : table)
        delete entry.second;
    table.clear();
}

// A value as VARIABLE writes it: the integer when it is one, else printf's %.11g in the classic locale.
void FloatToText(float value, Core::CCharString& out)
{
    const int truncated = Core::TruncateToInt(value);
    if (static_cast<double>(truncated) == static_cast<double>(value)) {
        CoreUtilities::ValueToString(truncated, out);
        return;
    }
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream.precision(11);
    stream << static_cast<double>(value);
    out.Assign(stream.str().c_str());
}

void AppendInt(Core::CCharString& text, long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof(digits) - 1, value).ptr;
    *end = 0;
    text.Append(digits);
}

} // namespace

CSkinParser::CSkinParser(Core::IMessageLog* log)
    : m_Log(log),
      m_Success(true),
      m_RootSeen(false),
      m_Defines(log),
      m_TemplateRecorder("TEMPLATE", "TEMPLATE_INNER_CONTENT", log),
      m_RepeatRecorder("REPEAT", nullptr, log),
      m_RepeatCount(0),
      m_RepeatStart(0),
      m_RepeatMode(false),
      m_Recorder(nullptr),
      m_RecordingAttributes(nullptr),
      m_RecordingDepth(0),
      m_DefineMode(false),
      m_UndefineMode(false),
      m_TemplateMode(false),
      m_Locator(nullptr),
      m_SavedLocale(nullptr),
      m_ElementDepth(0),
      m_PublicState(*this),
      m_InParse(false),
      m_Aborted(false),
      m_ElementsHandled(0),
      m_AttributeBytes(0),
      m_LastReplay(0)
{
    RegisterDirectives();
}

CSkinParser::~CSkinParser()
{
    PopOpenElements(0);
    delete m_Recorder;
    ClearFileCache();
    ClearElementHandlers();
}

bool CSkinParser::ParseFile(const char* path)
{
    bool result = BeginParse();
    if (result) {
        CoreUtilities::CFilePath normalized(path);
        normalized.Normalize();
        m_RootFolder.Attach(normalized.GetFolder());
        result = ParseOneFile(path);
    }
    EndParse();
    return result;
}

bool CSkinParser::BeginParse()
{
    const bool started = InitializePlatform();
    if (!started)
        Log(0, "Unknown internal error");
    m_RepeatRecorder.Clear();
    m_RepeatCount = 0;
    m_RepeatStart = 0;
    m_RepeatIndexList.Clear();
    m_RepeatIndexName.Clear();
    m_RepeatMode = false;
    m_IncludedOnce.clear();
    m_RootSeen = false;
    m_DefineMode = false;
    m_UndefineMode = false;
    m_TemplateMode = false;
    m_ElementDepth = 0;
    m_Success = true;
    m_Aborted = false;
    m_ElementsHandled = 0;
    m_AttributeBytes = 0;
    m_InParse = true;
    // Only this thread reads numbers in the "C" locale; the process and the host's threads keep theirs.
    m_SavedLocale = uselocale(CoreUtilities::GetClassicLocale());
    return started;
}

void CSkinParser::EndParse()
{
    // A file that stopped in the middle leaves replays and scopes open: they must not reach the next parse.
    PopOpenElements(0);
    m_ActiveReplays.clear();
    m_LocalVariables.clear();
    delete m_Recorder;
    m_Recorder = nullptr;
    m_RecordingAttributes = nullptr;
    m_Defines.Clear();
    m_TemplateRecorder.Clear();
    m_RepeatRecorder.Clear();
    m_RepeatCount = 0;
    m_RepeatStart = 0;
    m_RepeatIndexList.Clear();
    m_RepeatIndexName.Clear();
    m_RepeatMode = false;
    m_Variables.Clear();
    m_IncludedOnce.clear();
    m_RootSeen = false;
    m_DefineMode = false;
    m_UndefineMode = false;
    m_TemplateMode = false;
    m_RootFolder.Clear();
    m_ElementDepth = 0;
    m_FilesBeingRead.clear();
    TerminatePlatform();
    uselocale(m_SavedLocale);
    m_SavedLocale = nullptr;
    m_InParse = false;
}

bool CSkinParser::ParseOneFile(const char* path)
{
    // A replay outside ParseFile (recorded content holding an INCLUDE) sets up the library and the
    // locale for this read alone.
    const bool standalone = !m_InParse;
    locale_t savedLocale = nullptr;
    bool started = true;
    if (standalone) {
        started = InitializePlatform();
        savedLocale = uselocale(CoreUtilities::GetClassicLocale());
    }

    const Core::CCharString savedFile(m_CurrentFile);
    const xercesc::Locator* savedLocator = m_Locator;
    CoreUtilities::CFilePath normalized(path);
    normalized.Normalize();
    m_CurrentFile.Assign(normalized.GetString());

    bool result = false;
    if (!started) {
        Log(0, "Unknown internal error");
    } else if (!FileExistsCached(path)) {
        LogWithTag(0, path ? path : "", ": file does not exist");
    } else {
        bool beingRead = false;
        for (const Core::CCharString& file : m_FilesBeingRead)
            beingRead = beingRead || file == m_CurrentFile;
        if (beingRead) {
            LogWithTag(0, m_CurrentFile.GetString(), ": file is already being read, it cannot include itself");
        } else if (static_cast<int>(m_FilesBeingRead.size()) >= kMaxIncludeDepth) {
            LogWithTag(0, m_CurrentFile.GetString(), ": includes are nested more than 16 files deep");
        } else {
            m_FilesBeingRead.push_back(m_CurrentFile);
            const CReadState entry = SaveReadState();
            result = ReadFile(path);
            RestoreReadState(entry);
            m_FilesBeingRead.pop_back();
        }
    }

    m_CurrentFile = savedFile;
    m_Locator = savedLocator;
    if (standalone) {
        uselocale(savedLocale);
        TerminatePlatform();
    }
    return result;
}

CSkinParser::CReadState CSkinParser::SaveReadState() const
{
    return {static_cast<int>(m_OpenElements.size()), m_ElementDepth, m_DefineMode, m_UndefineMode, m_TemplateMode,
            m_RepeatMode, m_TemplateRecorder.GetOpenNodesCount(), m_RepeatRecorder.GetOpenNodesCount()};
}

void CSkinParser::RestoreReadState(const CReadState& entry)
{
    if (static_cast<int>(m_OpenElements.size()) <= entry.openElements)
        return;
    // The file stopped in the middle: the ends of its open elements never come, so what they opened
    // is closed here, without their end handlers.
    PopOpenElements(entry.openElements);
    m_ElementDepth = entry.elementDepth;
    PopLocalVariables();
    m_DefineMode = entry.defineMode;
    m_UndefineMode = entry.undefineMode;
    m_TemplateMode = entry.templateMode;
    m_RepeatMode = entry.repeatMode;
    while (m_TemplateRecorder.GetOpenNodesCount() > entry.templateNodes)
        m_TemplateRecorder.EndTemplate();
    while (m_RepeatRecorder.GetOpenNodesCount() > entry.repeatNodes)
        m_RepeatRecorder.EndTemplate();
}

bool CSkinParser::ReadFile(const char* path)
{
    bool result = false;
    xercesc::SAX2XMLReader* reader = nullptr;
    xercesc::SecurityManager security;
    security.setEntityExpansionLimit(kEntityExpansionLimit);
    try {
        reader = xercesc::XMLReaderFactory::createXMLReader();
        // No DTD from elsewhere, no external entity, no unbounded expansion: skins include files only
        // through their own directives.
        reader->setFeature(xercesc::XMLUni::fgXercesLoadExternalDTD, false);
        reader->setFeature(xercesc::XMLUni::fgXercesDisableDefaultEntityResolution, true);
        reader->setProperty(xercesc::XMLUni::fgXercesSecurityManager, &security);
        reader->setContentHandler(this);
        reader->setErrorHandler(this);
        // A path is always a file, never a URL.
        xercesc::TranscodeFromStr wide(reinterpret_cast<const XMLByte*>(path), std::strlen(path), "UTF-8");
        xercesc::LocalFileInputSource source(wide.str());
        reader->parse(source);
        result = m_Success;
    } catch (const xercesc::OutOfMemoryException&) {
        Log(0, "Out of memory");
    } catch (...) {
        Log(0, "Internal error");
    }
    delete reader;
    return result;
}

void CSkinParser::Reset()
{
    ClearElementHandlers();
    RegisterDirectives();
}

void CSkinParser::SetRootElementName(const char* tag)
{
    m_RootElementName.Assign(tag ? tag : "");
}

bool CSkinParser::SetStartElementHandler(const char* tag, StartCommand* command)
{
    return SetHandler(m_StartHandlers, tag, command);
}

bool CSkinParser::SetEndElementHandler(const char* tag, EndCommand* command)
{
    return SetHandler(m_EndHandlers, tag, command);
}

void CSkinParser::ClearElementHandlers()
{
    ClearHandlers(m_StartHandlers);
    ClearHandlers(m_EndHandlers);
}

void CSkinParser::RegisterDirectives()
{
    const struct {
        const char* tag;
        DirectiveStart::Member start;
        DirectiveEnd::Member end;
    } kDirectives[] = {
        {"INCLUDE", &CSkinParser::OnInclude, nullptr},
        {"INCLUDE_ONCE", &CSkinParser::OnIncludeOnce, nullptr},
        {"DEFINE", &CSkinParser::OnDefineStart, &CSkinParser::OnDefineEnd},
        {"UNDEFINE", &CSkinParser::OnUndefineStart, &CSkinParser::OnUndefineEnd},
        {"TEMPLATE", &CSkinParser::OnTemplateStart, &CSkinParser::OnTemplateEnd},
        {"VARIABLE", &CSkinParser::OnVariable, nullptr},
        {"LOCAL_VARIABLE", &CSkinParser::OnLocalVariable, nullptr},
        {"REPEAT", &CSkinParser::OnRepeatStart, &CSkinParser::OnRepeatEnd},
        {"SCRIPT", &CSkinParser::OnScript, nullptr},
    };
    for (const auto& directive : kDirectives) {
        SetStartElementHandler(directive.tag, new DirectiveStart(this, directive.start));
        if (directive.end)
            SetEndElementHandler(directive.tag, new DirectiveEnd(this, directive.end));
    }
}

void CSkinParser::SetVariable(const char* name, const char* value)
{
    m_Variables.SetValue(name, value);
}

void CSkinParser::StartRecording(const Containers::IConstNamedAttributes* attributes)
{
    if (m_Recorder)
        return;
    m_Recorder = new CTemplateParser(nullptr, nullptr, nullptr);
    m_Recorder->BeginTemplate("RecordedContent", Containers::CNamedAttributes());
    m_RecordingAttributes = attributes;
    m_RecordingDepth = 0;
}

IParsedTemplate* CSkinParser::StopRecording(const Containers::IConstNamedAttributes*& attributes)
{
    attributes = nullptr;
    if (m_Recorder == nullptr)
        return nullptr;
    m_Recorder->EndTemplate();
    IParsedTemplate* recorded = m_Recorder->GetTemplates().Detach("RecordedContent");
    delete m_Recorder;
    m_Recorder = nullptr;
    attributes = m_RecordingAttributes;
    m_RecordingAttributes = nullptr;
    return recorded;
}

void CSkinParser::ClearFileCache()
{
    m_FileCache.clear();
}

bool CSkinParser::FileExistsCached(const char* path)
{
    if (path == nullptr || *path == 0)
        return false;
    const Core::CCharString key(path);
    const auto found = m_FileCache.find(key);
    if (found != m_FileCache.end())
        return found->second;
    const bool exists = CoreUtilities::FileExists(path);
    m_FileCache.emplace(key, exists);
    return exists;
}

// ---- Dispatch ----

bool CSkinParser::StartElement(const char* name, const Containers::IConstNamedAttributes& attributes)
{
    if (m_Aborted || !Charge(attributes))
        return false;

    COpenElement element;
    element.action = kEndNothing;
    element.source = GetCurrentSource();
    element.lowersDepth = false;
    element.replay = 0;
    element.pending = nullptr;
    element.recorder = nullptr;

    CTemplateParser* recorder = m_RepeatMode ? &m_RepeatRecorder : (!m_DefineMode && m_TemplateMode ? &m_TemplateRecorder : nullptr);
    if (recorder) {
        recorder->RecordStartElement(name, attributes);
        element.action = kEndRecorded;
        element.recorder = recorder;
        PushOpenElement(element);
        return true;
    }
    if (m_DefineMode || m_UndefineMode) {
        const bool reserved = m_DefineMode && m_StartHandlers.count(Core::CCharString(name)) != 0;
        if (reserved) {
            LogWithTag(0, name,
                       ": you cannot redefine reserved elements. Please choose another name for your definition");
        } else {
            ++m_ElementDepth;
            element.action = kEndHandler;
            element.tag.Assign(name);
            element.lowersDepth = true;
            if (m_DefineMode) {
                Containers::CNamedAttributes substituted(attributes);
                if (Containers::ReplaceVariablesInValues(m_Variables, substituted, '$') && !ChargeText(substituted))
                    return false;
                m_Defines.Define(name, substituted);
            } else {
                m_Defines.Undefine(name);
            }
        }
        PushOpenElement(element);
        m_Success = m_Success && !reserved;
        return !reserved;
    }
    const bool result = StartNormalElement(name, attributes, element);
    m_Success = m_Success && result;
    return result;
}

bool CSkinParser::StartNormalElement(const char* name, const Containers::IConstNamedAttributes& attributes,
                                     COpenElement& element)
{
    Core::CCharString tag(name);
    Containers::CNamedAttributes working(attributes);
    if (!ExpandDefinitions(tag, working)) {
        PushOpenElement(element);
        return false;
    }
    if (Containers::ReplaceVariablesInValues(m_Variables, working, '$') && !ChargeText(working)) {
        PushOpenElement(element);
        return false;
    }

    CTemplateRootNode* found = m_TemplateRecorder.GetTemplates().FindRoot(tag.GetString());
    if (found) {
        if (found->GetInstancesCount() >= kMaxTemplateRecursion) {
            Core::CCharString text("Recursion detected: '");
            text.Append(tag);
            text.Append(" has been recursively instantiated more than 256 times.");
            Log(1, text.GetString());
            PushOpenElement(element);
            return false;
        }
        element.action = kEndInstance;
        element.replay = ++m_LastReplay;
        const int index = PushOpenElement(element);
        ++m_ElementDepth;
        m_ActiveReplays.push_back(element.replay);
        IParsedTemplateInstance* pending = found->Instantiate(working, *this);
        m_ActiveReplays.pop_back();
        --m_ElementDepth;
        PopLocalVariables();
        if (index < static_cast<int>(m_OpenElements.size()) && m_OpenElements[index].replay == element.replay)
            m_OpenElements[index].pending = pending;
        else
            delete pending;
        return true;
    }

    if (m_Recorder && m_RecordingDepth >= 0) {
        ++m_RecordingDepth;
        m_Recorder->RecordStartElement(tag.GetString(), working);
        element.action = kEndRecording;
        PushOpenElement(element);
        return true;
    }

    ++m_ElementDepth;
    element.action = kEndHandler;
    element.tag = tag;
    element.lowersDepth = true;
    PushOpenElement(element);
    const auto handler = m_StartHandlers.find(tag);
    if (handler != m_StartHandlers.end())
        return handler->second->Execute(working);
    Core::CCharString text("Skipping '");
    text.Append(tag);
    text.Append("': unknown tag");
    Log(2, text.GetString());
    return true;
}

bool CSkinParser::ExpandDefinitions(Core::CCharString& tag, Containers::CNamedAttributes& attributes)
{
    const Core::CCharString written(tag);
    std::vector<Core::CCharString> chain;
    for (;;) {
        if (!CheckRoot(tag.GetString()))
            return false;
        const char* base = m_Defines.ExpandDefinedElement(tag.GetString(), attributes);
        if (base == nullptr)
            return true;
        chain.push_back(tag);
        for (const Core::CCharString& seen : chain) {
            if (seen == base) {
                Core::CCharString text(": its definitions lead back to '");
                text.Append(base);
                text.Append("', element refused");
                LogWithTag(0, written.GetString(), text.GetString());
                return false;
            }
        }
        if (static_cast<int>(chain.size()) >= kMaxDefineChain) {
            LogWithTag(0, written.GetString(), ": more than 64 definitions in a chain, element refused");
            return false;
        }
        tag.Assign(base);
    }
}

bool CSkinParser::CheckRoot(const char* tag)
{
    if (m_RootElementName.GetLength() == 0)
        return true;
    Core::CCharString text;
    if (!m_RootSeen) {
        m_RootSeen = true;
        if (m_RootElementName == tag)
            return true;
        text.Assign("Invalid file: root element must be '");
        text.Append(m_RootElementName);
        text.Append("'");
    } else {
        if (m_RootElementName != tag)
            return true;
        text.Assign("Invalid file: '");
        text.Append(m_RootElementName);
        text.Append("' is reserved for root element");
    }
    Log(0, text.GetString());
    return false;
}

bool CSkinParser::EndElement(const char* name)
{
    if (m_Aborted)
        return false;
    const int index = FindOpenElement();
    if (index < 0)
        return true;
    COpenElement element = m_OpenElements[index];
    m_OpenElements[index].pending = nullptr;
    if (element.action == kEndInstance && element.pending) {
        // The rest of the replay closes the replayed elements still open above this one.
        m_ActiveReplays.push_back(element.replay);
        element.pending->Continue();
        m_ActiveReplays.pop_back();
        delete element.pending;
    }
    PopOpenElements(index);

    switch (element.action) {
    case kEndRecorded:
        element.recorder->RecordEndElement(name);
        return true;
    case kEndRecording:
        if (m_Recorder) {
            --m_RecordingDepth;
            m_Recorder->RecordEndElement(name);
        }
        return true;
    case kEndHandler: {
        const bool result = RunEndHandler(element.tag);
        if (element.lowersDepth) {
            --m_ElementDepth;
            PopLocalVariables();
        }
        m_Success = m_Success && result;
        return result;
    }
    default:
        return true;
    }
}

bool CSkinParser::RunEndHandler(const Core::CCharString& tag)
{
    const auto handler = m_EndHandlers.find(tag);
    return handler == m_EndHandlers.end() || handler->second->Execute();
}

int CSkinParser::PushOpenElement(const COpenElement& element)
{
    m_OpenElements.push_back(element);
    return static_cast<int>(m_OpenElements.size()) - 1;
}

int CSkinParser::FindOpenElement() const
{
    // Elements opened by a replay that is suspended at its placeholder lie above the one that ends.
    const int source = GetCurrentSource();
    for (int i = static_cast<int>(m_OpenElements.size()) - 1; i >= 0; --i) {
        if (m_OpenElements[i].source == source)
            return i;
    }
    return -1;
}

void CSkinParser::PopOpenElements(int from)
{
    while (static_cast<int>(m_OpenElements.size()) > from) {
        delete m_OpenElements.back().pending;
        m_OpenElements.pop_back();
    }
}

void CSkinParser::SetLimits(const CLimits& limits)
{
    m_Limits = limits;
    m_Limits.maxOpenElements = std::min(limits.maxOpenElements, CLimits().maxOpenElements);
}

bool CSkinParser::Charge(const Containers::IConstNamedAttributes& attributes)
{
    Core::CCharString text;
    if (++m_ElementsHandled > m_Limits.maxElements) {
        text.Assign("Skin too large: more than ");
        AppendInt(text, m_Limits.maxElements);
        text.Append(" elements handled in one parse");
    } else if (static_cast<int>(m_OpenElements.size()) >= m_Limits.maxOpenElements) {
        text.Assign("Skin too deep: more than ");
        AppendInt(text, m_Limits.maxOpenElements);
        text.Append(" elements open at once");
    } else {
        return ChargeText(attributes);
    }
    Abort(text.GetString());
    return false;
}

bool CSkinParser::ChargeText(const Containers::IConstNamedAttributes& attributes)
{
    std::unique_ptr<Containers::IConstValueIterator<const char*>> values(attributes.GetValuesIterator());
    for (values->First(); !values->IsEnd(); values->Next())
        m_AttributeBytes += static_cast<long long>(std::strlen(values->GetCurrent()));
    if (m_AttributeBytes <= m_Limits.maxAttributeBytes)
        return true;
    Core::CCharString text("Skin too large: more than ");
    AppendInt(text, m_Limits.maxAttributeBytes);
    text.Append(" bytes of attribute text in one parse");
    Abort(text.GetString());
    return false;
}

void CSkinParser::Abort(const char* text)
{
    Log(0, text);
    m_Aborted = true;
    m_Success = false;
}

IParsedTemplateInstance* CSkinParser::Replay(IParsedTemplate& recorded,
                                             const Containers::IConstNamedAttributes& parameters)
{
    m_ActiveReplays.push_back(++m_LastReplay);
    IParsedTemplateInstance* pending = recorded.Instantiate(parameters, *this);
    m_ActiveReplays.pop_back();
    return pending;
}

void CSkinParser::PopLocalVariables()
{
    while (!m_LocalVariables.empty() && m_LocalVariables.back().scopeDepth > m_ElementDepth) {
        m_Variables.RemoveValue(m_LocalVariables.back().name.GetString());
        m_LocalVariables.pop_back();
    }
}

void CSkinParser::Log(int type, const char* text)
{
    if (m_Log)
        m_Log->AddMessage(type, text, 0);
}

void CSkinParser::LogWithTag(int type, const char* tag, const char* text)
{
    Core::CCharString message(tag);
    message.Append(text);
    Log(type, message.GetString());
}

// ---- XML reader events ----

void CSkinParser::startElement(const XMLCh* const, const XMLCh* const, const XMLCh* const qualifiedName,
                               const xercesc::Attributes& attributes)
{
    Core::CCharString name;
    CXMLNamedAttributes::Transcode(qualifiedName, name);
    m_CurrentElementName = name;
    CXMLNamedAttributes set;
    const XMLSize_t count = attributes.getLength();
    for (XMLSize_t i = 0; i < count; ++i)
        set.AddXMLAttribute(attributes.getQName(i), attributes.getValue(i));
    StartElement(name.GetString(), set);
}

void CSkinParser::endElement(const XMLCh* const, const XMLCh* const, const XMLCh* const qualifiedName)
{
    Core::CCharString name;
    CXMLNamedAttributes::Transcode(qualifiedName, name);
    EndElement(name.GetString());
}

void CSkinParser::setDocumentLocator(const xercesc::Locator* const locator)
{
    m_Locator = locator;
}

void CSkinParser::error(const xercesc::SAXParseException& exception)
{
    LogXMLProblem(0, "line ", exception);
    m_Success = false;
}

void CSkinParser::fatalError(const xercesc::SAXParseException& exception)
{
    LogXMLProblem(0, "Fatal error line ", exception);
    m_Success = false;
}

void CSkinParser::warning(const xercesc::SAXParseException& exception)
{
    LogXMLProblem(1, "", exception);
}

void CSkinParser::LogXMLProblem(int type, const char* prefix, const xercesc::SAXParseException& exception)
{
    Core::CCharString text(prefix);
    AppendInt(text, static_cast<long long>(exception.getLineNumber()));
    text.Append(": ");
    Core::CCharString message;
    CXMLNamedAttributes::Transcode(exception.getMessage(), message);
    text.Append(message);
    text.Append(" (");
    CoreUtilities::CFilePath file(m_CurrentFile.GetString());
    file.MakeRelativeTo(m_RootFolder.GetString());
    text.Append(file.GetString());
    text.Append(")");
    Log(type, text.GetString());
}

// ---- Directives ----

bool CSkinParser::OnInclude(const Containers::IConstNamedAttributes& attributes)
{
    std::unique_ptr<char[]> path(GetPath(attributes, "file"));
    return ParseOneFile(path ? path.get() : "");
}

bool CSkinParser::OnIncludeOnce(const Containers::IConstNamedAttributes& attributes)
{
    std::unique_ptr<char[]> path(GetPath(attributes, "file"));
    const Core::CCharString key(path ? path.get() : "");
    if (!m_IncludedOnce.insert(key).second)
        return true;
    return ParseOneFile(key.GetString());
}

bool CSkinParser::OnDefineStart(const Containers::IConstNamedAttributes&)
{
    m_DefineMode = true;
    return true;
}

bool CSkinParser::OnDefineEnd()
{
    m_DefineMode = false;
    return true;
}

bool CSkinParser::OnUndefineStart(const Containers::IConstNamedAttributes&)
{
    m_UndefineMode = true;
    return true;
}

bool CSkinParser::OnUndefineEnd()
{
    m_UndefineMode = false;
    return true;
}

bool CSkinParser::OnTemplateStart(const Containers::IConstNamedAttributes& attributes)
{
    m_TemplateMode = true;
    return m_TemplateRecorder.StartTemplate(attributes);
}

bool CSkinParser::OnTemplateEnd()
{
    m_TemplateRecorder.EndTemplate();
    m_TemplateMode = false;
    return true;
}

bool CSkinParser::OnVariable(const Containers::IConstNamedAttributes& attributes)
{
    const char* id = attributes.GetValue("id");
    if (id == nullptr || *id == 0) {
        Log(0, "mandatory id for VARIABLE attribute empty or missing");
        return false;
    }
    if (m_Variables.GetValue(id) && !Containers::IsAttributeEqual(attributes, "override", "true"))
        LogWithTag(1, id, " variable already in use. New definition will overwrite previous one.");
    const char* formula = attributes.GetValue("formula");
    if (formula == nullptr) {
        const char* value = attributes.GetValue("value");
        m_Variables.SetValue(id, value ? value : "");
        return true;
    }
    float value = 0.0f;
    if (!EvaluateFormula(formula, value)) {
        Core::CCharString text(":'");
        text.Append(formula);
        text.Append("' is an invalid formula.");
        LogWithTag(0, id, text.GetString());
        return false;
    }
    Core::CCharString text;
    FloatToText(value, text);
    m_Variables.SetValue(id, text.GetString());
    return true;
}

bool CSkinParser::OnLocalVariable(const Containers::IConstNamedAttributes& attributes)
{
    const char* id = attributes.GetValue("id");
    const bool existed = id && m_Variables.GetValue(id);
    const bool result = OnVariable(attributes);
    if (!existed && id && *id)
        m_LocalVariables.push_back({m_ElementDepth - 1, Core::CCharString(id)});
    return result;
}

bool CSkinParser::EvaluateFormula(const char* text, float& value)
{
    CFormulaBuilder builder;
    std::unique_ptr<Math::IConstant> constant(builder.CreateConstant(text));
    if (!constant)
        return false;
    value = constant->GetValue();
    return std::isfinite(value);
}

bool CSkinParser::ReadRepeatNumber(const Containers::IConstNamedAttributes& attributes, const char* name, int& value)
{
    const char* written = attributes.GetValue(name);
    const char* text = written ? written : "";
    char* end = nullptr;
    const long whole = std::strtol(text, &end, 10);
    if (*end == 0 && (end != text || *text == 0)) {
        value = whole < INT_MIN ? INT_MIN : (whole > INT_MAX ? INT_MAX : static_cast<int>(whole));
        return true;
    }
    float evaluated = 0.0f;
    if (EvaluateFormula(text, evaluated)) {
        value = Core::TruncateToInt(evaluated);
        return true;
    }
    Core::CCharString message("Line ");
    AppendInt(message, m_Locator ? static_cast<long long>(m_Locator->getLineNumber()) : 0);
    message.Append(":'");
    message.Append(text);
    message.Append("' is an invalid formula.");
    Log(0, message.GetString());
    value = 0;
    return false;
}

bool CSkinParser::OnRepeatStart(const Containers::IConstNamedAttributes& attributes)
{
    bool result = ReadRepeatNumber(attributes, "count", m_RepeatCount);
    result = ReadRepeatNumber(attributes, "start", m_RepeatStart) && result;
    const char* indexList = attributes.GetValue("index_list");
    m_RepeatIndexList.Assign(indexList ? indexList : "");
    if (indexList && attributes.GetValue("count"))
        Log(1, "REPEAT: index_list attribute overrides count attribute");
    m_RepeatMode = true;
    Containers::CNamedAttributes id;
    id.SetValue("id", "RepeatTemplate");
    m_RepeatRecorder.StartTemplate(id);
    const char* indexName = attributes.GetValue("index_name");
    m_RepeatIndexName.Assign(indexName ? indexName : "index");
    return result;
}

bool CSkinParser::OnRepeatEnd()
{
    m_RepeatRecorder.EndTemplate();
    m_RepeatMode = false;
    std::unique_ptr<IParsedTemplate> body(m_RepeatRecorder.GetTemplates().Detach("RepeatTemplate"));
    const int count = m_RepeatCount;
    const long long start = m_RepeatStart;
    const Core::CCharString indexList(m_RepeatIndexList);
    const Core::CCharString indexName(m_RepeatIndexName);
    m_RepeatRecorder.Clear();
    m_RepeatCount = 0;
    m_RepeatStart = 0;
    m_RepeatIndexList.Clear();
    m_RepeatIndexName.Clear();
    if (!body)
        return true;

    Containers::CNamedAttributes parameters;
    const auto replayOnce = [&](const char* index) {
        // Each iteration counts as handled work, so that an empty body cannot loop for ever.
        if (!Charge(Containers::CNamedAttributes()))
            return false;
        parameters.SetValue(indexName.GetString(), index);
        ++m_ElementDepth;
        delete Replay(*body, parameters);
        --m_ElementDepth;
        PopLocalVariables();
        return !m_Aborted;
    };
    if (indexList.GetLength() > 0) {
        Core::CCharStringTokenizer pieces(indexList, ';');
        for (pieces.First(); !pieces.IsDone(); pieces.Next()) {
            if (!replayOnce(pieces.GetToken().GetString()))
                break;
        }
    } else {
        for (int i = 0; i < count; ++i) {
            Core::CCharString index;
            AppendInt(index, start + i);
            if (!replayOnce(index.GetString()))
                break;
        }
    }
    return true;
}

bool CSkinParser::OnScript(const Containers::IConstNamedAttributes& attributes)
{
    if (attributes.GetValue("src") == nullptr) {
        Log(0, "SCRIPT: missing mandatory src attribute.");
        return false;
    }
    Log(1, "SCRIPT: current engine does not supports scripts.");
    return true;
}

// ---- Lookups ----

char* CSkinParser::GetPath(const Containers::IConstNamedAttributes& attributes, const char* name) const
{
    return Containers::GetPathAttribute(attributes, name, m_RootFolder.GetString());
}

char* CSkinParser::GetFileAttribute(const Containers::IConstNamedAttributes& attributes, const char* name,
                                    const char* nameSuffix, const char* insertSuffix) const
{
    Core::CCharString suffixed(name);
    suffixed.Append(nameSuffix ? nameSuffix : "");
    if (char* path = GetPath(attributes, suffixed.GetString()))
        return path;
    char* path = GetPath(attributes, name);
    if (path == nullptr)
        return nullptr;
    CoreUtilities::CFilePath withSuffix;
    withSuffix.Attach(path);
    withSuffix.InsertBeforeExtension(insertSuffix);
    return withSuffix.Detach();
}

void CSkinParser::JoinParts(const PartsList& list, int first, int last, Core::CCharString& out)
{
    out.Clear();
    const int count = list.GetCount();
    if (last < 0 || last >= count)
        last = count - 1;
    for (int i = first < 0 ? 0 : first; i <= last; ++i)
        out.Append(list[i] ? list[i] : "");
}

char* CSkinParser::FindStateFile(const Containers::IConstNamedAttributes& attributes, const PartsList& parts)
{
    const int count = parts.GetCount();
    Core::CCharString name;
    Core::CCharString inserted;
    for (int n = count - 1; n >= 0; --n) {
        JoinParts(parts, 0, n, name);
        char* path = GetPath(attributes, name.GetString());
        if (path == nullptr)
            continue;
        CoreUtilities::CFilePath candidate;
        candidate.Attach(path);
        if (n < count - 1) {
            JoinParts(parts, n + 1, count - 1, inserted);
            candidate.InsertBeforeExtension(inserted.GetString());
        }
        if (FileExistsCached(candidate.GetString()))
            return candidate.Detach();
    }
    return nullptr;
}

char* CSkinParser::GetStateFileAttribute(const Containers::IConstNamedAttributes& attributes, const PartsList& parts)
{
    Core::CCharString name;
    JoinParts(parts, 0, -1, name);
    if (char* path = GetPath(attributes, name.GetString()))
        return path;
    PartsList first;
    for (int k = parts.GetCount(); k >= 1; --k) {
        first.SetSize(k);
        for (int i = 0; i < k; ++i)
            first[i] = parts[i];
        if (char* path = FindStateFile(attributes, first))
            return path;
    }
    return nullptr;
}

char* CSkinParser::GetStateFileAttributeWithSuffix(const Containers::IConstNamedAttributes& attributes,
                                                   const PartsList& parts, const PartsList& suffixParts)
{
    Core::CCharString name;
    Core::CCharString suffix;
    JoinParts(parts, 0, -1, name);
    JoinParts(suffixParts, 0, -1, suffix);
    name.Append(suffix);
    if (char* path = GetPath(attributes, name.GetString()))
        return path;
    const int suffixCount = suffixParts.GetCount();
    PartsList combined;
    for (int k = parts.GetCount(); k >= 1; --k) {
        for (int i = 0; i < suffixCount; ++i) {
            combined.SetSize(k + suffixCount - i);
            for (int j = 0; j < k; ++j)
                combined[j] = parts[j];
            for (int j = i; j < suffixCount; ++j)
                combined[k + j - i] = suffixParts[j];
            if (char* path = FindStateFile(attributes, combined))
                return path;
        }
    }
    return nullptr;
}

// ---- Public state ----

bool CSkinParser::CPublicState::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteString("rootFilePath", m_Parser.m_RootFolder.GetString());
    result = stream.WriteString("currentFile", m_Parser.m_CurrentFile.GetString()) && result;
    result = stream.WriteObject("templates", m_Parser.m_TemplateRecorder.GetTemplates()) && result;
    return stream.WriteObject("defines", m_Parser.m_Defines) && result;
}

bool CSkinParser::CPublicState::DeSerialize(const Serialization::IReadDataStream& stream)
{
    bool result = true;
    Core::CCharString* const texts[] = {&m_Parser.m_RootFolder, &m_Parser.m_CurrentFile};
    const char* const names[] = {"rootFilePath", "currentFile"};
    for (int i = 0; i < 2; ++i) {
        char* text = nullptr;
        if (stream.ReadString(names[i], text)) {
            texts[i]->Attach(text);
        } else {
            texts[i]->Clear();
            result = false;
        }
    }
    result = stream.ReadObject("templates", m_Parser.m_TemplateRecorder.GetTemplates()) && result;
    return stream.ReadObject("defines", m_Parser.m_Defines) && result;
}

// ---- Log report ----

CSkinParser::ReportDisplay CSkinParser::SetReportDisplay(ReportDisplay display)
{
    return g_ReportDisplay.exchange(display);
}

bool CSkinParser::ComposeReport(CoreUtilities::CMemMessageLog& log, bool showWarnings, bool showInformation,
                                EReportStyle& style, Core::CCharString& headline, Core::CCharString& text)
{
    const bool errors = log.GetMessagesCount(0) != 0;
    const bool warnings = showWarnings && log.GetMessagesCount(1) != 0;
    if (!errors && !warnings && !showInformation)
        return false;
    bool shown[3] = {true, showWarnings, showInformation};
    const char* prefixes[3] = {"error: ", "warning: ", "info: "};
    if (errors) {
        style = kReportError;
        headline.Assign("Skin Parsing Error");
        text.Assign("There were errors while parsing the skin:");
    } else if (warnings) {
        style = kReportWarning;
        headline.Assign("Skin Parsing Warning");
        text.Assign("There were warnings while parsing the skin:");
    } else {
        style = kReportInformation;
        headline.Assign("Skin Parsing Info");
        text.Assign("Information logged during skin parsing:");
        shown[0] = shown[1] = false;
        prefixes[2] = "";
    }
    const auto& messages = log.GetMessages();
    for (int i = 0; i < messages.GetCount(); ++i) {
        const int type = messages[i].GetType();
        if (type < 0 || type > 2 || !shown[type])
            continue;
        text.Append("\n- ");
        text.Append(prefixes[type]);
        text.Append(messages[i].GetText());
    }
    return true;
}

void CSkinParser::ReportLog(CoreUtilities::CMemMessageLog& log, GUI::IWidget*, bool showWarnings, bool showInformation)
{
    const bool errors = log.GetMessagesCount(0) != 0;
    const bool warnings = showWarnings && log.GetMessagesCount(1) != 0;
    if (!errors && !warnings)
        log.AddMessage(2, "Skin parsing successful", 0);
    EReportStyle style = kReportInformation;
    Core::CCharString headline;
    Core::CCharString text;
    if (!ComposeReport(log, showWarnings, showInformation, style, headline, text))
        return;
    const ReportDisplay display = g_ReportDisplay.load();
    if (display)
        display(style, headline.GetString(), text.GetString());
}

} // namespace SkinEngine
} // namespace Veltis
