"""What the tests read of a received mail, stored beside it.

store() writes <stem>.json with the envelope, the login used, the headers,
the plain-text body and the attachments' names and types, and whether it came
inside TLS, and <stem>-<i>.bin with each attachment's bytes. Run on its own,
"mail_summary.py MESSAGE STEM" does the same for a mail a relay delivered, its
envelope and TLS read from the headers the relay added.
"""
import email
import email.policy
import email.utils
import json
import sys

HEADERS = ("From", "To", "Subject", "Date", "Message-ID")


def store(raw, stem, mail_from, rcpt_tos, login, tls):
    message = email.message_from_bytes(raw, policy=email.policy.default)
    body = message.get_body(preferencelist=("plain",))
    summary = {
        "mail_from": mail_from,
        "rcpt_tos": rcpt_tos,
        "login": login,
        "tls": tls,
        "headers": {name: str(message[name]) for name in HEADERS if message[name] is not None},
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


def main():
    with open(sys.argv[1], "rb") as delivered:
        raw = delivered.read()
    message = email.message_from_bytes(raw, policy=email.policy.default)
    # The relay's own Received line comes first; "ESMTPS" means inside TLS.
    received = str(message.get_all("Received", [""])[0])
    store(raw, sys.argv[2], str(message["Return-Path"] or "").strip("<>"),
          [str(message["Delivered-To"] or "")], "", " with ESMTPS" in received)


if __name__ == "__main__":
    main()
