#include "postcardservice/ServiceArguments.h"

#include "postcardservice/ServiceConfig.h"
#include "postcardservice/ServiceLog.h"

#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: %s [--config FILE] [--check-config]\n"
                 "  --config FILE   the configuration (default %s)\n"
                 "  --check-config  read and check the configuration, then exit\n",
                 kServiceProgram, kDefaultConfigFile);
}

} // namespace

std::variant<ServiceArguments, int> parseServiceArguments(int argc, char** argv) {
    ServiceArguments arguments{QString::fromLatin1(kDefaultConfigFile)};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            arguments.configFile = QFile::decodeName(argv[++i]);
        } else if (std::strcmp(argv[i], "--check-config") == 0) {
            arguments.checkOnly = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            usage(stdout);
            return 0;
        } else {
            usage(stderr);
            return 2;
        }
    }
    return arguments;
}
