#include "tools/aaxhost/AAXHostTool.h"

#include <ctype.h>
#include <errno.h>
#include <limits.h>
#include <math.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sndfile.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "aax/AAX_CString.h"
#include "platform/aax/AAXChunkRecord.h"
#include "platform/aax/AAXStemFormat.h"
#include "platform/aax/host/AAXChunkFile.h"
#include "platform/aax/host/CHostModule.h"

namespace AAXHostTool {

namespace {

using Veltis::Platform::AAXHost::CHostInstance;
using Veltis::Platform::AAXHost::CHostModule;
using Veltis::Platform::AAXHost::SAudioBlock;
using Veltis::Platform::AAXHost::SInstanceSettings;

const uint32_t kStateChunkId = AAXFourCharCode("crvn");
// A preset document larger than this is not a preset.
const size_t kMaxPresetBytes = size_t(1) << 24;
// Renders longer than this many seconds of audio show a progress bar.
const double kProgressSeconds = 20.0;

// A failure with its exit code and message, reported once by the command.
struct SFailure {
    int m_Code;
    std::string m_Message;
};

int Report(const SFailure& failure)
{
    fprintf(stderr, "aaxhost: %s\n", failure.m_Message.c_str());
    return failure.m_Code;
}

bool ParseNumber(const std::string& text, double& value)
{
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    stream >> value;
    return stream && stream.peek() == EOF && isfinite(value);
}

// The module loaded and registered; unloaded (after its instances) when this goes.
class CLoadedModule {
public:
    explicit CLoadedModule(const std::string& path)
    {
        if (!m_Module.LoadAndRegister(path))
            throw SFailure{kModuleError, "cannot load the module " + path + ": " + m_Module.GetLastError()};
    }
    ~CLoadedModule()
    {
        m_Instance.reset();
        if (m_Module.IsLoaded() && m_Module.Unload() != 0)
            fprintf(stderr, "aaxhost: warning: the module still holds objects at unload\n");
    }

    CHostModule& GetModule() { return m_Module; }
    CHostInstance& NewInstance(float sampleRate)
    {
        m_Instance = m_Module.CreateInstance();
        if (!m_Instance)
            throw SFailure{kModuleError, "the module offers no instance: " + m_Module.GetLastError()};
        SInstanceSettings settings;
        settings.m_SampleRate = sampleRate;
        const int32_t result = m_Instance->Initialize(settings);
        if (result != 0)
            throw SFailure{kModuleError, "the instance did not initialise (result " + std::to_string(result) + ")"};
        return *m_Instance;
    }

private:
    CHostModule m_Module;
    std::unique_ptr<CHostInstance> m_Instance;
};

struct SParameter {
    int32_t m_Index;
    std::string m_Id;
    std::string m_Name;
};

std::vector<SParameter> ListParameters(AAX_IACFEffectParameters* effect)
{
    std::vector<SParameter> parameters;
    int32_t count = 0;
    effect->GetParameterCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        AAX_CString id, name;
        effect->GetParameterIDFromIndex(i, &id);
        effect->GetParameterName(id.Get(), &name);
        parameters.push_back(SParameter{i, id.Get(), name.Get()});
    }
    return parameters;
}

std::string TextOfNormalized(AAX_IACFEffectParameters* effect, const std::string& id, double normalized)
{
    AAX_CString text;
    if (effect->GetParameterStringFromValue(id.c_str(), &text, 64, normalized) != 0)
        return "?";
    return text.Get();
}

std::string ValueText(AAX_IACFEffectParameters* effect, const std::string& id)
{
    AAX_CString text;
    effect->GetParameterValueString(id.c_str(), &text, 64);
    return text.Get();
}

std::string FourCharText(uint32_t code)
{
    char text[5] = {static_cast<char>(code >> 24), static_cast<char>(code >> 16), static_cast<char>(code >> 8),
                    static_cast<char>(code), 0};
    for (int i = 0; i < 4; ++i)
        if (text[i] < 32 || text[i] > 126)
            return "";
    return std::string(" '") + text + "'";
}

const char* FieldKind(Veltis::Platform::AAXHost::SFieldDescription::EKind kind)
{
    switch (kind) {
    case Veltis::Platform::AAXHost::SFieldDescription::kPrivateData: return "private data";
    case Veltis::Platform::AAXHost::SFieldDescription::kAudioIn: return "audio inputs";
    case Veltis::Platform::AAXHost::SFieldDescription::kAudioOut: return "audio outputs";
    case Veltis::Platform::AAXHost::SFieldDescription::kBufferLength: return "buffer length";
    case Veltis::Platform::AAXHost::SFieldDescription::kMIDINode: return "MIDI node";
    }
    return "?";
}

// A chunk record holding a "Preset" document, as the module writes its state.
std::vector<unsigned char> WrapPreset(const std::string& text)
{
    // The declared size counts four bytes beyond the text's NUL.
    std::vector<unsigned char> chunk(kAAXChunkHeaderSize + text.size() + 61, 0);
    AAXChunkRecord header = {};
    header.m_Size = static_cast<int32_t>(text.size() + 61);
    header.m_Identifier = kStateChunkId;
    memcpy(&chunk[0], &header, sizeof header);
    memcpy(&chunk[kAAXChunkHeaderSize], text.c_str(), text.size());
    return chunk;
}

// True when the document's first element is named "Preset".
bool LooksLikePreset(const std::string& text)
{
    size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        if (text.compare(at, 2, "<?") == 0 || text.compare(at, 2, "<!") == 0) {
            ++at;
            continue;
        }
        const size_t end = at + 7;
        return text.compare(at, 7, "<Preset") == 0 && end < text.size() &&
               (text[end] == '>' || text[end] == '/' || isspace(static_cast<unsigned char>(text[end])));
    }
    return false;
}

