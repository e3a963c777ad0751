#include <stdio.h>

#include <exception>

#include "tools/aaxhost/AAXHostTool.h"

int main(int argc, char** argv)
{
    using namespace AAXHostTool;
    try {
        SOptions options;
        std::string error;
        if (!ParseOptions(argc, argv, options, error)) {
            fprintf(stderr, "aaxhost: %s\n(aaxhost --help lists the options)\n", error.c_str());
            return kUsageError;
        }
        if (options.m_Help) {
            PrintHelp(stdout, argv[0]);
            return kOK;
        }
        return options.m_Command == "describe" ? Describe(options) : Render(options);
    } catch (const std::exception& e) {
        fprintf(stderr, "aaxhost: %s\n", e.what());
        return kModuleError;
    }
}
