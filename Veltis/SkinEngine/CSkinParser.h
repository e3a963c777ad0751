#pragma once

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Core/TIArgReturnCommand.h"
#include "Veltis/Core/TIReturnCommand.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/Serialization/ISerializable.h"
#include "Veltis/SkinEngine/CDefineParser.h"
#include "Veltis/SkinEngine/CTemplateParser.h"
#include "Veltis/SkinEngine/IParserElementHandler.h"

#include <xercesc/sax2/DefaultHandler.hpp>

#include <deque>
#include <locale.h>
#include <set>
#include <unordered_map>
#include <vector>

namespace Veltis {
namespace Core {
class IMessageLog;
}
namespace CoreUtilities {
class CMemMessageLog;
}
namespace GUI {
class IWidget;
}
namespace SkinEngine {

class IParsedTemplate;
class IParsedTemplateInstance;

// Reads skin and model files (XML in the skin language) and turns them into element events for the
// handlers registered per tag. It runs the language's directives itself (INCLUDE, INCLUDE_ONCE, DEFINE,
// UNDEFINE, TEMPLATE, VARIABLE, LOCAL_VARIABLE, REPEAT, SCRIPT), substitutes "$" variables, expands
// defined elements and template instances, and logs every problem. One thread at a time uses a parser;
// parsers on different threads may parse at once.
//
// Skins are untrusted, so the work of one ParseFile is bounded: a file already being read is not
// included again, includes nest at most kMaxIncludeDepth files, definition chains stop at a cycle or
// after kMaxDefineChain steps, and CLimits bounds the elements handled, the elements open at once and
// the attribute text of one parse. Past a limit the parse logs one error, fails and handles nothing
// more.
class CSkinParser : public xercesc::DefaultHandler, public IParserElementHandler {
public:
    typedef Core::TIArgReturnCommand<bool, const Containers::IConstNamedAttributes&> StartCommand;
    typedef Core::TIReturnCommand<bool> EndCommand;
    typedef Core::TDynamicVector<const char*, Core::CStepGrowthStrategy> PartsList;

    static const int kMaxIncludeDepth = 16;
    static const int kMaxDefineChain = 64;
    // Entity expansions one file may make: enough for character entities, not for nested ones.
    static const unsigned int kEntityExpansionLimit = 100;
    // Replays of one template may nest this deep; the next one is refused.
    static const int kMaxTemplateRecursion = 256;

    // The budgets of one ParseFile.
    struct CLimits {
        // Elements handled, replays and REPEAT iterations included.
        int maxElements = 1000000;
        // Elements open at once, in files and replays together: the depth of the replay's recursion.
        int maxOpenElements = 1024;
        // Bytes of attribute text that reach the dispatch, before and after substitution.
        long long maxAttributeBytes = 64LL * 1024 * 1024;
    };

    // What a later replay of recorded content needs: the root folder, the current file, and the
    // templates and definitions in force ("rootFilePath", "currentFile", "templates", "defines").
    class CPublicState : public Serialization::ISerializable {
    public:
        explicit CPublicState(CSkinParser& parser) : m_Parser(parser) {}
        bool Serialize(Serialization::IWriteDataStream& stream) const override;
        // Sets what it can read; false when anything is missing. A text that cannot be read becomes "".
        bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    private:
        CSkinParser& m_Parser;
    };

    // The alert styles of the log report.
    enum EReportStyle { kReportError, kReportWarning, kReportInformation };
    // Shows a composed report: headline (message text) and informative text below it.
    typedef void (*ReportDisplay)(EReportStyle style, const char* headline, const char* informativeText);

    // log is not owned; it receives every message at level 0.
    explicit CSkinParser(Core::IMessageLog* log);
    ~CSkinParser() override;
    CSkinParser(const CSkinParser&) = delete;
    CSkinParser& operator=(const CSkinParser&) = delete;

    // Reads the file and everything it includes; true when no handler failed and the XML reader
    // reported no error. Relative paths of every file read are resolved against this file's folder.
    bool ParseFile(const char* path);
    // Removes every handler and registers the directives again.
    void Reset();
    // The document element of a parsed file must carry this name, and no other element may; "" checks
    // nothing.
    void SetRootElementName(const char* tag);
    // The parser owns command from now on; a command already registered for tag is destroyed. A null
    // tag destroys command and gives false.
    bool SetStartElementHandler(const char* tag, StartCommand* command);
    bool SetEndElementHandler(const char* tag, EndCommand* command);
    void SetVariable(const char* name, const char* value);
    // The tag of the element last read from a file (not of replayed ones).
    const char* GetCurrentElementName() const { return m_CurrentElementName.GetString(); }
    // Records the elements that follow (after expansion and substitution) until the end of the element
    // whose start handler called this, for later replays. attributes is kept, not owned, and handed back
    // by StopRecording: it must outlive the recording (the element's own attributes do not). Nothing
    // happens while a recording is active.
    void StartRecording(const Containers::IConstNamedAttributes* attributes);
    // The recorded body (the caller owns it), or null (attributes null) without a recording.
    IParsedTemplate* StopRecording(const Containers::IConstNamedAttributes*& attributes);
    void ClearFileCache();
    // The open-element limit cannot be raised beyond the default: replays recurse that deep.
    void SetLimits(const CLimits& limits);
    const CLimits& GetLimits() const { return m_Limits; }

