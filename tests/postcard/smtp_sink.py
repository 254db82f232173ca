"""A real SMTP server on 127.0.0.1 for the tests (aiosmtpd).

Stores each message it accepts in the folder given: N.eml as received, N.json
with the envelope, the login used, the headers, the plain-text body and the
attachments' names and types, whether it came inside TLS, and N-<i>.bin with
each attachment's bytes. Every AUTH command it is sent adds a line to
auth.log. Offers AUTH even on a plain connection, as a careless server would,
and STARTTLS when given a certificate; the account is "postcard-user" with the
password "secret". Prints "PORT <n>" once it listens.
"""
import argparse
import email
import email.policy
import email.utils
import json
import os
import signal
import socket
import ssl

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

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
    async def smtp_AUTH(self, arg):
        with open(os.path.join(self.event_handler.folder, "auth.log"), "a") as log:
            log.write(f"AUTH tls={int(self.session.ssl is not None)}\n")
        return await super().smtp_AUTH(arg)


class RecordingController(Controller):
    def factory(self):
        return RecordingSMTP(self.handler, **self.SMTP_kwargs)


class Store:
    def __init__(self, folder, refuse_recipients):
        self.folder = folder
        self.refuse_recipients = refuse_recipients
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refuse_recipients:
            return "550 5.1.1 No such mailbox here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        stem = os.path.join(self.folder, str(self.count))
        raw = envelope.original_content
        with open(stem + ".eml", "wb") as out:
            out.write(raw)
        message = email.message_from_bytes(raw, policy=email.policy.default)
        body = message.get_body(preferencelist=("plain",))
        summary = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": session.auth_data.login.decode() if session.authenticated else "",
            "tls": session.ssl is not None,
            "headers": {name: str(message[name]) for name in ("From", "To", "Subject", "Date")},
            "date_epoch": email.utils.parsedate_to_datetime(message["Date"]).timestamp(),
            "body": body.get_content() if body is not None else None,
            "body_type": body.get_content_type() if body is not None else None,
            "attachments": [],
        }
        for index, part in enumerate(message.iter_attachments()):
            summary["attachments"].append(
                {"filename": part.get_filename(), "type": part.get_content_type()})
            with open(f"{stem}-{index}.bin", "wb") as out:
                out.write(part.get_payload(decode=True))
        with open(stem + ".json", "w", encoding="utf-8") as out:
            json.dump(summary, out)
        return "250 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", required=True)
    parser.add_argument("--require-auth", action="store_true")
    parser.add_argument("--refuse-recipients", action="store_true")
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
        Store(args.folder, args.refuse_recipients), hostname="127.0.0.1", port=port,
        authenticator=authenticator, auth_required=args.require_auth,
        auth_require_tls=False, tls_context=tls)
    controller.start()
    print(f"PORT {port}", flush=True)
    signal.sigwait(stop_signals)
    controller.stop()


if __name__ == "__main__":
    main()
