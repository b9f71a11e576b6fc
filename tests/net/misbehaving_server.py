#!/usr/bin/env python3
"""An HTTP server on 127.0.0.1 that answers in one awkward way, for the
download tests: misbehaving_server.py MODE. It prints its port on a line of
its own once it listens, and serves until it is killed."""

import os
import socket
import ssl
import struct
import subprocess
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE = sys.argv[1]
RESULTS = (b"1,0|" + b",|" * 30 + b"0,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,"
           b"Germany,Poland,France,Italy,Netherlands,Romania,Greece,Russia,Spain,Sweden\r\n")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self, status, body, length=None, location=None):
        self.send_response(status)
        if length is not None:
            self.send_header("Content-Length", str(length))
        if location:
            self.send_header("Location", location)
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)
        self.close_connection = True

    def do_GET(self):
        if MODE == "silent":
            time.sleep(3600)
        elif MODE == "short":
            self.answer(200, b"x" * 100, 500)
        elif MODE == "big":
            self.answer(200, b"y" * 100_000, 100_000)
        elif MODE == "big_unannounced":  # the end of the body is the end of the connection
            self.answer(200, b"y" * 100_000)
        elif MODE == "redirect_loop":
            self.answer(302, b"moved", 5, self.path)
        elif MODE == "no_location":  # a redirect status that names no place to go
            self.answer(300, b"choices", 7)
        elif MODE == "error":
            self.answer(500, b"server error", 12)
        elif MODE == "reset":
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
            self.close_connection = True
        elif MODE == "empty":
            self.answer(200, b"", 0)
        elif MODE == "redirect_once":  # the redirect's own body must not reach the file
            if self.path == "/final":
                self.answer(200, b"GOOD", 4)
            else:
                self.answer(302, b"redirect body", 13, "/final")
        elif MODE == "trickle":  # two seconds in all, a byte every quarter second
            self.answer(200, b"", 8)
            for byte in b"GOODGOOD":
                time.sleep(0.25)
                self.wfile.write(bytes([byte]))
        elif MODE == "fresh":  # GOOD only to a request for a fresh, unencoded copy
            fresh = "no-cache" in self.headers.get("Cache-Control", "") and self.headers.get("Pragma") == "no-cache"
            identity = self.headers.get("Accept-Encoding") == "identity"
            self.answer(200 if fresh and identity else 400, b"GOOD", 4)
        elif MODE == "html":  # not a results file
            self.answer(200, b"<html><body>Moved</body></html>", 31)
        elif MODE == "tls":  # a results file over TLS
            self.answer(200, RESULTS, len(RESULTS))


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
if MODE == "tls":
    # A fresh certificate for 127.0.0.1, left at FIXTURO_TLS_CERT for a client
    # that is to trust it; its key beside it.
    cert = os.environ["FIXTURO_TLS_CERT"]
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                    "-keyout", cert + ".key", "-out", cert], check=True, stderr=subprocess.DEVNULL)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, cert + ".key")
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
