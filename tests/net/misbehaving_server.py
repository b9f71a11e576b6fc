#!/usr/bin/env python3
"""An HTTP server on 127.0.0.1 that answers badly on purpose, for the download
tests. It binds a free port, prints the port number on the first line of its
standard output, and serves until it is killed.

Usage: misbehaving_server.py MODE

Modes:
  silent          accepts, reads the request, never answers
  short           announces Content-Length 500, sends 100 bytes, closes
  big             200 with a 100 KiB body and its Content-Length
  big-unannounced 200 with a 100 KiB body, no Content-Length, then closes
  redirect-loop   every path answers 302 to itself
  redirect-once   302 to /final (with a body of its own), /final answers "GOOD"
  error           500 with a small body
  reset           reads the request, then resets the connection
  trickle         200, 12 bytes announced, one byte every 0.25 s
  headers         200 whose body is the request's header lines
"""

import socket
import struct
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE = sys.argv[1] if len(sys.argv) > 1 else "silent"


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # quiet
        pass

    def send_body(self, status, body, length=None, extra=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        if length is not None:
            self.send_header("Content-Length", str(length))
        for name, value in extra:
            self.send_header(name, value)
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()
        self.close_connection = True

    def do_GET(self):
        if MODE == "silent":
            while True:
                time.sleep(3600)
        elif MODE == "short":
            self.send_body(200, b"x" * 100, length=500)
        elif MODE == "big":
            body = b"y" * (100 * 1024)
            self.send_body(200, body, length=len(body))
        elif MODE == "big-unannounced":
            self.send_body(200, b"y" * (100 * 1024))
        elif MODE == "redirect-loop":
            body = b"moved"
            self.send_body(302, body, length=len(body), extra=[("Location", self.path)])
        elif MODE == "redirect-once":
            if self.path == "/final":
                self.send_body(200, b"GOOD", length=4)
            else:
                body = b"redirect body"
                self.send_body(302, body, length=len(body), extra=[("Location", "/final")])
        elif MODE == "error":
            body = b"server error"
            self.send_body(500, body, length=len(body))
        elif MODE == "reset":
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
            self.close_connection = True
        elif MODE == "trickle":
            body = b"0123456789AB"
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.flush()
            for byte in body:
                time.sleep(0.25)
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
            self.close_connection = True
        elif MODE == "headers":
            body = str(self.headers).encode("latin-1")
            self.send_body(200, body, length=len(body))
        else:
            self.send_body(400, b"unknown mode", length=12)


class Server(ThreadingHTTPServer):
    daemon_threads = True


def main():
    server = Server(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
