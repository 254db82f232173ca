#pragma once
// Serves the desk over HTTP or HTTPS with libmicrohttpd, on its own threads
// from construction to destruction. Its limits hold before a request is
// buffered: a client outside the allowed networks is refused as it connects,
// each connection has a small memory budget (a huge header block is refused
// when it outgrows it), one address may hold only a few connections, all of
// them only a few hundred, and an idle connection is closed.
#include "postcardservice/LogThrottle.h"
#include "postcardservice/PostcardDesk.h"

#include <memory>
#include <stdexcept>
#include <string>

struct MHD_Daemon;
struct MHD_Connection;

// The server could not start; what() says why.
class ServerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PostcardServer {
public:
    // Listens on config's address and port; throws ServerError.
    PostcardServer(const ServiceConfig& config, PostcardDesk& desk);
    ~PostcardServer();
    PostcardServer(const PostcardServer&) = delete;
    PostcardServer& operator=(const PostcardServer&) = delete;

    int port() const;

    // Throws ServerError when config's certificate and key do not make a
    // TLS server of the versions and ciphers the service takes.
    static void checkTls(const ServiceConfig& config);

    // TLS 1.2 and 1.3 with forward-secret key exchange and AEAD ciphers only.
    static constexpr char kTlsPriorities[] =
        "SECURE128:-VERS-ALL:+VERS-TLS1.3:+VERS-TLS1.2:-KX-ALL:+ECDHE-ECDSA:+ECDHE-RSA:"
        "+DHE-RSA:-CIPHER-ALL:+AES-256-GCM:+CHACHA20-POLY1305:+AES-128-GCM:-MAC-ALL:+AEAD";

private:
    friend struct ServerCallbacks; // libmicrohttpd's entry points
    // Logs the request's line, a refusal at most once a minute per client.
    void log(const QHostAddress& client, const DeskAnswer& answer);

    PostcardDesk& desk_;
    LogThrottle refusals_;
    std::string certificate_; // PEM, read while the daemon runs
    std::string key_;
    std::unique_ptr<MHD_Daemon, void (*)(MHD_Daemon*)> daemon_;
};