void RestoreState(CHostInstance& instance, const SOptions& options)
{
    std::vector<unsigned char> chunk;
    std::string error;
    if (!options.m_ChunkFile.empty()) {
        if (!Veltis::Platform::AAXHost::LoadChunkFile(options.m_ChunkFile, chunk, error))
            throw SFailure{kFileError, "cannot use the chunk file " + options.m_ChunkFile + ": " + error};
        const AAXChunkRecord* header = reinterpret_cast<const AAXChunkRecord*>(chunk.data());
        uint32_t identifier = 0;
        memcpy(&identifier, &header->m_Identifier, sizeof identifier);
        if (identifier != kStateChunkId)
            throw SFailure{kFileError, options.m_ChunkFile + " is not a state chunk of this module"};
    } else if (!options.m_PresetFile.empty()) {
        std::ifstream file(options.m_PresetFile, std::ios::binary);
        if (!file)
            throw SFailure{kFileError, "cannot read the preset file " + options.m_PresetFile};
        std::string text;
        char buffer[65536];
        while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
            text.append(buffer, static_cast<size_t>(file.gcount()));
            if (text.size() > kMaxPresetBytes)
                throw SFailure{kFileError, options.m_PresetFile + " is too large for a preset"};
        }
        if (text.find('\0') != std::string::npos || !LooksLikePreset(text))
            throw SFailure{kFileError, options.m_PresetFile + " is not a \"Preset\" document"};
        chunk = WrapPreset(text);
    } else {
        return;
    }
    const int32_t result = instance.RestoreChunk(chunk);
    if (result != 0)
        throw SFailure{kModuleError, "the module refused the state (result " + std::to_string(result) + ")"};
    bool equal = false;
    if (!options.m_ChunkFile.empty() && (instance.CompareChunk(chunk, equal) != 0 || !equal))
        throw SFailure{kFileError, "the module could not read the state in " + options.m_ChunkFile};
}

const SParameter* FindParameter(const std::vector<SParameter>& parameters, const std::string& key)
{
    for (const SParameter& parameter : parameters)
        if (parameter.m_Name == key)
            return &parameter;
    for (const SParameter& parameter : parameters)
        if (!key.empty() && parameter.m_Id == key)
            return &parameter;
    double index = 0.0;
    if (ParseNumber(key, index) && index == floor(index) && index >= 0 && index < parameters.size())
        return &parameters[static_cast<size_t>(index)];
    return nullptr;
}

