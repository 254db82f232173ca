// vellumix-postcard-service: answers the Vellumix program's postcard request
// with the mail relay to use and the mail's text.
#include "postcardprotocol/PostcardRequest.h"
#include "postcardservice/PostcardDesk.h"
#include "postcardservice/ServiceConfig.h"

#include <QDateTime>
#include <QFile>
#include <QHostAddress>
#include <QString>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <httplib.h>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace {

constexpr char kProgram[] = "vellumix-postcard-service";
// A worker serves one connection at a time for as long as it is kept alive
// (at most kKeepAliveRequests requests), so connections beyond the workers
// wait: 64 serve a school's machines at once. An idle worker costs its stack.
constexpr std::size_t kWorkers = 64;
constexpr std::size_t kKeepAliveRequests = 100;

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: %s [--config FILE] [--check-config]\n"
                 "  --config FILE   the configuration (default %s)\n"
                 "  --check-config  read and check the configuration, then exit\n",
                 kProgram, kDefaultConfigFile);
}

std::mutex logMutex;
void logLine(const std::string& line) {
    const std::lock_guard lock(logMutex);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

QHostAddress clientOf(const httplib::Request& request) {
    return QHostAddress(QString::fromStdString(request.remote_addr));
}

std::unique_ptr<httplib::Server> makeServer(const ServiceConfig& config) {
    if (!config.https())
        return std::make_unique<httplib::Server>();
    const QByteArray certificate = QFile::encodeName(config.certificateFile);
    const QByteArray key = QFile::encodeName(config.keyFile);
    return std::make_unique<httplib::SSLServer>(certificate.constData(), key.constData());
}

} // namespace

int main(int argc, char** argv) {
    QString configFile = QString::fromLatin1(kDefaultConfigFile);
    bool checkOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            configFile = QFile::decodeName(argv[++i]);
        } else if (std::strcmp(argv[i], "--check-config") == 0) {
            checkOnly = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            usage(stdout);
            return 0;
        } else {
            usage(stderr);
            return 2;
        }
    }

    ServiceConfig config;
    try {
        config = readServiceConfig(configFile);
    } catch (const ConfigError& error) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
        return 1;
    }
    // SIGTERM and SIGINT are taken by one thread that stops the server; the
    // workers, started later, inherit the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    const std::unique_ptr<httplib::Server> server = makeServer(config);
    if (!server->is_valid()) {
        std::fprintf(stderr, "%s: %s: cannot load the certificate %s with its key %s\n", kProgram,
                     qPrintable(configFile), qPrintable(config.certificateFile),
                     qPrintable(config.keyFile));
        return 1;
    }
    if (checkOnly) {
        std::printf("%s: the configuration is sound\n", qPrintable(configFile));
        return 0;
    }
    PostcardDesk desk(config);
    server->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server->set_read_timeout(5, 0);
    server->set_write_timeout(5, 0);
    server->set_keep_alive_max_count(kKeepAliveRequests);
    server->set_payload_max_length(0);
    // The header and the body leave in two writes; without this the second
    // waits for the client's delayed acknowledgement, some 40 ms a request.
    server->set_tcp_nodelay(true);
    server->Get(kServicePath, [&desk](const httplib::Request& request,
                                      httplib::Response& response) {
        const QHostAddress client = clientOf(request);
        const DeskAnswer answer = desk.answer(client, request.params, HourlyLimit::Clock::now());
        response.status = answer.status;
        response.set_content(answer.body, answer.contentType.c_str());
        logLine(requestLogLine(QDateTime::currentDateTimeUtc(), client.toString(), answer));
    });
    // Anything else: a 4xx page starting with "<", logged like the rest.
    server->set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request& request, httplib::Response& response) {
            if (!response.body.empty())
                return httplib::Server::HandlerResponse::Unhandled; // a refusal of the desk's own
            const DeskAnswer answer = notAPostcardRequest(response.status);
            response.set_content(answer.body, answer.contentType.c_str());
            logLine(requestLogLine(QDateTime::currentDateTimeUtc(), clientOf(request).toString(),
                                   answer));
            return httplib::Server::HandlerResponse::Handled;
        }));

    const std::string address = config.address.toStdString();
    int port = config.port;
    if (port == 0)
        port = server->bind_to_any_port(address);
    else if (!server->bind_to_port(address, port))
        port = -1;
    if (port <= 0) {
        std::fprintf(stderr, "%s: cannot listen on %s port %d: %s\n", kProgram, address.c_str(),
                     config.port, std::strerror(errno));
        return 1;
    }
    logLine(std::string("listening on ") + (config.https() ? "https://" : "http://") +
            (config.address.contains(u':') ? "[" + address + "]" : address) + ':' +
            std::to_string(port));

    std::thread stopper([&server, &stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server->stop();
    });
    const bool listened = server->listen_after_bind();
    pthread_kill(stopper.native_handle(), SIGTERM); // wakes the stopper when the server ended alone
    stopper.join();
    logLine(listened ? "stopped" : "the server failed");
    return listened ? 0 : 1;
}
