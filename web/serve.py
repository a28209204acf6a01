#!/usr/bin/env python3
"""Serves the browser edition's folder on the loopback address, as any static host would.

    serve.py FOLDER [--port 8080] [--gzip] [--quiet] [--log FILE]

--gzip sends files gzip-compressed (level 9) to browsers that accept it, as a static host does.
--log appends the path of every request to FILE (the tests count what the page asks for).
--port 0 takes any free port; the address printed says which.
"""
import argparse
import functools
import gzip
import http.server
import io
import os
import sys

TYPES = {".wasm": "application/wasm", ".js": "text/javascript", ".webmanifest":
         "application/manifest+json", ".css": "text/css", ".html": "text/html; charset=utf-8",
         ".json": "application/json", ".png": "image/png", ".svg": "image/svg+xml"}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    compress = False
    quiet = False
    log = None

    def end_headers(self):
        # Every reload asks again; the service worker keeps the offline copy.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def send_head(self):
        if self.log:
            with open(self.log, "a") as log:
                log.write(self.path + "\n")
        if not self.compress or "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().send_head()
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            return super().send_head()
        body = gzip.compress(open(path, "rb").read(), 9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *args):
        if not self.quiet:
            super().log_message(*args)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=8080)
    parser.add_argument("--gzip", action="store_true")
    parser.add_argument("--quiet", action="store_true")
    parser.add_argument("--log")
    args = parser.parse_args()
    Handler.compress, Handler.quiet, Handler.log = args.gzip, args.quiet, args.log
    handler = functools.partial(Handler, directory=args.folder)
    with http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler) as server:
        print(f"Baralune in the browser: http://127.0.0.1:{server.server_address[1]}/",
              flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass
    return 0


sys.exit(main())
