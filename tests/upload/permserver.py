# A local FTP server whose user has only some rights, for the server test:
# permserver.py HOME USER PASSWORD PERM, where PERM is pyftpdlib's letters
# ("elr" reads only; without "m" no folder can be made, without "d" no file
# removed). Listens on 127.0.0.1 on a free port, prints "port N" once it
# listens, and serves until it is stopped.
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password, perm = sys.argv[1:5]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm=perm)


class Handler(FTPHandler):
    pass


Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print("port %d" % server.address[1], flush=True)
server.serve_forever()
