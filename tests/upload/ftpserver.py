# A local FTP server for the upload tests: ftpserver.py HOME USER PASSWORD
# [READ_LIMIT [REPLY_DELAY_MS [MAX_CONNECTIONS]]]. Listens on 127.0.0.1 on a free port, prints
# "port N" once it listens, and serves until it is stopped. READ_LIMIT
# (bytes a second, 0 none) slows down uploads, so that a test can cancel one
# midway. REPLY_DELAY_MS waits that long before every reply, as a distant
# server does; each connection then has a thread of its own, so that the
# waits of several connections overlap as they would across a network.
# MAX_CONNECTIONS (0 any number) refuses connections beyond that many.
import logging
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer, ThreadedFTPServer

# Every command in the log, so that tests can see what was sent.
logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password = sys.argv[1:4]
read_limit = int(sys.argv[4]) if len(sys.argv) > 4 else 0
reply_delay = int(sys.argv[5]) / 1000.0 if len(sys.argv) > 5 else 0
max_connections = int(sys.argv[6]) if len(sys.argv) > 6 else 0
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")


class Handler(FTPHandler):
    def respond(self, resp, *args, **kwargs):
        if reply_delay:
            time.sleep(reply_delay)
        super().respond(resp, *args, **kwargs)


Handler.authorizer = authorizer
if read_limit > 0:
    dtp = ThrottledDTPHandler
    dtp.read_limit = read_limit
    Handler.dtp_handler = dtp
server = (ThreadedFTPServer if reply_delay else FTPServer)(("127.0.0.1", 0), Handler)
server.max_cons_per_ip = max_connections
print("port %d" % server.address[1], flush=True)
server.serve_forever()
