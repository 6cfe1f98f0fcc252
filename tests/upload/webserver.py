# A local web server for the checks of whether a sent page is on the web:
# webserver.py FOLDER [MODE [CERT KEY]]. Listens on 127.0.0.1 on a free port,
# prints "port N" once it listens, and serves until it is stopped. MODE:
# "serve" (the default) serves FOLDER's files as they are; "endless" answers
# every request with a body that never ends; "silent" takes connections and
# never answers. With CERT and KEY it speaks HTTPS.
import functools
import http.server
import socket
import ssl
import sys
import time

folder = sys.argv[1]
mode = sys.argv[2] if len(sys.argv) > 2 else "serve"
cert = sys.argv[3] if len(sys.argv) > 4 else None
key = sys.argv[4] if len(sys.argv) > 4 else None


class Endless(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        chunk = b"<p>more</p>\n" * 4096
        try:
            while True:
                self.wfile.write(chunk)
        except OSError:
            pass

    def log_message(self, *args):
        pass


if mode == "silent":
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print("port %d" % listener.getsockname()[1], flush=True)
    held = []
    while True:
        conn, _ = listener.accept()
        held.append(conn)
        time.sleep(0.01)

handler = Endless if mode == "endless" else functools.partial(http.server.SimpleHTTPRequestHandler,
                                                               directory=folder)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
server.daemon_threads = True
if cert:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
print("port %d" % server.server_address[1], flush=True)
server.serve_forever()
