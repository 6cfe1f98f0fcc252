# A local FTP server with explicit TLS for the upload tests:
# ftpsserver.py HOME USER PASSWORD CERT KEY. Listens on 127.0.0.1 on a free
# port, prints "port N" once it listens, and serves until it is stopped.
# Log-in and data connections must be encrypted.
import logging
import sys

from OpenSSL import SSL
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer

logging.basicConfig(level=logging.DEBUG, format="%(message)s")
home, user, password, cert, key = sys.argv[1:6]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")


class DataHandler(TLS_DTPHandler):
    # pyftpdlib 1.5.7 drops a data connection whose TLS handshake starts
    # before the upload command has been read: while the handshake runs the
    # handler must stay readable, or the client's first bytes are lost.
    def readable(self):
        if getattr(self, "_ssl_accepting", False):
            return True
        return super().readable()

    # pyftpdlib reads at most one TLS record at a time. Records that came in
    # together wait inside the TLS layer, where select() does not see them,
    # so when the client's close came next they were lost and the upload
    # still got its 226 (seen on a loaded machine as a shortened file).
    # Read on while any are waiting.
    def handle_read(self):
        super().handle_read()
        while (not self._closed and self.receive and not getattr(self, "_ssl_accepting", False)
               and hasattr(self.socket, "pending") and self.socket.pending() > 0):
            super().handle_read()


class Handler(TLS_FTPHandler):
    pass


Handler.authorizer = authorizer
Handler.certfile = cert
Handler.keyfile = key
Handler.tls_control_required = True
Handler.tls_data_required = True
Handler.dtp_handler = DataHandler
# TLS 1.2 at most. With TLS 1.3 the server sends its session tickets when it
# gets round to finishing the handshake, and the client may send a whole
# small file and close before that: the tickets then meet a closed socket,
# the client's system answers with a reset, and the reset throws away what
# the server had not read yet. pyftpdlib still answers 226 for the cut file
# (captured on a loaded machine: ECONNRESET after 114688 of 200000 bytes,
# then "226 Transfer complete"). Under TLS 1.2 the server's last handshake
# message comes before the client may send, so nothing is written late.
Handler.get_ssl_context().set_max_proto_version(SSL.TLS1_2_VERSION)
server = FTPServer(("127.0.0.1", 0), Handler)
print("port %d" % server.address[1], flush=True)
server.serve_forever()