// "from -40.0 to +40.0", in the module's own words (the host interface carries no unit).
std::string RangeText(AAX_IACFEffectParameters* effect, const std::string& id)
{
    return "from " + TextOfNormalized(effect, id, 0.0) + " to " + TextOfNormalized(effect, id, 1.0);
}

void ApplySettings(CHostInstance& instance, const SOptions& options)
{
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    const std::vector<SParameter> parameters = ListParameters(effect);
    for (const auto& setting : options.m_Settings) {
        const SParameter* parameter = FindParameter(parameters, setting.first);
        if (!parameter)
            throw SFailure{kUsageError, "no parameter is called \"" + setting.first + "\" (aaxhost describe lists them)"};
        double normalized = 0.0;
        if (effect->GetParameterValueFromString(parameter->m_Id.c_str(), &normalized, AAX_CString(setting.second.c_str())) != 0)
            throw SFailure{kUsageError, "\"" + setting.second + "\" is not a value of \"" + parameter->m_Name + "\" (" +
                                            RangeText(effect, parameter->m_Id) + ")"};
        instance.Automate(parameter->m_Id.c_str(), normalized);
    }
}

int MajorFormatFor(const SOptions& options)
{
    std::string name = options.m_Format;
    if (name.empty()) {
        const size_t dot = options.m_Output.rfind('.');
        const size_t slash = options.m_Output.rfind('/');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
            return 0;
        name = options.m_Output.substr(dot + 1);
    }
    for (char& c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    // Common names of the formats whose library extension is another.
    if (name == "aif")
        name = "aiff";
    if (name == "ogg")
        name = "oga";
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof count);
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO info = {};
        info.format = i;
        sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &info, sizeof info);
        if (info.extension && name == info.extension)
            return info.format;
    }
    return 0;
}

bool IsIntegerSubtype(int subtype)
{
    return subtype == SF_FORMAT_PCM_S8 || subtype == SF_FORMAT_PCM_U8 || subtype == SF_FORMAT_PCM_16 ||
           subtype == SF_FORMAT_PCM_24 || subtype == SF_FORMAT_PCM_32;
}

struct CSndFile {
    ~CSndFile()
    {
        if (m_File)
            sf_close(m_File);
    }
    SNDFILE* m_File = nullptr;
    SF_INFO m_Info = {};
};

// The path of the output being written, for a signal handler to remove; empty when there is none.
char g_PendingPath[PATH_MAX + 16];

void RemovePendingAndDie(int signal)
{
    if (g_PendingPath[0])
        unlink(g_PendingPath);
    ::signal(signal, SIG_DFL);
    raise(signal);
}

// The output while it is written: a temporary file in the destination's folder, renamed over the
// destination only once everything succeeded, and removed otherwise (also when a signal stops the
// tool), so that no half file is left and a good file is never replaced by a failed render.
class CPendingOutput {
public:
    explicit CPendingOutput(const std::string& destination) : m_Destination(destination)
    {
        const size_t slash = destination.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : destination.substr(0, slash == 0 ? 1 : slash);
        const std::string name = slash == std::string::npos ? destination : destination.substr(slash + 1);
        m_Path = folder + "/." + name + ".XXXXXX";
        if (m_Path.size() >= sizeof g_PendingPath)
            throw SFailure{kFileError, "cannot write " + destination + ": the path is too long"};
        m_Descriptor = mkstemp(&m_Path[0]);
        if (m_Descriptor < 0)
            throw SFailure{kFileError, "cannot write " + destination + ": " + strerror(errno)};
        // mkstemp makes the file private; the output gets what a newly created file would.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(m_Descriptor, 0666 & ~mask);
        memcpy(g_PendingPath, m_Path.c_str(), m_Path.size() + 1);
        for (int stop : {SIGINT, SIGTERM, SIGHUP})
            signal(stop, RemovePendingAndDie);
    }
    ~CPendingOutput()
    {
        if (m_Descriptor >= 0)
            close(m_Descriptor);
        if (!m_Committed)
            unlink(m_Path.c_str());
        g_PendingPath[0] = 0;
    }
    CPendingOutput(const CPendingOutput&) = delete;
    CPendingOutput& operator=(const CPendingOutput&) = delete;

