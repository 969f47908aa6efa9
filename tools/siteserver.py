#!/usr/bin/python3
"""Serves the browser build's site as static hosts do: a file's gzip copy
beside it (name.gz, made when the site is built) goes to a browser that
accepts gzip, with Content-Encoding: gzip and the file's own type; every
other file as it is.

    siteserver.py DIRECTORY PORT
"""
import http.server
import os
import sys


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript", ".BMP": "image/bmp"}

    def log_message(self, format, *arguments):
        pass

    def send_head(self):
        path = self.translate_path(self.path)
        packed = path + ".gz"
        # Only a copy at least as new as the file itself: a file changed
        # since the site was built goes as it is.
        if ("gzip" in self.headers.get("Accept-Encoding", "") and os.path.isfile(path)
                and os.path.isfile(packed)
                and os.path.getmtime(packed) >= os.path.getmtime(path)):
            try:
                file = open(packed, "rb")
            except OSError:
                return super().send_head()
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(path))
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(os.fstat(file.fileno()).st_size))
            self.send_header("Vary", "Accept-Encoding")
            self.end_headers()
            return file
        return super().send_head()


def serve(directory, port):
    """A server of `directory` on 127.0.0.1:`port` (0: any free port), not yet
    started."""
    class Handler(SiteHandler):
        def __init__(self, *arguments, **named):
            super().__init__(*arguments, directory=directory, **named)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    serve(sys.argv[1], int(sys.argv[2])).serve_forever()
