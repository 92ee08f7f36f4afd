"""What the web host's end-to-end tests share: a private server on a free
loopback port with its own plug-in copy (so its Mirado.ini is fresh), plain
HTTP calls, and event-stream readers on raw sockets.

Every server started here is killed by the kernel if the test dies (parent
death signal), and stopped by stop() or cleanup() otherwise.
"""

import ctypes
import json
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

SERVERS = []
TEMP_DIRS = []


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tests", "support"))
from e2e_checks import TestFailure, check, log  # noqa: E402,F401


def arguments(*extra):
    """The command line every test here takes: --server, --plugin, --work,
    and the `extra` options (each required)."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--server", required=True)
    parser.add_argument("--plugin", required=True)
    parser.add_argument("--work", required="--work" in extra)
    for name in extra:
        if name != "--work":
            parser.add_argument(name, required=True)
    return parser.parse_args()


def run(test):
    """Runs `test()` and gives the exit status: 0 passed, 1 failed (with the
    reason logged); every server and folder made here is removed after."""
    try:
        status = test()
        log("passed" if not status else "exit status %d" % status)
        return status or 0
    except TestFailure as failure:
        log("FAILED: %s" % failure)
        return 1
    finally:
        cleanup()


def _child_setup():
    os.setpgid(0, 0)
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(1, signal.SIGKILL, 0, 0, 0)  # PR_SET_PDEATHSIG
    if os.getppid() == 1:
        os._exit(1)


def work_folder(plugin, keep=None):
    """A fresh folder holding a copy of the plug-in (its Mirado.ini beside it)."""
    folder = keep or tempfile.mkdtemp(prefix="mirado-web-test-")
    if keep:
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    else:
        TEMP_DIRS.append(folder)
    shutil.copy(plugin, os.path.join(folder, "libmirado.so"))
    return folder


class Server:
    """mirado-web on 127.0.0.1 and a free port, in `folder`."""

    def __init__(self, binary, folder, *extra):
        self.binary, self.folder, self.extra = binary, folder, list(extra)
        self.process = None
        self.port = 0
        self.key = ""

    def start(self, timeout=10):
        out = open(os.path.join(self.folder, "server.log"), "ab")
        command = [self.binary, "--listen", "127.0.0.1:%d" % self.port, "--config",
                   os.path.join(self.folder, "web.conf"), "--plugin", os.path.join(self.folder, "libmirado.so")]
        self.process = subprocess.Popen(command + self.extra, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=out, preexec_fn=_child_setup)
        out.close()
        SERVERS.append(self)
        deadline = time.time() + timeout
        line = b""
        while time.time() < deadline:
            line = self.process.stdout.readline()
            match = re.search(rb"http://127\.0\.0\.1:(\d+)/\?key=([A-Za-z0-9_-]+)", line)
            if match:
                self.port, self.key = int(match.group(1)), match.group(2).decode()
                threading.Thread(target=self._drain, daemon=True).start()
                return self
            if not line and self.process.poll() is not None:
                break
        raise TestFailure("the server did not start: %r (see %s/server.log)" % (line, self.folder))

    def _drain(self):
        for _ in self.process.stdout:
            pass

    @property
    def url(self):
        return "http://127.0.0.1:%d/?key=%s" % (self.port, self.key)

    def rss_kib(self):
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def stop(self, sig=signal.SIGTERM, timeout=10):
        if self.process.poll() is None:
            self.process.send_signal(sig)
            try:
                return self.process.wait(timeout)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
                return None
        return self.process.returncode


def cleanup():
    for server in SERVERS:
        if server.process and server.process.poll() is None:
            server.process.kill()
            server.process.wait()
    for folder in TEMP_DIRS:
        shutil.rmtree(folder, ignore_errors=True)


class Response:
    def __init__(self, status, headers, body):
        self.status, self.headers, self.body = status, headers, body

    def json(self):
        return json.loads(self.body.decode("utf-8"))

    def __repr__(self):
        return "%d %r" % (self.status, self.body[:300])


def raw_request(port, data, timeout=10):
    """Sends `data` (bytes) on a new connection; returns the Response."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as s:
        s.sendall(data)
        return read_response(s)


def read_response(sock):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = sock.recv(65536)
        if not chunk:
            raise TestFailure("the connection closed before a response: %r" % data)
        data += chunk
    head, body = data.split(b"\r\n\r\n", 1)
    lines = head.decode("latin-1").split("\r\n")
    status = int(lines[0].split()[1])
    headers = {}
    for line in lines[1:]:
        name, _, value = line.partition(":")
        headers.setdefault(name.strip().lower(), []).append(value.strip())
    length = int(headers.get("content-length", ["0"])[0])
    while len(body) < length:
        chunk = sock.recv(65536)
        if not chunk:
            break
        body += chunk
    return Response(status, headers, body[:length])