    bool StartElement(const char* name, const Containers::IConstNamedAttributes& attributes) override;
    bool EndElement(const char* name) override;

    // File lookups: paths below the root folder, as new[] texts the caller deletes, or null.
    char* GetFileAttribute(const Containers::IConstNamedAttributes& attributes, const char* name,
                           const char* nameSuffix, const char* insertSuffix) const;
    // The image of a widget state, falling back to simpler states whose file exists.
    char* GetStateFileAttribute(const Containers::IConstNamedAttributes& attributes, const PartsList& parts);
    // As GetStateFileAttribute, for names that always end with some of the suffix parts.
    char* GetStateFileAttributeWithSuffix(const Containers::IConstNamedAttributes& attributes,
                                          const PartsList& parts, const PartsList& suffixParts);
    CPublicState& GetPublicState() { return m_PublicState; }
    // Entries first to last joined (last -1 or past the end: the last entry); a null entry is "".
    static void JoinParts(const PartsList& list, int first, int last, Core::CCharString& out);

    // Shows the log to the user through the report display: errors (with warnings and information when
    // asked), else warnings when asked, else "Skin parsing successful" is added to the log and the
    // information is shown when asked. widget is not used.
    static void ReportLog(CoreUtilities::CMemMessageLog& log, GUI::IWidget* widget, bool showWarnings,
                          bool showInformation);
    // The report ReportLog shows for the log as it is; false when nothing is to be shown.
    static bool ComposeReport(CoreUtilities::CMemMessageLog& log, bool showWarnings, bool showInformation,
                              EReportStyle& style, Core::CCharString& headline, Core::CCharString& text);
    // Until set, reports are not shown. Returns the previous display.
    static ReportDisplay SetReportDisplay(ReportDisplay display);

    // Existence through a cache kept until ClearFileCache, keyed by the exact text; false for null or "".
    bool FileExistsCached(const char* path);
    // The folder of the file given to ParseFile with its trailing '/', "" outside a parse.
    const char* GetRootFolder() const { return m_RootFolder.GetString(); }
    const char* GetCurrentFile() const { return m_CurrentFile.GetString(); }

    // The XML reader's events.
    void startElement(const XMLCh* const uri, const XMLCh* const localName, const XMLCh* const qualifiedName,
                      const xercesc::Attributes& attributes) override;
    void endElement(const XMLCh* const uri, const XMLCh* const localName, const XMLCh* const qualifiedName) override;
    void setDocumentLocator(const xercesc::Locator* const locator) override;
    void characters(const XMLCh* const, const XMLSize_t) override {}
    void resetDocument() override {}
    void resetErrors() override {}
    void error(const xercesc::SAXParseException& exception) override;
    void fatalError(const xercesc::SAXParseException& exception) override;
    void warning(const xercesc::SAXParseException& exception) override;

private:
    // What the end of an open element does, decided when it started.
    enum EEndAction { kEndNothing, kEndHandler, kEndInstance, kEndRecording, kEndRecorded };

    struct COpenElement {
        EEndAction action;
        // The replay that started the element (0: a file); the element's end comes from the same one.
        int source;
        // kEndHandler: the tag whose end handler runs, after definitions were expanded.
        Core::CCharString tag;
        bool lowersDepth;
        // kEndInstance: the replay's own number and its pending rest.
        int replay;
        IParsedTemplateInstance* pending;
        // kEndRecorded: the recorder in which the element was recorded.
        CTemplateParser* recorder;
    };

    struct CLocalVariable {
        int scopeDepth;
        Core::CCharString name;
    };

    // What a file read must leave as it found it, even when the file stops in the middle.
    struct CReadState {
        int openElements;
        int elementDepth;
        bool defineMode;
        bool undefineMode;
        bool templateMode;
        bool repeatMode;
        int templateNodes;
        int repeatNodes;
    };

    typedef std::unordered_map<Core::CCharString, StartCommand*, CoreUtilities::CCharStringHash,
                               CoreUtilities::CCharStringEquals>
        CStartHandlers;
    typedef std::unordered_map<Core::CCharString, EndCommand*, CoreUtilities::CCharStringHash,
                               CoreUtilities::CCharStringEquals>
        CEndHandlers;