    // Hands the descriptor over to whoever closes it.
    int TakeDescriptor()
    {
        const int descriptor = m_Descriptor;
        m_Descriptor = -1;
        return descriptor;
    }
    void Commit()
    {
        if (rename(m_Path.c_str(), m_Destination.c_str()) != 0)
            throw SFailure{kFileError, "cannot write " + m_Destination + ": " + strerror(errno)};
        m_Committed = true;
    }

private:
    std::string m_Destination;
    std::string m_Path;
    int m_Descriptor = -1;
    bool m_Committed = false;
};

// Refuses an output that is the input under another name (a link, a path through other folders):
// writing it would destroy what is being read.
void RefuseOutputOverInput(const SOptions& options)
{
    struct stat input, output;
    if (stat(options.m_Input.c_str(), &input) == 0 && stat(options.m_Output.c_str(), &output) == 0 &&
        input.st_dev == output.st_dev && input.st_ino == output.st_ino)
        throw SFailure{kUsageError, options.m_Output + " is the input file " + options.m_Input +
                                        "; rendering into it would destroy it: choose another output"};
}

void PrintProgress(sf_count_t done, sf_count_t total, int& shown)
{
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
    if (percent == shown)
        return;
    shown = percent;
    const int width = 40;
    const int filled = percent * width / 100;
    fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<size_t>(filled), '#').c_str(),
            std::string(static_cast<size_t>(width - filled), '.').c_str(), percent);
    if (percent == 100)
        fputc('\n', stderr);
    fflush(stderr);
}

