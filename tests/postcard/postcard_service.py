"""A stand-in postcard service on 127.0.0.1 for the tests.

Answers every GET with the reply and HTTP status given on the command line,
appends each request's path to a log file, and prints "PORT <n>" once it
listens on a free port. With a certificate and key it speaks HTTPS.
"""
import argparse
import http.server
import ssl


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--reply", default="")
    parser.add_argument("--status", type=int, default=200)
    parser.add_argument("--log")
    parser.add_argument("--tls-cert")
    parser.add_argument("--tls-key")
    args = parser.parse_args()

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            if args.log:
                with open(args.log, "a", encoding="ascii") as log:
                    log.write(self.path + "\n")
            body = args.reply.encode("utf-8")
            self.send_response(args.status)
            self.send_header("Content-Type", "text/plain; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *_):
            pass

    server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
    if args.tls_cert:
        tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        tls.load_cert_chain(args.tls_cert, args.tls_key)
        server.socket = tls.wrap_socket(server.socket, server_side=True)
    print(f"PORT {server.server_port}", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
