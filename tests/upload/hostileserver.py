# A local FTP server that answers every upload with a reply full of
# terminal escape sequences (clear the screen, move the cursor, set the
# window title, hide what follows), as a hostile server could:
# hostileserver.py HOME USER PASSWORD. Listens on 127.0.0.1 on a free port,
# prints "port N" once it listens, and serves until it is stopped.
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")


class Handler(FTPHandler):
    def ftp_STOR(self, file, mode="w"):
        self.respond("550 \x1b[2J\x1b[1;1H\x1b]0;owned\x07Password:\x1b[8m")


Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print("port %d" % server.address[1], flush=True)
server.serve_forever()