int RenderOrThrow(const SOptions& options)
{
    RefuseOutputOverInput(options);
    CSndFile input;
    input.m_File = sf_open(options.m_Input.c_str(), SFM_READ, &input.m_Info);
    if (!input.m_File)
        throw SFailure{kFileError, "cannot read " + options.m_Input + ": " + sf_strerror(nullptr)};
    if (input.m_Info.channels < 1 || input.m_Info.channels > 2)
        throw SFailure{kFileError, options.m_Input + " has " + std::to_string(input.m_Info.channels) +
                                       " channels; the effect takes one or two"};
    const double rate = input.m_Info.samplerate;
    if (options.m_SampleRate > 0.0 && options.m_SampleRate != rate) {
        char given[64];
        snprintf(given, sizeof given, "%g", options.m_SampleRate);
        throw SFailure{kUsageError, "--rate " + std::string(given) + " differs from the rate of " + options.m_Input +
                                        " (" + std::to_string(input.m_Info.samplerate) +
                                        " Hz): the render runs at the input's rate and nothing is resampled"};
    }
    if (!(rate >= 1000.0 && rate <= 768000.0))
        throw SFailure{kFileError, options.m_Input + " has an unusable sample rate"};

    const int major = MajorFormatFor(options);
    if (!major)
        throw SFailure{kUsageError, "cannot tell the output format of " + options.m_Output + " (use --format)"};
    CSndFile output;
    output.m_Info.samplerate = static_cast<int>(lround(rate));
    output.m_Info.channels = 2;
    const int subtypes[] = {input.m_Info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_24, SF_FORMAT_FLOAT,
                            SF_FORMAT_PCM_16, SF_FORMAT_VORBIS, SF_FORMAT_OPUS};
    for (int subtype : subtypes) {
        output.m_Info.format = major | subtype;
        if (sf_format_check(&output.m_Info))
            break;
    }
    if (!sf_format_check(&output.m_Info))
        throw SFailure{kUsageError, "no sample format fits the output format of " + options.m_Output};

    CLoadedModule module(options.m_Module);
    CHostInstance& instance = module.NewInstance(static_cast<float>(rate));
    RestoreState(instance, options);
    ApplySettings(instance, options);

    CPendingOutput pending(options.m_Output);
    output.m_File = sf_open_fd(pending.TakeDescriptor(), SFM_WRITE, &output.m_Info, SF_TRUE);
    if (!output.m_File)
        throw SFailure{kFileError, "cannot write " + options.m_Output + ": " + sf_strerror(nullptr)};
    if (IsIntegerSubtype(output.m_Info.format & SF_FORMAT_SUBMASK))
        sf_command(output.m_File, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    const int block = options.m_BlockSize;
    const int channels = input.m_Info.channels;
    std::vector<float> interleaved(static_cast<size_t>(block) * 2);
    std::vector<float> left(static_cast<size_t>(block)), right(static_cast<size_t>(block));
    std::vector<float> outLeft(static_cast<size_t>(block)), outRight(static_cast<size_t>(block));
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    // Carriage returns belong on a terminal, not in a log.
    const bool progress = !options.m_Quiet && isatty(fileno(stderr)) &&
                          input.m_Info.frames > static_cast<sf_count_t>(kProgressSeconds * rate);
    int shown = -1;
    sf_count_t done = 0;
    for (;;) {
        const sf_count_t frames = sf_readf_float(input.m_File, interleaved.data(), block);
        if (frames <= 0)
            break;
        for (sf_count_t i = 0; i < frames; ++i) {
            left[static_cast<size_t>(i)] = interleaved[static_cast<size_t>(i * channels)];
            right[static_cast<size_t>(i)] = interleaved[static_cast<size_t>(i * channels + channels - 1)];
        }
        SAudioBlock audio;
        audio.m_Inputs = inputs;
        audio.m_InputChannels = 2;
        audio.m_Outputs = outputs;
        audio.m_OutputChannels = 2;
        audio.m_Frames = static_cast<int32_t>(frames);
        instance.Render(audio);
        instance.AnswerAutomationRequests();
        instance.TakeMIDIOutput();
        for (sf_count_t i = 0; i < frames; ++i) {
            interleaved[static_cast<size_t>(2 * i)] = outLeft[static_cast<size_t>(i)];
            interleaved[static_cast<size_t>(2 * i + 1)] = outRight[static_cast<size_t>(i)];
        }
        if (sf_writef_float(output.m_File, interleaved.data(), frames) != frames)
            throw SFailure{kFileError, "cannot write " + options.m_Output + ": " + sf_strerror(output.m_File)};
        done += frames;
        if (progress)
            PrintProgress(done, input.m_Info.frames, shown);
    }
    if (sf_error(input.m_File))
        throw SFailure{kFileError, "cannot read " + options.m_Input + ": " + sf_strerror(input.m_File)};
    const int closed = sf_close(output.m_File);
    output.m_File = nullptr;
    if (closed != 0)
        throw SFailure{kFileError, "cannot write " + options.m_Output + ": " + sf_error_number(closed)};

    AAX_IACFEffectParameters* effect = instance.GetEffect();
    printf("meters:\n");
    for (const SParameter& parameter : ListParameters(effect))
        if (parameter.m_Name.compare(0, 4, "OUT:") == 0)
            printf("  %-20s %s\n", parameter.m_Name.c_str() + 4, ValueText(effect, parameter.m_Id).c_str());
    if (!options.m_SaveChunkFile.empty()) {
        std::vector<unsigned char> chunk;
        std::string error;
        const int32_t result = instance.SaveChunk(kStateChunkId, chunk);
        if (result != 0)
            throw SFailure{kModuleError, "the module did not save its state (result " + std::to_string(result) + ")"};
        if (!Veltis::Platform::AAXHost::SaveChunkFile(options.m_SaveChunkFile, chunk, error))
            throw SFailure{kFileError, "cannot write " + options.m_SaveChunkFile + ": " + error};
        printf("state: %s\n", options.m_SaveChunkFile.c_str());
    }
    pending.Commit();
    printf("output: %s (%lld frames, %d Hz)\n", options.m_Output.c_str(), static_cast<long long>(done),
           output.m_Info.samplerate);
    return kOK;
}

int DescribeOrThrow(const SOptions& options)
{
    CLoadedModule module(options.m_Module);
    const auto& description = module.GetModule().GetDescription();
    printf("module: %s\n", options.m_Module.c_str());
    printf("manufacturer: %s\n", description.m_ManufacturerName.c_str());
    for (const std::string& name : description.m_PackageNames)
        printf("package name: %s\n", name.c_str());
    printf("package version: %u\n", description.m_PackageVersion);
    for (const auto& effect : description.m_Effects) {
        printf("effect: %s\n", effect.m_EffectId.c_str());
        for (const std::string& name : effect.m_Names)
            printf("  name: %s\n", name.c_str());
        for (const auto& procedure : effect.m_Procedures)
            printf("  procedure: %u\n", procedure.first);
        for (size_t c = 0; c < effect.m_Components.size(); ++c) {
            const auto& component = effect.m_Components[c];
            printf("  component %zu:\n", c);
            for (const auto& field : component.m_Fields) {
                printf("    field %u: %s", field.m_Field, FieldKind(field.m_Kind));
                if (field.m_Kind == Veltis::Platform::AAXHost::SFieldDescription::kPrivateData)
                    printf(", %d bytes, options %u", field.m_Size, field.m_Options);
                if (field.m_Kind == Veltis::Platform::AAXHost::SFieldDescription::kMIDINode)
                    printf(", %s \"%s\", channels 0x%04X", field.m_NodeType ? "output" : "input",
                           field.m_NodeName.c_str(), field.m_ChannelMask);
                printf("\n");
            }
            for (const auto& property : component.m_Properties)
                printf("    property %u: 0x%08X%s\n", property.first, property.second, FourCharText(property.second).c_str());
        }
    }
    CHostInstance& instance = module.NewInstance(48000.0f);
    AAX_IACFEffectParameters* effect = instance.GetEffect();
    const std::vector<SParameter> parameters = ListParameters(effect);
    printf("parameters (%zu; index, identifier, name, range, default):\n", parameters.size());
    for (const SParameter& parameter : parameters) {
        double normalizedDefault = 0.0;
        effect->GetParameterDefaultNormalizedValue(parameter.m_Id.c_str(), &normalizedDefault);
        printf("  %3d  %-5s  %-28s  %s .. %s  default %s\n", parameter.m_Index,
               ("\"" + parameter.m_Id + "\"").c_str(), parameter.m_Name.c_str(),
               TextOfNormalized(effect, parameter.m_Id, 0.0).c_str(), TextOfNormalized(effect, parameter.m_Id, 1.0).c_str(),
               TextOfNormalized(effect, parameter.m_Id, normalizedDefault).c_str());
    }
    return kOK;
}

bool TakeValue(int argc, char** argv, int& i, const std::string& option, std::string& value, std::string& error)
{
    const std::string argument = argv[i];
    if (argument.size() > option.size() && argument.compare(0, option.size() + 1, option + "=") == 0) {
        value = argument.substr(option.size() + 1);
        return true;
    }
    if (i + 1 >= argc) {
        error = option + " needs a value";
        return false;
    }
    value = argv[++i];
    return true;
}

} // namespace

