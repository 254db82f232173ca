"""A real SMTP server on 127.0.0.1 for the tests (aiosmtpd).

Stores each message it accepts in the folder given: N.eml as received, and
N.json and N-<i>.bin as mail_summary.py describes them. Every AUTH command it is sent adds a line to
auth.log. Offers AUTH even on a plain connection, as a careless server would,
and STARTTLS when given a certificate (refusing it when told to, after
offering it); the account is "postcard-user" with the
password "secret". Prints "PORT <n>" once it listens.
"""
import argparse
import os
import signal
import socket
import ssl

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

import mail_summary

USER = b"postcard-user"
PASSWORD = b"secret"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def authenticator(server, session, envelope, mechanism, auth_data):
    accepted = auth_data.login == USER and auth_data.password == PASSWORD
    return AuthResult(success=accepted, auth_data=auth_data)


class RecordingSMTP(SMTP):
    async def smtp_STARTTLS(self, arg):
        if self.event_handler.args.refuse_starttls:
            await self.push("454 4.7.0 TLS not available now")
            return
        await super().smtp_STARTTLS(arg)

    async def smtp_AUTH(self, arg):
        with open(os.path.join(self.event_handler.args.folder, "auth.log"), "a") as log:
            log.write(f"AUTH tls={int(self.session.ssl is not None)}\n")
        return await super().smtp_AUTH(arg)


class RecordingController(Controller):
    def factory(self):
        return RecordingSMTP(self.handler, **self.SMTP_kwargs)


class Store:
    def __init__(self, args):
        self.args = args
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.args.refuse_recipients:
            return "550 5.1.1 No such mailbox here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        stem = os.path.join(self.args.folder, str(self.count))
        raw = envelope.original_content
        with open(stem + ".eml", "wb") as out:
            out.write(raw)
        mail_summary.store(
            raw, stem, envelope.mail_from, envelope.rcpt_tos,
            session.auth_data.login.decode() if session.authenticated else "",
            session.ssl is not None)
        return "250 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", required=True)
    for flag in ("--require-auth", "--refuse-recipients", "--refuse-starttls"):
        parser.add_argument(flag, action="store_true")
    parser.add_argument("--tls-cert")
    parser.add_argument("--tls-key")
    args = parser.parse_args()
    tls = None
    if args.tls_cert:
        tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        tls.load_cert_chain(args.tls_cert, args.tls_key)

    # Blocked before the server's thread starts, so only sigwait sees them.
    stop_signals = {signal.SIGTERM, signal.SIGINT}
    signal.pthread_sigmask(signal.SIG_BLOCK, stop_signals)
    port = free_port()
    controller = RecordingController(
        Store(args), hostname="127.0.0.1", port=port, authenticator=authenticator,
        auth_required=args.require_auth, auth_require_tls=False, tls_context=tls)
    controller.start()
    print(f"PORT {port}", flush=True)
    signal.sigwait(stop_signals)
    controller.stop()


if __name__ == "__main__":
    main()
