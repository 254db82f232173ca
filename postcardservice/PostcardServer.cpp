#include "postcardservice/PostcardServer.h"

#include "postcardservice/ClientNetworks.h"
#include "postcardservice/ServiceLog.h"

#include <QDateTime>
#include <QFile>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <gnutls/gnutls.h>
#include <microhttpd.h>
#include <netinet/in.h>

namespace {

// A request's header block and query must fit a connection's memory: the
// longest message, each character up to four UTF-8 bytes sent as %XX, and
// room for the rest.
constexpr std::size_t kBaseConnectionMemory = 32 * 1024;
constexpr std::size_t kMemoryPerMessageCharacter = 12;
// A few for each machine (a school's behind one router share an address),
// and in all well below the descriptors systemd gives a service (1024).
constexpr unsigned kConnectionsPerAddress = 16;
constexpr unsigned kConnections = 512;
constexpr unsigned kIdleSeconds = 10;
constexpr unsigned kThreads = 2;
constexpr std::chrono::minutes kRefusalLogPeriod{1};
constexpr std::size_t kRefusalLogCapacity = 4096;

std::string fileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ServerError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
    return file.readAll().toStdString();
}

QHostAddress addressOf(const sockaddr* address) {
    return address ? QHostAddress(address) : QHostAddress();
}

std::string now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

} // namespace

struct ServerCallbacks {
    static MHD_Result onConnect(void* cls, const sockaddr* address, socklen_t) {
        auto* server = static_cast<PostcardServer*>(cls);
        const QHostAddress client = addressOf(address);
        if (server->desk_.admits(client))
            return MHD_YES;
        if (server->refusals_.admits(clientIdentity(client), LogThrottle::Clock::now()))
            logLine(now() + ' ' + client.toString().toStdString() +
                    " - - refused: network not allowed (connection closed)");
        return MHD_NO;
    }

    static MHD_Result onRequest(void* cls, MHD_Connection* connection, const char* url,
                                const char* method, const char*, const char*,
                                std::size_t* uploadSize, void** state) {
        static int answered; // marks a request whose answer is queued
        if (*state == &answered) {
            *uploadSize = 0; // a body after the refusal: dropped with the connection
            return MHD_YES;
        }
        *state = &answered;
        auto* server = static_cast<PostcardServer*>(cls);
        const MHD_ConnectionInfo* info =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
        DeskRequest request{addressOf(info ? info->client_addr : nullptr), method, url, false, {}};
        const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                         MHD_HTTP_HEADER_CONTENT_LENGTH);
        request.hasBody = (length && std::strcmp(length, "0") != 0) ||
                          MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                      MHD_HTTP_HEADER_TRANSFER_ENCODING);
        MHD_get_connection_values_n(connection, MHD_GET_ARGUMENT_KIND, &queryPair, &request.query);
        const DeskAnswer answer = server->desk_.answer(request, HourlyLimit::Clock::now());
        server->log(request.client, answer);
        return queue(connection, answer);
    }

    static MHD_Result queryPair(void* cls, MHD_ValueKind, const char* key, std::size_t keySize,
                                const char* value, std::size_t valueSize) {
        static_cast<RequestQuery*>(cls)->emplace(std::string(key, keySize),
                                                 value ? std::string(value, valueSize) : "");
        return MHD_YES;
    }

    static MHD_Result queue(MHD_Connection* connection, const DeskAnswer& answer) {
        MHD_Response* response = MHD_create_response_from_buffer(
            answer.body.size(), const_cast<char*>(answer.body.data()), MHD_RESPMEM_MUST_COPY);
        if (!response)
            return MHD_NO;
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.c_str());
        if (answer.status == MHD_HTTP_METHOD_NOT_ALLOWED)
            MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, "GET");
        if (answer.closeConnection)
            MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
        const MHD_Result queued = MHD_queue_response(connection, unsigned(answer.status), response);
        MHD_destroy_response(response);
        return queued;
    }

    // The library's own complaints (a refused connection past a limit, a
    // failed handshake) carry no client; each kind is logged once a minute.
    static void onLibraryMessage(void* cls, const char* format, va_list arguments) {
        auto* throttle = static_cast<LogThrottle*>(cls);
        if (!throttle->admits(QString::fromLatin1(format), LogThrottle::Clock::now()))
            return;
        char text[512];
        std::vsnprintf(text, sizeof text, format, arguments);
        std::string line = text;
        while (!line.empty() && line.back() == '\n')
            line.pop_back();
        logLine("libmicrohttpd: " + line);
    }
};

namespace {
// Shared by every server, since the library complains before the daemon exists.
LogThrottle libraryMessages(kRefusalLogPeriod, kRefusalLogCapacity);
} // namespace

