#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <sndfile.h>

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
