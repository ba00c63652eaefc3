#!/usr/bin/env python3
"""Times tevlin-lsp as an editor drives it: a document is opened, then changed one character at a
time (a character typed into a comment and taken out again, as when the user types), and each
change is timed from sending it to receiving the diagnostics published for it. Prints a Markdown
table of the median and the slowest tenth for each document, and the server's resident memory
after 100 and after 10,000 changes of the first.

Usage: bench/lsp.py TEVLIN_LSP DOCUMENT... [--changes N]"""
import argparse
import json
import statistics
import subprocess
import time


def frame(message):
    body = json.dumps(message).encode()
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


class Server:
    def __init__(self, command):
        self.process = subprocess.Popen([command], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.next_id = 1
        self.request("initialize", {"capabilities": {}})
        self.notify("initialized", {})

    def send(self, message):
        self.process.stdin.write(frame(message))
        self.process.stdin.flush()

    def read_bytes(self):
        length = 0
        while True:
            line = self.process.stdout.readline()
            if line in (b"\r\n", b""):
                break
            if line.lower().startswith(b"content-length:"):
                length = int(line.split(b":")[1])
        return self.process.stdout.read(length)

    def read(self):
        return json.loads(self.read_bytes())

    def notify(self, method, params):
        self.send({"jsonrpc": "2.0", "method": method, "params": params})

    def request(self, method, params):
        self.next_id += 1
        self.send({"jsonrpc": "2.0", "id": self.next_id, "method": method, "params": params})
        while "id" not in (reply := self.read()):
            pass
        return reply

    def diagnostics(self):
        """Waits for the next diagnostics, and returns them unread: the time taken is the
        server's, not that of this script's JSON parser."""
        while b'"textDocument/publishDiagnostics"' not in (body := self.read_bytes()):
            pass
        return body

    def resident_kib(self):
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def close(self):
        self.request("shutdown", None)
        self.notify("exit", None)
        self.process.wait(timeout=30)


def change(server, uri, version, line, character, text, removed):
    end = {"line": line, "character": character + removed}
    server.notify("textDocument/didChange", {
        "textDocument": {"uri": uri, "version": version},
        "contentChanges": [{"range": {"start": {"line": line, "character": character}, "end": end},
                            "text": text}]})


def time_changes(server, path, changes):
    """Opens path, makes changes one-character edits, returns their times in seconds."""
    with open(path, encoding="utf-8", errors="replace") as source:
        text = source.read()
    uri = "file://" + path
    server.notify("textDocument/didOpen", {"textDocument": {
        "uri": uri, "languageId": "tevlin", "version": 1, "text": text}})
    server.diagnostics()
    # Type into a comment on a line of its own at the end, so that the program stays the same.
    lines = text.split("\n")
    line = len(lines) - 1
    change(server, uri, 2, line, 0, "; ", 0)
    server.diagnostics()
    times = []
    for n in range(changes):
        typed = n % 2 == 0
        start = time.perf_counter()
        change(server, uri, 3 + n, line, 2, "x" if typed else "", 0 if typed else 1)
        server.diagnostics()
        times.append(time.perf_counter() - start)
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("server")
    parser.add_argument("documents", nargs="+")
    parser.add_argument("--changes", type=int, default=200)
    args = parser.parse_args()

    print("| Document | Lines | Changes | Median to diagnostics | Slowest tenth from |")
    print("|---|---:|---:|---:|---:|")
    for path in args.documents:
        server = Server(args.server)
        times = sorted(time_changes(server, path, args.changes))
        server.close()
        with open(path, "rb") as source:
            lines = source.read().count(b"\n")
        print("| %s | %d | %d | %.2f ms | %.2f ms |" % (
            path.split("/")[-1], lines, len(times), statistics.median(times) * 1e3,
            times[len(times) * 9 // 10] * 1e3))

    server = Server(args.server)
    time_changes(server, args.documents[0], 100)
    after_100 = server.resident_kib()
    time_changes(server, args.documents[0], 10000 if args.changes >= 200 else 1000)
    after_10000 = server.resident_kib()
    server.close()
    print()
    print("| Resident memory of the server | After 100 changes | After 10,100 changes | Growth |")
    print("|---|---:|---:|---:|")
    print("| %s | %d KiB | %d KiB | %.1f%% |" % (args.documents[0].split("/")[-1], after_100,
                                                after_10000, (after_10000 / after_100 - 1) * 100))


main()