bool ParseOptions(int argc, char** argv, SOptions& options, std::string& error)
{
    options.m_Module = VELTIS_DEFAULT_MODULE;
    std::vector<std::string> positional;
    const char* const kValueOptions[] = {"--module", "--rate", "--block", "--format", "--chunk",
                                         "--preset", "--save-chunk", "--set"};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.m_Help = true;
            return true;
        }
        if (argument == "--quiet" || argument == "-q") {
            options.m_Quiet = true;
            continue;
        }
        if (argument.compare(0, 2, "--") != 0 || argument == "--") {
            positional.push_back(argument);
            continue;
        }
        std::string option;
        for (const char* known : kValueOptions)
            if (argument == known || argument.compare(0, strlen(known) + 1, std::string(known) + "=") == 0)
                option = known;
        if (option.empty()) {
            error = "unknown option " + argument;
            return false;
        }
        std::string value;
        if (!TakeValue(argc, argv, i, option, value, error))
            return false;
        double number = 0.0;
        if (option == "--module")
            options.m_Module = value;
        else if (option == "--format")
            options.m_Format = value;
        else if (option == "--chunk")
            options.m_ChunkFile = value;
        else if (option == "--preset")
            options.m_PresetFile = value;
        else if (option == "--save-chunk")
            options.m_SaveChunkFile = value;
        else if (option == "--rate") {
            if (!ParseNumber(value, number) || number < 1000.0 || number > 768000.0) {
                error = "--rate takes a sample rate from 1000 to 768000 Hz, not \"" + value + "\"";
                return false;
            }
            options.m_SampleRate = number;
        } else if (option == "--block") {
            if (!ParseNumber(value, number) || number != floor(number) || number < 1 || number > 65536) {
                error = "--block takes a whole number of samples from 1 to 65536, not \"" + value + "\"";
                return false;
            }
            options.m_BlockSize = static_cast<int>(number);
        } else {
            const size_t equals = value.rfind('=');
            if (equals == std::string::npos || equals == 0) {
                error = "--set takes NAME=VALUE, not \"" + value + "\"";
                return false;
            }
            options.m_Settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        }
    }
    if (positional.empty()) {
        error = "no command given (describe or render)";
        return false;
    }
    options.m_Command = positional[0];
    if (options.m_Command == "describe" && positional.size() == 1)
        return true;
    if (options.m_Command == "render" && positional.size() == 3) {
        options.m_Input = positional[1];
        options.m_Output = positional[2];
        if (!options.m_ChunkFile.empty() && !options.m_PresetFile.empty()) {
            error = "--chunk and --preset both restore the state: give one of them";
            return false;
        }
        return true;
    }
    if (options.m_Command == "render")
        error = "render takes an input and an output file";
    else if (options.m_Command == "describe")
        error = "describe takes no files";
    else
        error = "unknown command " + options.m_Command;
    return false;
}

