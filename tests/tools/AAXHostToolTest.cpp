#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dirent.h>

#include <sndfile.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "support/CEnvironmentVariable.h"
#include "support/CTemporaryFolder.h"

using VeltisTest::CEnvironmentVariable;
using VeltisTest::CTemporaryFolder;

namespace {

struct SResult {
    int m_Code;
    std::string m_Output;
};

// Runs the tool with the arguments (already quoted for the shell), stdout and stderr together.
SResult RunTool(const std::string& arguments)
{
    const std::string command = std::string("'") + VELTIS_AAXHOST + "' " + arguments + " 2>&1";
    SResult result{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.m_Output.append(buffer, read);
    const int status = pclose(pipe);
    result.m_Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

void WriteTone(const std::string& path, int channels, int frames, int rate = 44100)
{
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i * channels + c)] = 0.25f * static_cast<float>(sin(2 * 3.14159265 * 1000.0 * i / rate));
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

std::vector<float> ReadAudio(const std::string& path, SF_INFO& info)
{
    info = SF_INFO();
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> samples(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

// The names in a folder, hidden ones too.
std::vector<std::string> ListFolder(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* folder = opendir(path.c_str())) {
        while (const dirent* entry = readdir(folder))
            if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
                names.push_back(entry->d_name);
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct AAXHostToolTest : ::testing::Test {
    AAXHostToolTest()
    {
        WriteTone(m_Folder.Join("mono.wav"), 1, 8000);
    }
    std::string Path(const char* name) const { return "'" + m_Folder.Join(name) + "'"; }

    CTemporaryFolder m_Folder;
    CEnvironmentVariable m_ConfigHome{"XDG_CONFIG_HOME", m_Folder.Join("config").c_str()};
};

} // namespace

TEST_F(AAXHostToolTest, HelpDocumentsEveryOption)
{
    const SResult result = RunTool("--help");
    EXPECT_EQ(result.m_Code, 0);
    for (const char* option : {"describe", "render IN OUT", "--module", "--rate", "--block", "--format", "--chunk",
                               "--preset", "--set NAME=VALUE", "--save-chunk", "--quiet", "--help", "Exit codes"})
        EXPECT_NE(result.m_Output.find(option), std::string::npos) << option;
}

TEST_F(AAXHostToolTest, DescribeListsTheModuleAndItsParameters)
{
    const SResult result = RunTool("describe");
    EXPECT_EQ(result.m_Code, 0);
    for (const char* line : {"manufacturer: Corvane Audio", "effect: com.corvane-audio.StereoTessaline.so",
                             "property 12: 0x33343264", "parameters (72;", "\"P18\"", "Gain 1 (L)", "OUT:Peak (R)"})
        EXPECT_NE(result.m_Output.find(line), std::string::npos) << line;
}

TEST_F(AAXHostToolTest, RenderTurnsMonoIntoStereoAndPrintsMetersAndTheOutput)
{
    const SResult result = RunTool("render " + Path("mono.wav") + " " + Path("out.flac") + " --set 'Post (L)=-6' --block 333");
    ASSERT_EQ(result.m_Code, 0) << result.m_Output;
    EXPECT_NE(result.m_Output.find("Peak (L)"), std::string::npos);
    EXPECT_NE(result.m_Output.find("output: " + m_Folder.Join("out.flac")), std::string::npos);
    SF_INFO info;
    const std::vector<float> out = ReadAudio(m_Folder.Join("out.flac"), info);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frames, 8000);
    EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_FLAC);
    // The left channel is 6 dB down once the ramp is over, the right one untouched.
    EXPECT_NEAR(out[2 * 7000] / out[2 * 7000 + 1], 0.5012f, 0.01f);
}

TEST_F(AAXHostToolTest, ParametersAreFoundByNameIdentifierOrIndex)
{
    std::string outputs[3];
    const char* settings[] = {"'Gain 1 (L)=9' --set 'Band 1 Active (L)=1'", "P18=9 --set P15=1", "18=9 --set 15=1"};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "out" + std::to_string(i) + ".wav";
        const SResult result = RunTool("render " + Path("mono.wav") + " " + Path(name.c_str()) + " --set " + settings[i]);
        ASSERT_EQ(result.m_Code, 0) << result.m_Output;
        outputs[i] = ReadFile(m_Folder.Join(name.c_str()));
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(outputs[0], outputs[2]);
    ASSERT_EQ(RunTool("render " + Path("mono.wav") + " " + Path("plain.wav")).m_Code, 0);
    EXPECT_NE(outputs[0], ReadFile(m_Folder.Join("plain.wav")));
}

TEST_F(AAXHostToolTest, SavedStateRestoresAsChunkOrAsPreset)
{
    ASSERT_EQ(RunTool("render " + Path("mono.wav") + " " + Path("a.wav") + " --set 'Gain 2 (R)=-5' --save-chunk " + Path("a.chunk")).m_Code, 0);
    const SResult fromChunk = RunTool("render " + Path("mono.wav") + " " + Path("b.wav") + " --chunk " + Path("a.chunk") +
                                  " --save-chunk " + Path("b.chunk"));
    ASSERT_EQ(fromChunk.m_Code, 0) << fromChunk.m_Output;
    EXPECT_EQ(ReadFile(m_Folder.Join("a.chunk")), ReadFile(m_Folder.Join("b.chunk")));

    const std::string chunk = ReadFile(m_Folder.Join("a.chunk"));
    std::ofstream(m_Folder.Join("a.preset")) << chunk.substr(56, chunk.find('\0', 56) - 56);
    const SResult fromPreset = RunTool("render " + Path("mono.wav") + " " + Path("c.wav") + " --preset " + Path("a.preset") +
                                   " --save-chunk " + Path("c.chunk"));
    ASSERT_EQ(fromPreset.m_Code, 0) << fromPreset.m_Output;
    EXPECT_EQ(chunk, ReadFile(m_Folder.Join("c.chunk")));
}

TEST_F(AAXHostToolTest, FailuresGiveAMessageAndTheirOwnExitCode)
{
    WriteTone(m_Folder.Join("three.wav"), 3, 100);
    std::ofstream(m_Folder.Join("junk.chunk")) << std::string(200, 'x');
    std::ofstream(m_Folder.Join("junk.preset")) << "<Other><a>1</a></Other>";
    std::ofstream(m_Folder.Join("module.so")) << "not a module";
    struct Case { std::string arguments; int code; const char* message; };
    const std::string in = Path("mono.wav"), out = Path("o.wav");
    const Case kCases[] = {
        {"", 2, "no command"},
        {"render " + in, 2, "input and an output"},
        {"render " + in + " " + out + " --bogus", 2, "unknown option"},
        {"render " + in + " " + out + " --block 0", 2, "--block"},
        {"render " + in + " " + out + " --rate abc", 2, "--rate"},
        {"render " + in + " " + out + " --set 'No Such Knob=1'", 2, "No Such Knob"},
        {"render " + in + " " + out + " --set 'Gain 1 (L)=loud'", 2, "loud"},
        {"render " + in + " " + Path("o.xyz"), 2, "format"},
        {"render " + Path("missing.wav") + " " + out, 3, "missing.wav"},
        {"render " + Path("three.wav") + " " + out, 3, "3 channels"},
        {"render " + in + " " + out + " --chunk " + Path("junk.chunk"), 3, "junk.chunk"},
        {"render " + in + " " + out + " --preset " + Path("junk.preset"), 3, "junk.preset"},
        {"render " + in + " " + Path("no/such/folder/o.wav"), 3, "cannot write"},
        {"render " + in + " " + out + " --module " + Path("module.so"), 4, "cannot load the module"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.arguments);
        const SResult result = RunTool(c.arguments);
        EXPECT_EQ(result.m_Code, c.code) << result.m_Output;
        EXPECT_NE(result.m_Output.find(c.message), std::string::npos) << result.m_Output;
    }
}

TEST_F(AAXHostToolTest, AnOutputThatIsTheInputIsRefusedAndTheInputKept)
{
    const std::string input = m_Folder.Join("mono.wav");
    const std::string before = ReadFile(input);
    ASSERT_EQ(symlink(input.c_str(), m_Folder.Join("soft.wav").c_str()), 0);
    ASSERT_EQ(link(input.c_str(), m_Folder.Join("hard.wav").c_str()), 0);
    ASSERT_EQ(mkdir(m_Folder.Join("sub").c_str(), 0777), 0);
    const std::vector<std::string> names = ListFolder(m_Folder.GetPath());
    for (const char* output : {"mono.wav", "soft.wav", "hard.wav", "sub/../mono.wav"}) {
        SCOPED_TRACE(output);
        const SResult result = RunTool("render " + Path("mono.wav") + " " + Path(output));
        EXPECT_EQ(result.m_Code, 2) << result.m_Output;
        EXPECT_NE(result.m_Output.find("is the input file"), std::string::npos) << result.m_Output;
        EXPECT_EQ(ReadFile(input), before);
    }
    EXPECT_EQ(ListFolder(m_Folder.GetPath()), names);
}

// The output is written under another name and takes its place only when everything succeeded.
TEST_F(AAXHostToolTest, AFailedRenderLeavesNoHalfFileAndKeepsTheGoodOne)
{
    ASSERT_EQ(RunTool("render " + Path("mono.wav") + " " + Path("good.wav")).m_Code, 0);
    const std::string good = ReadFile(m_Folder.Join("good.wav"));
    const std::vector<std::string> names = ListFolder(m_Folder.GetPath());
    // The render itself runs to its end; saving the state afterwards fails.
    const SResult failed = RunTool("render " + Path("mono.wav") + " " + Path("good.wav") + " --set 'Post (L)=-6'" +
                                   " --save-chunk " + Path("no/such/folder/a.chunk"));
    EXPECT_EQ(failed.m_Code, 3) << failed.m_Output;
    EXPECT_EQ(ReadFile(m_Folder.Join("good.wav")), good);
    EXPECT_EQ(ListFolder(m_Folder.GetPath()), names);

    const SResult fresh = RunTool("render " + Path("mono.wav") + " " + Path("new.wav") + " --save-chunk " +
                                  Path("no/such/folder/a.chunk"));
    EXPECT_EQ(fresh.m_Code, 3) << fresh.m_Output;
    EXPECT_EQ(ListFolder(m_Folder.GetPath()), names);

    // A good render replaces the file, with the permissions of a new one.
    ASSERT_EQ(RunTool("render " + Path("mono.wav") + " " + Path("good.wav") + " --set 'Post (L)=-6'").m_Code, 0);
    EXPECT_NE(ReadFile(m_Folder.Join("good.wav")), good);
    EXPECT_EQ(ListFolder(m_Folder.GetPath()), names);
    struct stat status;
    ASSERT_EQ(stat(m_Folder.Join("good.wav").c_str(), &status), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

TEST_F(AAXHostToolTest, ARateOtherThanTheInputsIsRefusedNotRelabelled)
{
    WriteTone(m_Folder.Join("48k.wav"), 2, 4800, 48000);
    const std::vector<std::string> names = ListFolder(m_Folder.GetPath());
    const SResult other = RunTool("render " + Path("48k.wav") + " " + Path("o.wav") + " --rate 96000");
    EXPECT_EQ(other.m_Code, 2) << other.m_Output;
    EXPECT_NE(other.m_Output.find("--rate 96000 differs"), std::string::npos) << other.m_Output;
    EXPECT_NE(other.m_Output.find("48000 Hz"), std::string::npos) << other.m_Output;
    EXPECT_EQ(ListFolder(m_Folder.GetPath()), names);

    const SResult same = RunTool("render " + Path("48k.wav") + " " + Path("o.wav") + " --rate 48000");
    ASSERT_EQ(same.m_Code, 0) << same.m_Output;
    SF_INFO info;
    ReadAudio(m_Folder.Join("o.wav"), info);
    EXPECT_EQ(info.samplerate, 48000);
    EXPECT_EQ(info.frames, 4800);
}

TEST_F(AAXHostToolTest, EveryFormatTheHelpNamesIsWritten)
{
    const std::string help = RunTool("--help").m_Output;
    struct Case {
        const char* name;
        int type;
    };
    const Case kCases[] = {{"wav", SF_FORMAT_WAV}, {"aiff", SF_FORMAT_AIFF}, {"flac", SF_FORMAT_FLAC}, {"ogg", SF_FORMAT_OGG}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(help.find(std::string(c.name) + ","), std::string::npos);
        const std::string byExtension = std::string("e.") + c.name, byOption = std::string("o_") + c.name;
        const SResult extension = RunTool("render " + Path("mono.wav") + " " + Path(byExtension.c_str()));
        EXPECT_EQ(extension.m_Code, 0) << extension.m_Output;
        const SResult option =
            RunTool("render " + Path("mono.wav") + " " + Path(byOption.c_str()) + " --format " + c.name);
        EXPECT_EQ(option.m_Code, 0) << option.m_Output;
        for (const std::string& name : {byExtension, byOption}) {
            SF_INFO info;
            ReadAudio(m_Folder.Join(name.c_str()), info);
            EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, c.type) << name;
            EXPECT_EQ(info.frames, 8000) << name;
        }
    }
}

TEST_F(AAXHostToolTest, NoProgressBarIntoALogAndOutOfRangeValuesNameTheRange)
{
    // Longer than the 20 s past which a terminal shows progress, at a low rate to stay small.
    WriteTone(m_Folder.Join("long.wav"), 1, 21 * 2000, 2000);
    const SResult logged = RunTool("render " + Path("long.wav") + " " + Path("o.wav"));
    ASSERT_EQ(logged.m_Code, 0) << logged.m_Output;
    EXPECT_EQ(logged.m_Output.find('\r'), std::string::npos);
    EXPECT_EQ(logged.m_Output.find("100%"), std::string::npos);

    const SResult range = RunTool("render " + Path("mono.wav") + " " + Path("o.wav") + " --set 'Gain 1 (L)=99'");
    EXPECT_EQ(range.m_Code, 2) << range.m_Output;
    EXPECT_NE(range.m_Output.find("(from -40.0 to +40.0)"), std::string::npos) << range.m_Output;
}
