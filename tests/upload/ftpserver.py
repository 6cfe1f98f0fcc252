# A local FTP server for the upload tests: ftpserver.py HOME USER PASSWORD
# [READ_LIMIT]. Listens on 127.0.0.1 on a free port, prints "port N" once it
# listens, and serves until it is stopped. READ_LIMIT (bytes a second)
# slows down uploads, so that a test can cancel one midway.
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

# Every command in the log, so that tests can see what was sent.
logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")


class Handler(FTPHandler):
    pass


Handler.authorizer = authorizer
if len(sys.argv) > 4:
    dtp = ThrottledDTPHandler
    dtp.read_limit = int(sys.argv[4])
    Handler.dtp_handler = dtp
server = FTPServer(("127.0.0.1", 0), Handler)
print("port %d" % server.address[1], flush=True)
server.serve_forever()