PostcardServer::PostcardServer(const ServiceConfig& config, PostcardDesk& desk)
    : desk_(desk), refusals_(kRefusalLogPeriod, kRefusalLogCapacity), daemon_(nullptr, nullptr) {
    sockaddr_in ipv4{};
    sockaddr_in6 ipv6{};
    const bool isIPv6 = config.address.contains(u':');
    const QByteArray address = config.address.toLatin1();
    const sockaddr* bindTo = nullptr;
    if (isIPv6) {
        ipv6.sin6_family = AF_INET6;
        ipv6.sin6_port = htons(uint16_t(config.port));
        inet_pton(AF_INET6, address.constData(), &ipv6.sin6_addr);
        bindTo = reinterpret_cast<const sockaddr*>(&ipv6);
    } else {
        ipv4.sin_family = AF_INET;
        ipv4.sin_port = htons(uint16_t(config.port));
        inet_pton(AF_INET, address.constData(), &ipv4.sin_addr);
        bindTo = reinterpret_cast<const sockaddr*>(&ipv4);
    }
    unsigned flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_USE_ERROR_LOG;
    if (isIPv6)
        flags |= MHD_USE_IPv6;
    std::vector<MHD_OptionItem> tls;
    if (config.https()) {
        checkTls(config);
        certificate_ = fileText(config.certificateFile);
        key_ = fileText(config.keyFile);
        flags |= MHD_USE_TLS;
        tls = {{MHD_OPTION_HTTPS_MEM_CERT, 0, certificate_.data()},
               {MHD_OPTION_HTTPS_MEM_KEY, 0, key_.data()},
               {MHD_OPTION_HTTPS_PRIORITIES, 0, const_cast<char*>(kTlsPriorities)}};
    }
    tls.push_back({MHD_OPTION_END, 0, nullptr});
    const std::size_t memory =
        kBaseConnectionMemory + kMemoryPerMessageCharacter * std::size_t(config.longestMessage);
    errno = 0;
    MHD_Daemon* daemon = MHD_start_daemon(
        flags, uint16_t(config.port), &ServerCallbacks::onConnect, this,
        &ServerCallbacks::onRequest, this, MHD_OPTION_EXTERNAL_LOGGER,
        &ServerCallbacks::onLibraryMessage, &libraryMessages, MHD_OPTION_SOCK_ADDR, bindTo,
        MHD_OPTION_LISTENING_ADDRESS_REUSE, 1u, MHD_OPTION_THREAD_POOL_SIZE, kThreads,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory, MHD_OPTION_PER_IP_CONNECTION_LIMIT,
        kConnectionsPerAddress, MHD_OPTION_CONNECTION_LIMIT, kConnections,
        MHD_OPTION_CONNECTION_TIMEOUT, kIdleSeconds, MHD_OPTION_STRICT_FOR_CLIENT, 1,
        MHD_OPTION_ARRAY, tls.data(), MHD_OPTION_END);
    if (!daemon)
        throw ServerError(
            QStringLiteral("cannot serve on %1 port %2%3")
                .arg(config.address)
                .arg(config.port)
                .arg(errno ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno))
                           : QString())
                .toStdString());
    daemon_ = {daemon, &MHD_stop_daemon};
}

PostcardServer::~PostcardServer() = default;

int PostcardServer::port() const {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_.get(), MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

void PostcardServer::log(const QHostAddress& client, const DeskAnswer& answer) {
    if (!answer.notice.empty())
        logLine(now() + ' ' + answer.notice);
    if (answer.status != MHD_HTTP_OK &&
        !refusals_.admits(clientIdentity(client), LogThrottle::Clock::now()))
        return;
    logLine(requestLogLine(QDateTime::currentDateTimeUtc(), client.toString(), answer));
}

void PostcardServer::checkTls(const ServiceConfig& config) {
    const QByteArray certificate = QFile::encodeName(config.certificateFile);
    const QByteArray key = QFile::encodeName(config.keyFile);
    gnutls_certificate_credentials_t made = nullptr;
    if (gnutls_certificate_allocate_credentials(&made) < 0)
        throw ServerError("cannot set up TLS");
    const std::unique_ptr<gnutls_certificate_credentials_st,
                          decltype(&gnutls_certificate_free_credentials)>
        credentials(made, &gnutls_certificate_free_credentials);
    const int loaded = gnutls_certificate_set_x509_key_file(
        credentials.get(), certificate.constData(), key.constData(), GNUTLS_X509_FMT_PEM);
    if (loaded < 0)
        throw ServerError(QStringLiteral("cannot load the certificate %1 with its key %2: %3")
                              .arg(config.certificateFile, config.keyFile,
                                   QString::fromUtf8(gnutls_strerror(loaded)))
                              .toStdString());
    gnutls_priority_t priorities = nullptr;
    const int parsed = gnutls_priority_init(&priorities, kTlsPriorities, nullptr);
    if (parsed < 0)
        throw ServerError(std::string("this GnuTLS takes no ") + kTlsPriorities + ": " +
                          gnutls_strerror(parsed));
    gnutls_priority_deinit(priorities);
}
