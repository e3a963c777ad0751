#pragma once

#include <stdio.h>

#include <string>
#include <utility>
#include <vector>

// The command-line host's work: options as parsed, and the two commands over the stand-in host.
namespace AAXHostTool {

// Exit codes: each kind of failure has its own.
enum EExitCode { kOK = 0, kUsageError = 2, kFileError = 3, kModuleError = 4 };

struct SOptions {
    std::string m_Command;
    std::string m_Module;
    std::string m_Input;
    std::string m_Output;
    // "wav", "flac", ... ; empty: from the output file's extension.
    std::string m_Format;
    // 0: the input file's rate.
    double m_SampleRate = 0.0;
    int m_BlockSize = 512;
    std::string m_ChunkFile;
    std::string m_PresetFile;
    std::string m_SaveChunkFile;
    // (parameter name, identifier or index; value text) in the order given.
    std::vector<std::pair<std::string, std::string>> m_Settings;
    bool m_Quiet = false;
    bool m_Help = false;
};

// Parses argv; false with a message in error for anything it does not understand.
bool ParseOptions(int argc, char** argv, SOptions& options, std::string& error);
void PrintHelp(FILE* out, const char* program);
int Describe(const SOptions& options);
int Render(const SOptions& options);

} // namespace AAXHostTool
