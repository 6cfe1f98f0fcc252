# A local FTP server that logs in and changes folders as any other but
# fails one thing in a way no refusal explains: oddserver.py HOME USER
# PASSWORD MODE, where MODE is
#   pasv      a request for a data connection is answered with a success
#             code and no address ("227 ..." without the numbers);
#   droplist  a folder listing closes the connection without a reply.
# Listens on 127.0.0.1 on a free port, prints "port N" once it listens,
# and serves until it is stopped.
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password, mode = sys.argv[1:5]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmw")


class Handler(FTPHandler):
    if mode == "pasv":
        def ftp_EPSV(self, line):
            self.respond("500 EPSV not understood.")

        def ftp_PASV(self, line):
            self.respond("227 Entering passive mode.")
    else:
        def ftp_MLSD(self, path):
            self.close()

        def ftp_LIST(self, path):
            self.close()


Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print("port %d" % server.address[1], flush=True)
server.serve_forever()
