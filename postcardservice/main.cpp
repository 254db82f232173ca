// vellumix-postcard-service: answers the Vellumix program's postcard request
// with the mail relay to use and the mail's text.
#include "postcardservice/PostcardDesk.h"
#include "postcardservice/PostcardServer.h"
#include "postcardservice/ServiceArguments.h"
#include "postcardservice/ServiceConfig.h"
#include "postcardservice/ServiceLog.h"
#include "postcardservice/StopSignals.h"

#include <cstdio>
#include <cstring>
#include <sys/prctl.h>

namespace {

// The configuration checked, its warnings said; the exit code when it is unusable.
std::variant<ServiceConfig, int> checkedConfig(const ServiceArguments& arguments) {
    try {
        ServiceConfig config = readServiceConfig(arguments.configFile);
        if (config.https())
            PostcardServer::checkTls(config);
        for (const QString& warning : config.warnings)
            logLine(std::string(kServiceProgram) + ": warning: " + warning.toStdString());
        return config;
    } catch (const std::runtime_error& error) { // ConfigError, ServerError
        logLine(std::string(kServiceProgram) + ": " + qPrintable(arguments.configFile) + ": " +
                error.what());
        return 1;
    }
}

std::string listeningLine(const ServiceConfig& config, int port) {
    const std::string address = config.address.toStdString();
    return std::string("listening on ") + (config.https() ? "https://" : "http://") +
           (config.address.contains(u':') ? "[" + address + "]" : address) + ':' +
           std::to_string(port);
}

} // namespace

int main(int argc, char** argv) {
    const StopSignals stopSignals; // before any thread, so that no early SIGTERM is lost
    const std::variant<ServiceArguments, int> arguments = parseServiceArguments(argc, argv);
    if (const int* exitCode = std::get_if<int>(&arguments))
        return *exitCode;
    const ServiceArguments& given = std::get<ServiceArguments>(arguments);
    std::variant<ServiceConfig, int> checked = checkedConfig(given);
    if (const int* exitCode = std::get_if<int>(&checked))
        return *exitCode;
    const ServiceConfig& config = std::get<ServiceConfig>(checked);
    if (given.checkOnly) {
        std::printf("%s: the configuration is sound\n", qPrintable(given.configFile));
        return 0;
    }
    // No core file or debugger of another user may read the password or key.
    if (!config.password.isEmpty() || config.https())
        prctl(PR_SET_DUMPABLE, 0);

    PostcardDesk desk(config);
    try {
        const PostcardServer server(config, desk);
        logLine(listeningLine(config, server.port()));
        const int signal = stopSignals.waitForStop();
        logLine(std::string("stopping on ") + sigabbrev_np(signal));
    } catch (const ServerError& error) {
        logLine(std::string(kServiceProgram) + ": " + error.what());
        return 1;
    }
    logLine("stopped");
    return 0;
}
