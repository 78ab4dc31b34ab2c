#!/usr/bin/python3
"""The web server of the fetch tests: one HTTPS and one plain HTTP listener
on free ports of 127.0.0.1, each serving the same paths, with a test
certificate authority and a server certificate made by openssl in FOLDER at
start. It prints "HTTPS_PORT HTTP_PORT" on one line once it listens, and ends
when its standard input closes, so that it never outlives the test.

Paths (a query is ignored):
  /good.ics      a calendar; ETag "v1", 304 when If-None-Match names it; the
                 request's User-Agent is in its X-REQUEST-AGENT line
  /hops/N        N redirects (302, relative) ending at the calendar
  /to-file       a redirect to file:///etc/passwd
  /to-http       a redirect to the plain listener's /good.ics
  /missing       404 Not Found
  /page.html     an HTML page instead of a calendar
  /stall         headers and a first line, then 4 seconds of silence
  /huge          70 MB without Content-Length, ended by closing
  /cut           100 of 5,000 announced bytes, then the connection closes
"""

import http.server
import os
import socket
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse

FOLDER = sys.argv[1]
CALENDAR = ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Quillbay tests//EN\r\n"
            "X-REQUEST-AGENT:{agent}\r\n"
            "BEGIN:VEVENT\r\nUID:fair@example.org\r\nDTSTAMP:20260101T000000Z\r\n"
            "DTSTART;VALUE=DATE:20260314\r\nSUMMARY:Spring fair\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n")


def make_certificates():
    def run(*args):
        subprocess.run(["openssl", *args], cwd=FOLDER, check=True, capture_output=True)
    ec = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    run("req", "-x509", *ec, "-keyout", "ca.key", "-out", "ca.pem", "-days", "2",
        "-subj", "/CN=Quillbay Test CA", "-addext", "basicConstraints=critical,CA:TRUE",
        "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    run("req", *ec, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
    with open(os.path.join(FOLDER, "server.ext"), "w") as ext:
        ext.write("subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n"
                  "extendedKeyUsage=serverAuth\n")
    run("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
        "-CAcreateserial", "-out", "server.pem", "-days", "2", "-extfile", "server.ext")


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def handle(self):
        if isinstance(self.connection, ssl.SSLSocket):
            try:
                self.connection.do_handshake()
            except (ssl.SSLError, OSError):
                return
        super().handle()

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def body(self, status, data, content_type="text/calendar", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        try:
            self.serve(path)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass

    def serve(self, path):
        if path == "/good.ics":
            if self.headers.get("If-None-Match") == '"v1"':
                self.send_response(304)
                self.send_header("ETag", '"v1"')
                self.end_headers()
                return
            agent = self.headers.get("User-Agent", "")
            self.body(200, CALENDAR.format(agent=agent).encode(),
                      headers=[("ETag", '"v1"'), ("Last-Modified", "Sat, 05 Dec 2026 10:00:00 GMT")])
        elif path.startswith("/hops/"):
            left = int(path[len("/hops/"):])
            if left == 0:
                self.serve("/good.ics")
            else:
                self.redirect("/hops/%d" % (left - 1))
        elif path == "/to-file":
            self.redirect("file:///etc/passwd")
        elif path == "/to-http":
            self.redirect("http://127.0.0.1:%d/good.ics" % PLAIN_PORT)
        elif path == "/page.html":
            self.body(200, b"<!doctype html><title>Sign in</title><p>Please sign in.", "text/html")
        elif path == "/stall":
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.write(b"BEGIN:VCALENDAR\r\n")
            self.wfile.flush()
            time.sleep(4)
        elif path == "/huge":
            self.send_response(200)
            self.send_header("Content-Type", "text/calendar")
            self.end_headers()
            self.wfile.write(b"BEGIN:VCALENDAR\r\n")
            line = b"X-FILL:" + b"x" * 1015 + b"\r\n"
            chunk = line * 1024
            for _ in range(70):
                self.wfile.write(chunk)
            self.close_connection = True
        elif path == "/cut":
            self.send_response(200)
            self.send_header("Content-Length", "5000")
            self.end_headers()
            self.wfile.write(CALENDAR.format(agent="")[:100].encode())
            self.wfile.flush()
            self.connection.shutdown(socket.SHUT_RDWR)
            self.close_connection = True
        else:
            self.send_error(404, "Not Found")


class TlsServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def get_request(self):
        connection, address = super().get_request()
        # The handshake runs on the handler's thread, so that a client that
        # refuses the certificate does not hold up the listener.
        return CONTEXT.wrap_socket(connection, server_side=True, do_handshake_on_connect=False), address


class PlainServer(http.server.ThreadingHTTPServer):
    daemon_threads = True


def main():
    global CONTEXT, PLAIN_PORT
    make_certificates()
    CONTEXT = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    CONTEXT.load_cert_chain(os.path.join(FOLDER, "server.pem"), os.path.join(FOLDER, "server.key"))
    secure = TlsServer(("127.0.0.1", 0), Handler)
    plain = PlainServer(("127.0.0.1", 0), Handler)
    PLAIN_PORT = plain.server_address[1]
    for server in (secure, plain):
        threading.Thread(target=server.serve_forever, daemon=True).start()
    print(secure.server_address[1], PLAIN_PORT, flush=True)
    sys.stdin.read()
    os._exit(0)


main()