    bool BeginParse();
    void EndParse();
    bool ParseOneFile(const char* path);
    bool ReadFile(const char* path);
    CReadState SaveReadState() const;
    void RestoreReadState(const CReadState& entry);
    void ClearElementHandlers();
    void RegisterDirectives();
    void PopLocalVariables();

    // Dispatch helpers.
    bool Charge(const Containers::IConstNamedAttributes& attributes);
    bool ChargeText(const Containers::IConstNamedAttributes& attributes);
    void Abort(const char* text);
    bool CheckRoot(const char* tag);
    bool ExpandDefinitions(Core::CCharString& tag, Containers::CNamedAttributes& attributes);
    bool StartNormalElement(const char* name, const Containers::IConstNamedAttributes& attributes,
                            COpenElement& element);
    int PushOpenElement(const COpenElement& element);
    int FindOpenElement() const;
    void PopOpenElements(int from);
    int GetCurrentSource() const { return m_ActiveReplays.empty() ? 0 : m_ActiveReplays.back(); }
    IParsedTemplateInstance* Replay(IParsedTemplate& recorded, const Containers::IConstNamedAttributes& parameters);
    bool RunEndHandler(const Core::CCharString& tag);
    void Log(int type, const char* text);
    void LogWithTag(int type, const char* tag, const char* text);
    void LogXMLProblem(int type, const char* prefix, const xercesc::SAXParseException& exception);

    // Directives.
    bool OnInclude(const Containers::IConstNamedAttributes& attributes);
    bool OnIncludeOnce(const Containers::IConstNamedAttributes& attributes);
    bool OnDefineStart(const Containers::IConstNamedAttributes& attributes);
    bool OnDefineEnd();
    bool OnUndefineStart(const Containers::IConstNamedAttributes& attributes);
    bool OnUndefineEnd();
    bool OnTemplateStart(const Containers::IConstNamedAttributes& attributes);
    bool OnTemplateEnd();
    bool OnVariable(const Containers::IConstNamedAttributes& attributes);
    bool OnLocalVariable(const Containers::IConstNamedAttributes& attributes);
    bool OnRepeatStart(const Containers::IConstNamedAttributes& attributes);
    bool OnRepeatEnd();
    bool OnScript(const Containers::IConstNamedAttributes& attributes);
    bool ReadRepeatNumber(const Containers::IConstNamedAttributes& attributes, const char* name, int& value);
    // Evaluates a constant formula; false for one that cannot be built or is not finite.
    bool EvaluateFormula(const char* text, float& value);

    // Lookups.
    char* GetPath(const Containers::IConstNamedAttributes& attributes, const char* name) const;
    char* FindStateFile(const Containers::IConstNamedAttributes& attributes, const PartsList& parts);

    std::unordered_map<Core::CCharString, bool, CoreUtilities::CCharStringHash, CoreUtilities::CCharStringEquals>
        m_FileCache;
    CStartHandlers m_StartHandlers;
    CEndHandlers m_EndHandlers;
    Core::IMessageLog* m_Log;
    bool m_Success;
    Core::CCharString m_CurrentElementName;
    bool m_RootSeen;
    CDefineParser m_Defines;
    CTemplateParser m_TemplateRecorder;
    CTemplateParser m_RepeatRecorder;
    int m_RepeatCount;
    int m_RepeatStart;
    Core::CCharString m_RepeatIndexList;
    Core::CCharString m_RepeatIndexName;
    bool m_RepeatMode;
    CTemplateParser* m_Recorder;
    const Containers::IConstNamedAttributes* m_RecordingAttributes;
    int m_RecordingDepth;
    bool m_DefineMode;
    bool m_UndefineMode;
    bool m_TemplateMode;
    const xercesc::Locator* m_Locator;
    Containers::CNamedAttributes m_Variables;
    Core::CCharString m_RootElementName;
    Core::CCharString m_CurrentFile;
    Core::CCharString m_RootFolder;
    locale_t m_SavedLocale;
    std::set<Core::CCharString> m_IncludedOnce;
    std::deque<CLocalVariable> m_LocalVariables;
    int m_ElementDepth;
    CPublicState m_PublicState;

    // Bounds of one parse.
    CLimits m_Limits;
    bool m_InParse;
    bool m_Aborted;
    int m_ElementsHandled;
    long long m_AttributeBytes;
    std::vector<Core::CCharString> m_FilesBeingRead;
    std::vector<COpenElement> m_OpenElements;
    std::vector<int> m_ActiveReplays;
    int m_LastReplay;
};

} // namespace SkinEngine
} // namespace Veltis
