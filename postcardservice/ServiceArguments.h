#pragma once
// The service's command line.
#include <QString>
#include <variant>

struct ServiceArguments {
    QString configFile;
    bool checkOnly = false; // --check-config: read and check, then exit
};

// The arguments, or the exit code once --help or a usage error was printed.
std::variant<ServiceArguments, int> parseServiceArguments(int argc, char** argv);
