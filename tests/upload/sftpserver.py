# A local SFTP server for the upload tests: sftpserver.py HOME USER PASSWORD
# HOSTKEY. Password log-in only; the user sees HOME as "/" and starts there.
# HOSTKEY is made when it does not exist, so that a test can restart the
# server with the same key or a new one. Listens on 127.0.0.1 on a free
# port, prints "port N" once it listens, and serves until it is stopped.
import asyncio
import logging
import os
import sys

import asyncssh

logging.basicConfig(level=logging.INFO, format="%(message)s")
home, user, password, hostkey = sys.argv[1:5]
if not os.path.exists(hostkey):
    asyncssh.generate_private_key("ssh-ed25519").write_private_key(hostkey)


class Server(asyncssh.SSHServer):
    def begin_auth(self, username):
        return True

    def password_auth_supported(self):
        return True

    def validate_password(self, username, pw):
        ok = username == user and pw == password
        print("login %s %s" % (username, "ok" if ok else "refused"), file=sys.stderr, flush=True)
        return ok


class Files(asyncssh.SFTPServer):
    def __init__(self, chan):
        super().__init__(chan, chroot=home)


async def main():
    server = await asyncssh.create_server(
        Server, "127.0.0.1", 0, server_host_keys=[hostkey], sftp_factory=Files,
        allow_scp=False)
    port = server.sockets[0].getsockname()[1]
    print("port %d" % port, flush=True)
    await asyncio.Event().wait()


asyncio.run(main())