def request(port, method, path, body=None, headers=None, raw_body=None):
    """One HTTP/1.1 request; `body` is sent as JSON."""
    headers = dict(headers or {})
    payload = raw_body if raw_body is not None else (json.dumps(body).encode() if body is not None else b"")
    if body is not None or raw_body is not None:
        headers.setdefault("Content-Type", "application/json")
    lines = ["%s %s HTTP/1.1" % (method, path), "Host: 127.0.0.1:%d" % port, "Connection: close",
             "Content-Length: %d" % len(payload)]
    lines += ["%s: %s" % item for item in headers.items()]
    return raw_request(port, ("\r\n".join(lines) + "\r\n\r\n").encode("utf-8") + payload)


class Client:
    """A player or program: the table key, and a session once joined."""

    def __init__(self, server, room="trpg"):
        self.server, self.room, self.token = server, room, ""

    def headers(self):
        if self.token:
            return {"Authorization": "Bearer " + self.token}
        return {"X-Mirado-Key": self.server.key}

    def call(self, method, action, body=None, **kw):
        path = "/api/v1/rooms/%s%s" % (self.room, "/" + action if action else "")
        return request(self.server.port, method, path, body, headers=self.headers(), **kw)

    def join(self, nick):
        response = self.call("POST", "join", {"nick": nick})
        check(response.status == 200, "join as %s: %r" % (nick, response))
        self.token = response.json()["token"]
        return response.json()

    def say(self, text, private=False, expect=200):
        response = self.call("POST", "lines", {"text": text, "private": private})
        check(response.status == expect, "saying %r: %r" % (text, response))
        return response.json()


class Stream:
    """An event stream read on its own thread; `events` grows as they come."""

    def __init__(self, client, after=None, last_event_id=None, read=True):
        self.events, self.gaps, self.closed = [], [], False
        self.lock = threading.Condition()
        self.sock = socket.create_connection(("127.0.0.1", client.server.port), timeout=30)
        path = "/api/v1/rooms/%s/events" % client.room + ("?after=%d" % after if after is not None else "")
        lines = ["GET %s HTTP/1.1" % path, "Host: 127.0.0.1:%d" % client.server.port]
        lines += ["%s: %s" % item for item in client.headers().items()]
        if last_event_id is not None:
            lines.append("Last-Event-ID: %d" % last_event_id)
        self.sock.sendall(("\r\n".join(lines) + "\r\n\r\n").encode())
        self.status = None
        if read:
            threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        buffer = b""
        try:
            while b"\r\n\r\n" not in buffer:
                chunk = self.sock.recv(65536)
                if not chunk:
                    raise OSError("closed")
                buffer += chunk
            head, buffer = buffer.split(b"\r\n\r\n", 1)
            self.status = int(head.split(b" ")[1])
            while True:
                while b"\n\n" in buffer:
                    message, buffer = buffer.split(b"\n\n", 1)
                    self._message(message.decode("utf-8"))
                chunk = self.sock.recv(65536)
                if not chunk:
                    break
                buffer += chunk
        except OSError:
            pass
        with self.lock:
            self.closed = True
            self.lock.notify_all()

    def _message(self, text):
        fields = {}
        for line in text.split("\n"):
            if line.startswith(":") or not line:
                continue
            name, _, value = line.partition(":")
            fields[name] = value[1:] if value.startswith(" ") else value
        with self.lock:
            if fields.get("event") == "gap":
                self.gaps.append(json.loads(fields["data"]))
            elif "data" in fields:
                event = json.loads(fields["data"])
                check(str(event["id"]) == fields.get("id"), "an event whose id field differs: %r" % fields)
                self.events.append(event)
            self.lock.notify_all()

    def wait_for(self, predicate, timeout=5, what="events"):
        deadline = time.time() + timeout
        with self.lock:
            while not predicate(self.events):
                left = deadline - time.time()
                check(left > 0 and not self.closed, "waiting for %s; have %r" % (what, self.events[-5:]))
                self.lock.wait(left)
            return list(self.events)

    def wait_count(self, count, timeout=5):
        return self.wait_for(lambda events: len(events) >= count, timeout, "%d events" % count)

    def close(self):
        try:
            self.sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.sock.close()