void PrintHelp(FILE* out, const char* program)
{
    fprintf(out,
            "Usage: %s [--module FILE] describe\n"
            "       %s [options] render IN OUT\n"
            "\n"
            "Loads an effect module with the stand-in AAX host and drives it as a host does.\n"
            "\n"
            "Commands:\n"
            "  describe            print the module's description: names, identifiers, context fields,\n"
            "                      properties and every parameter (index, identifier, name, range, default)\n"
            "  render IN OUT       render the audio file IN through the effect into OUT; any format\n"
            "                      libsndfile reads and writes; a mono input feeds both channels, more than\n"
            "                      two channels is an error; prints the meters and where OUT went. OUT is\n"
            "                      written beside itself under a temporary name and replaces OUT only once\n"
            "                      the whole command succeeded; an OUT that is IN (also through a link) is\n"
            "                      refused\n"
            "\n"
            "Options:\n"
            "  --module FILE       the module to load (default: %s)\n"
            "  --rate HZ           the input's sample rate, as a check: the render runs at the input's rate\n"
            "                      and nothing is resampled, so any other rate is refused\n"
            "  --block N           samples per render call, 1 to 65536 (default 512)\n"
            "  --format NAME       output format by extension: wav, aiff, flac, ogg, ... (default: from OUT)\n"
            "                      integer sample formats clip instead of wrapping\n"
            "  --chunk FILE        restore this state chunk file (a 'crvn' chunk as --save-chunk writes it)\n"
            "  --preset FILE       restore this \"Preset\" document (a preset file of the plug-in)\n"
            "  --set NAME=VALUE    set a parameter before rendering; NAME is a parameter name (\"Gain 1 (L)\"),\n"
            "                      an identifier (\"P23\") or an index (\"23\"); VALUE is read by the\n"
            "                      module's own text conversion (\"6\" for 6 dB); may be repeated\n"
            "  --save-chunk FILE   write the state chunk after rendering\n"
            "  -q, --quiet         no progress bar (otherwise shown on a terminal for renders over 20 s)\n"
            "  -h, --help          this text\n"
            "\n"
            "Exit codes: 0 success, 2 usage error (options, unknown parameter or value), 3 file error\n"
            "(unreadable or unwritable audio, bad chunk or preset file), 4 module error.\n",
            program, program, VELTIS_DEFAULT_MODULE);
}

int Describe(const SOptions& options)
{
    try {
        return DescribeOrThrow(options);
    } catch (const SFailure& failure) {
        return Report(failure);
    }
}

int Render(const SOptions& options)
{
    try {
        return RenderOrThrow(options);
    } catch (const SFailure& failure) {
        return Report(failure);
    }
}

} // namespace AAXHostTool
