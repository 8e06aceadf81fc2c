"""A local SMTP server for the mail tests: 127.0.0.1 on a free port, AUTH PLAIN/LOGIN
against one user, STARTTLS with the given certificate (unless --no-starttls). Each
message received is kept as <n>.eml and read into <n>.json (sender, recipients, login,
tls, subject, text, attachments saved decoded under <n>/).
Prints the port on the first line of standard output once it listens."""
import argparse
import asyncio
import email
import email.policy
import json
import logging
import os
import ssl
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def main():
    # The test's output is for the test; the server's chatter about itself is not.
    warnings.simplefilter("ignore")
    logging.disable(logging.CRITICAL)
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user", default="teacher")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--no-starttls", action="store_true")
    parser.add_argument("--vanish-on-data", action="store_true")
    parser.add_argument("--raw-only", action="store_true")
    args = parser.parse_args()

    context = None
    if not args.no_starttls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    def authenticate(server, session, envelope, mechanism, data):
        ok = (isinstance(data, LoginPassword)
              and data.login.decode() == args.user
              and data.password.decode() == args.password)
        return AuthResult(success=ok, handled=False,
                          auth_data=data.login.decode() if ok else None)

    class Keeper:
        count = 0

        async def handle_DATA(self, server, session, envelope):
            Keeper.count += 1
            base = os.path.join(args.out, str(Keeper.count))
            with open(base + ".eml", "wb") as f:
                f.write(envelope.original_content or envelope.content)
            if args.raw_only:
                with open(base + ".json", "w") as f:
                    json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos}, f)
                return "250 Message accepted"
            message = email.message_from_bytes(envelope.content, policy=email.policy.default)
            text, attachments = "", []
            os.makedirs(base, exist_ok=True)
            for part in message.walk():
                if part.is_multipart():
                    continue
                name = part.get_filename()
                if name is None:
                    text = part.get_content()
                    continue
                path = os.path.join(base, os.path.basename(name))
                with open(path, "wb") as f:
                    f.write(part.get_payload(decode=True))
                attachments.append({"name": name, "type": part.get_content_type(), "file": path})
            with open(base + ".json.part", "w") as f:
                json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos,
                           "header_to": str(message["To"]), "subject": str(message["Subject"]),
                           "text": text, "attachments": attachments,
                           "login": session.auth_data, "tls": session.ssl is not None}, f)
            os.rename(base + ".json.part", base + ".json")
            return "250 Message accepted"

    class Server(SMTP):
        async def smtp_DATA(self, arg):
            if args.raw_only and self.envelope.rcpt_tos:
                return await self.take_raw()
            if not args.vanish_on_data:
                return await super().smtp_DATA(arg)
            await self.push("354 End data with <CR><LF>.<CR><LF>")
            await asyncio.sleep(0.3)
            self.transport.abort()

        async def take_raw(self):
            # For the benchmark: the message in large reads, not line by line, so the
            # server is not what is measured.
            await self.push("354 End data with <CR><LF>.<CR><LF>")
            data = bytearray()
            while not data.endswith(b"\r\n.\r\n"):
                chunk = await self._reader.read(1 << 20)
                if not chunk:
                    return
                data += chunk
            self.envelope.content = bytes(data)
            status = await Keeper().handle_DATA(self, self.session, self.envelope)
            self._set_post_data_state()
            await self.push(status)

    def make():
        return Server(Keeper(), hostname="localhost", tls_context=context,
                      authenticator=authenticate, auth_require_tls=False,
                      auth_required=True, data_size_limit=0)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(make, host="127.0.0.1", port=0))
    print(server.sockets[0].getsockname()[1], flush=True)
    loop.run_forever()


if __name__ == "__main__":
    main()
