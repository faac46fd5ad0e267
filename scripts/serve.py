"""Serves a folder on http://127.0.0.1 at a free port, printing the address first."""
import functools
import http.server
import sys

folder = sys.argv[1] if len(sys.argv) > 1 else "."
class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm"}


handler = functools.partial(Handler, directory=folder)
with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
    print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
