#!/usr/bin/env python3
"""End-to-end test of mirado-irc against a private ngIRCd.

Starts ngircd on a free loopback port with a generated configuration (its own
folder, PID file, no daemonising), starts the bot (and two more bots: one
speaking ISO-2022-JP, one with the fake plug-in), drives them with scripted
IRC clients and checks what comes back. Every process started here is ended
when the test ends, fails or times out: each child is killed by the kernel
if this script dies (parent-death signal), and a finally clause stops them
otherwise.

Exit status: 0 passed, 1 failed, 77 ngircd is not installed (skipped).
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

NOBODY = 65534
OVERALL_TIMEOUT = 240  # seconds; ctest's own limit is longer
PROCESSES = []
TEMP_DIRS = []


sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tests", "support"))
from e2e_checks import TestFailure, check, log  # noqa: E402


# ---------------------------------------------------------------- processes

def _child_setup(drop_to_nobody):
    def setup():
        os.setpgid(0, 0)
        if drop_to_nobody:
            # ngircd started as root switches to "nobody" itself, which would
            # clear the parent-death signal; start it as nobody instead.
            os.setgroups([])
            os.setgid(NOBODY)
            os.setuid(NOBODY)
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(1, signal.SIGKILL, 0, 0, 0)  # PR_SET_PDEATHSIG
        if os.getppid() == 1:
            os._exit(1)  # the test already died
    return setup


def spawn(name, command, log_path, drop_to_nobody=False):
    out = open(log_path, "ab")
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                               preexec_fn=_child_setup(drop_to_nobody))
    out.close()
    process.name = name
    process.log_path = log_path
    PROCESSES.append(process)
    return process


def stop(process, sig=signal.SIGTERM, timeout=5.0):
    """Stops a process; returns its exit status (None when it had to be killed)."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            return process.wait(timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return None
    return process.returncode


def cleanup():
    for process in PROCESSES:
        if process.poll() is None:
            stop(process, signal.SIGTERM, 3.0)
    for folder in TEMP_DIRS:
        shutil.rmtree(folder, ignore_errors=True)


def on_signal(signum, _frame):
    raise TestFailure("stopped by signal %d" % signum)


# ---------------------------------------------------------------- ngircd

def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def reachable_by_others(path):
    """True when every folder up to `path` lets other users through."""
    path = os.path.abspath(path)
    while True:
        if not os.stat(path).st_mode & 0o001:
            return False
        parent = os.path.dirname(path)
        if parent == path:
            return True
        path = parent


def make_certificate(folder):
    """A self-signed certificate for localhost and 127.0.0.1; False without the openssl tool."""
    tool = shutil.which("openssl")
    if not tool:
        return False
    result = subprocess.run(
        [tool, "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
         "-days", "2", "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1",
         "-keyout", os.path.join(folder, "key.pem"), "-out", os.path.join(folder, "cert.pem")],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    for name in ("key.pem", "cert.pem"):
        if os.path.exists(os.path.join(folder, name)):
            os.chmod(os.path.join(folder, name), 0o644)
    return result.returncode == 0


class Server:
    def __init__(self, ngircd, work):
        self.ngircd = ngircd
        self.work = work
        self.port = free_port()
        self.tls_port = free_port()
        self.as_nobody = os.geteuid() == 0
        if not self.as_nobody or reachable_by_others(work):
            self.folder = os.path.join(work, "ngircd")
            os.makedirs(self.folder)
        else:
            self.folder = tempfile.mkdtemp(prefix="mirado-irc-ngircd-")
            TEMP_DIRS.append(self.folder)
        os.chmod(self.folder, 0o777 if self.as_nobody else 0o700)
        self.cert = os.path.join(self.folder, "cert.pem")
        self.tls = make_certificate(self.folder)
        self.conf = os.path.join(self.folder, "ngircd.conf")
        with open(self.conf, "w") as f:
            f.write("""[Global]
Name = irc.mirado.test
Info = mirado-irc integration test
AdminInfo1 = test
AdminInfo2 = test
AdminEMail = test@mirado.test
Listen = 127.0.0.1
Ports = %d
MotdPhrase = test server
PidFile = %s/ngircd.pid
[Limits]
MaxConnectionsIP = 0
MaxNickLength = 20
PingTimeout = 120
PongTimeout = 20
[Options]
DNS = no
Ident = no
PAM = no
""" % (self.port, self.folder))
            if self.tls:
                f.write("[SSL]\nPorts = %d\nCertFile = %s\nKeyFile = %s/key.pem\n" %
                        (self.tls_port, self.cert, self.folder))
        os.chmod(self.conf, 0o644)
        self.process = None
        self.starts = 0

    def start(self):
        self.starts += 1
        self.process = spawn("ngircd", [self.ngircd, "-n", "-f", self.conf],
                             os.path.join(self.work, "ngircd.log"), drop_to_nobody=self.as_nobody)
        deadline = time.time() + 15
        while time.time() < deadline:
            check(self.process.poll() is None, "ngircd exited at start; see %s" % self.process.log_path)
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=1).close()
                return
            except OSError:
                time.sleep(0.1)
        raise TestFailure("ngircd does not listen on port %d" % self.port)

    def kill(self):
        stop(self.process, signal.SIGKILL)


# ---------------------------------------------------------------- IRC client

def parse(raw):
    """(source nick, command, [params]) of one raw line (bytes)."""
    prefix = b""
    if raw.startswith(b":"):
        prefix, _, raw = raw[1:].partition(b" ")
    if b" :" in raw:
        head, _, trailing = raw.partition(b" :")
        params = head.split() + [trailing]
    else:
        params = raw.split()
    command = params.pop(0).decode("ascii").upper() if params else ""
    return prefix.split(b"!")[0].decode("ascii", "replace"), command, params


class Client:
    def __init__(self, port, nick, encoding="utf-8"):
        self.nick = nick
        self.encoding = encoding
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=10)
        self.buffer = b""
        self.raw_log = []  # every line received, raw
        self.send("NICK " + nick)
        self.send("USER %s 0 * :test player" % nick)
        self.wait(lambda m: m[1] == "001", 15, "welcome")

    def send(self, line):
        self.sock.sendall(line.encode(self.encoding) + b"\r\n")

    def text(self, param):
        return param.decode(self.encoding)  # strict: malformed text fails the test

    def read(self, deadline):
        while b"\n" not in self.buffer:
            left = deadline - time.time()
            if left <= 0:
                return None
            self.sock.settimeout(left)
            try:
                data = self.sock.recv(65536)
            except socket.timeout:
                return None
            if not data:
                raise TestFailure("%s: the server closed the connection" % self.nick)
            self.buffer += data
        raw, _, self.buffer = self.buffer.partition(b"\n")
        raw = raw.rstrip(b"\r")
        self.raw_log.append(raw)
        message = parse(raw)
        if message[1] == "PING":
            self.sock.sendall(b"PONG :" + (message[2][-1] if message[2] else b"x") + b"\r\n")
        return message

    def wait(self, predicate, timeout, what):
        deadline = time.time() + timeout
        while True:
            message = self.read(deadline)
            if message is None:
                raise TestFailure("%s: no %s within %g s" % (self.nick, what, timeout))
            if predicate(message):
                return message

    def notices(self, bot, target, count, timeout, what):
        """The texts of the next `count` NOTICEs of `bot` to `target`."""
        texts = []
        deadline = time.time() + timeout
        while len(texts) < count:
            message = self.read(deadline)
            check(message is not None, "%s: %d of %d lines of %s within %g s: %r" %
                  (self.nick, len(texts), count, what, timeout, texts))
            source, command, params = message
            check(not (source == bot and command not in ("NOTICE", "JOIN", "PART", "QUIT", "NICK")),
                  "%s sent %s, which it never may" % (bot, command))
            if source == bot and command == "NOTICE" and self.text(params[0]) == target:
                texts.append(self.text(params[1]))
        return texts

    def join_and_wait_for(self, channel, bot, timeout=30):
        """Joins `channel` and waits until `bot` is in it too."""
        self.send("JOIN " + channel)
        deadline = time.time() + timeout
        while time.time() < deadline:
            self.send("NAMES " + channel)
            message = self.wait(lambda m: m[1] in ("353", "366") or (m[1] == "JOIN" and m[0] == bot), 10, "NAMES")
            if message[1] == "JOIN":
                return
            if message[1] == "353":
                names = [n.lstrip("@+") for n in self.text(message[2][-1]).split()]
                if bot in names:
                    return
            time.sleep(0.5)
        raise TestFailure("%s did not join %s within %d s" % (bot, channel, timeout))

    def close(self):
        try:
            self.send("QUIT :done")
        except OSError:
            pass
        self.sock.close()


def roll(client, bot, target, text, pattern, what, timeout=20):
    """Sends `text` to `target`, waits for one NOTICE matching `pattern`; returns (match, latency)."""
    reply_target = target if target.startswith("#") else client.nick
    start = time.time()
    client.send("PRIVMSG %s :%s" % (target, text))
    answer = client.notices(bot, reply_target, 1, timeout, what)[0]
    latency = time.time() - start
    match = re.fullmatch(pattern, answer)
    check(match is not None, "%s: unexpected answer %r" % (what, answer))
    return match, latency


def check_2d6(match, bonus=0):
    a, b, total = int(match.group(1)), int(match.group(2)), int(match.group(3))
    check(a + b + bonus == total, "wrong total in %r" % match.group(0))


def answered_lines(bot_log, after):
    """The NOTICE texts the bot logged (verbose) after byte offset `after` of its log."""
    with open(bot_log, "rb") as f:
        f.seek(after)
        text = f.read().decode("utf-8", "replace")
    return [m.group(1) for m in re.finditer(r" info -> NOTICE \S+ :(.*)", text)]


# ---------------------------------------------------------------- the test

def start_bot(args, server, name, options, config_text=None):
    folder = os.path.join(args.work, name)
    os.makedirs(folder, exist_ok=True)
    command = [args.bot]
    if config_text is not None:
        config = os.path.join(folder, "bot.conf")
        with open(config, "w") as f:
            f.write(config_text % {"port": server.port})
        command += ["--config", config]
    command += options + ["--reconnect-max", "2", "--verbose"]
    return spawn(name, command, os.path.join(folder, "bot.log"))


def private_plugin(args, source, name):
    """A copy of the plug-in in its own folder, so its Mirado.ini is the test's own."""
    folder = os.path.join(args.work, name, "plugin")
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, os.path.basename(source))
    shutil.copy(source, target)
    return target


def log_text(process):
    with open(process.log_path, "rb") as f:
        return f.read().decode("utf-8", "replace")


def check_main_bot(args, server):
    """Joining, rolls in a channel and in private, Japanese text, **5, INVITE, #PART."""
    # The main bot: settings from a config file, the plug-in from the command line.
    bot = start_bot(args, server, "bot-utf8", ["--plugin", private_plugin(args, args.plugin, "bot-utf8")],
                    "# written by the integration test\nserver = 127.0.0.1:%(port)d\nnick = mirado\n"
                    "channel = #trpg\n")
    taro = Client(server.port, "taro")
    taro.join_and_wait_for("#trpg", "mirado")
    log("ok: the bot joined #trpg")

    latencies = []
    for _ in range(3):
        match, latency = roll(taro, "mirado", "#trpg", "#2D6+3",
                              r"taro -> 2D6\+3 = \[([1-6]),([1-6])\]\+3 = (\d+)", "#2D6+3")
        check_2d6(match, 3)
        latencies.append(latency)
        time.sleep(1.1)
    log("ok: #2D6+3 in the channel answered in the channel (%s)" % match.group(0))

    match, _ = roll(taro, "mirado", "mirado", "2D6", r"taro -> 2D6 = \[([1-6]),([1-6])\] = (\d+)",
                    "a private 2D6")
    check_2d6(match)
    log("ok: a private message is answered to the sender")

    roll(taro, "mirado", "#trpg", "#70+2", re.escape("taro -> 70+2 = 72 <…くっ！>"), "#70+2 in UTF-8")
    log("ok: #70+2 round-trips its Japanese mark in UTF-8")

    # Bytes that are no UTF-8 (and a NUL-like control) are replaced on the way in.
    taro.sock.sendall(b"PRIVMSG #trpg :\xff\xfe\x80\x01 #2D6 \xe3\x81\r\n")
    roll(taro, "mirado", "#trpg", "#1D1", r"taro -> 1D1 = \[1\] = 1", "a roll after malformed text")
    check(bot.poll() is None, "the bot died on malformed text")
    log("ok: malformed text does not disturb the bot")

    offset = os.path.getsize(bot.log_path)
    start = time.time()
    taro.send("PRIVMSG #trpg :#2D6**5")
    five = taro.notices("mirado", "#trpg", 5, 30, "#2D6**5")
    for text in five:
        match = re.fullmatch(r"taro -> 2D6 = \[([1-6]),([1-6])\] = (\d+)", text)
        check(match is not None, "bad line of #2D6**5: %r" % text)
        check_2d6(match)
    time.sleep(0.3)
    check(answered_lines(bot.log_path, offset) == five, "the five lines arrived out of order")
    log("ok: #2D6**5 arrives as five lines in order (%.2f s)" % (time.time() - start))

    # INVITE: the bot follows into a channel it was never told about.
    taro.send("JOIN #invited")
    taro.wait(lambda m: m[1] == "366", 10, "JOIN #invited")
    taro.send("INVITE mirado #invited")
    taro.wait(lambda m: m[0] == "mirado" and m[1] == "JOIN" and taro.text(m[2][0]) == "#invited", 15,
              "the bot joining #invited")
    roll(taro, "mirado", "#invited", "#1D1+1", r"taro -> 1D1\+1 = \[1\]\+1 = 2", "a roll in #invited")
    log("ok: INVITE makes the bot join")

    exports_part = re.search(r"loaded the plug-in .*\(Command, Alias, Part\)", log_text(bot)) is not None
    check(exports_part, "the plug-in does not export Command, Alias and Part")
    taro.send("PRIVMSG #invited :#PART")
    taro.wait(lambda m: m[0] == "mirado" and m[1] == "PART" and taro.text(m[2][0]) == "#invited", 15,
              "the bot leaving #invited")
    log("ok: #PART makes the bot leave")
    return bot, taro, latencies, exports_part


def check_iso2022jp(args, server):
    """ISO-2022-JP, and the fallback nick: "mirado" is taken, so the bot becomes mjis."""
    jis_bot = start_bot(args, server, "bot-jis",
                        ["--server", "127.0.0.1:%d" % server.port, "--nick", "mirado", "--alt-nick", "mjis",
                         "--channel", "#jis", "--encoding", "iso-2022-jp",
                         "--plugin", private_plugin(args, args.plugin, "bot-jis")])
    hanako = Client(server.port, "hanako", "iso2022_jp")
    hanako.join_and_wait_for("#jis", "mjis")
    log("ok: the second bot fell back to the nick mjis")
    roll(hanako, "mjis", "#jis", "＃70+2", re.escape("hanako -> 70+2 = 72 <…くっ！>"), "#70+2 in ISO-2022-JP")
    check(any(b"\x1b$B" in raw for raw in hanako.raw_log), "no ISO-2022-JP on the wire")
    log("ok: ＃70+2 round-trips its Japanese text in ISO-2022-JP")
    return jis_bot, hanako


def check_fake_plugin(args, server, taro):
    """With the fake plug-in: Alias, Part, the reply filter, long lines, pacing."""
    fake_bot = start_bot(args, server, "bot-fake",
                         ["--server", "127.0.0.1:%d" % server.port, "--nick", "mfake", "--channel", "#fake",
                          "--plugin", args.fake_plugin, "--flood-burst", "2", "--flood-interval", "0.5"])
    taro.join_and_wait_for("#fake", "mfake")
    taro.send("PRIVMSG #fake :alias x")
    check(taro.notices("mfake", "#fake", 1, 15, "Alias") == ["A alias x"], "a phrase did not reach Alias")
    taro.send("PRIVMSG #fake :say alias")
    check(taro.notices("mfake", "#fake", 1, 15, "Command") == ["C taro #fake say alias"],
          "a line Command answered went on to Alias")
    taro.send("PRIVMSG #fake :raw")
    check(taro.notices("mfake", "#fake", 1, 15, "raw") == ["quiet"], "raw lines were not filtered")
    roll(taro, "mfake", "#fake", "こんにちは", re.escape("C taro #fake こんにちは"), "Japanese to the plug-in")
    check(not any(b"evil" in raw or b"#elsewhere" in raw for raw in taro.raw_log), "a raw plug-in line was sent")
    log("ok: Alias only for lines Command left unanswered; only NOTICE and PART lines of the plug-in are sent")
    taro.send("PRIVMSG #fake :long 400")
    pieces = taro.notices("mfake", "#fake", 3, 20, "a 1200-byte answer")
    check("".join(pieces) == "あ" * 400, "a long answer was not split at characters")
    check(all(len(raw) + 2 <= 512 for raw in taro.raw_log), "a line longer than 512 bytes arrived")
    start = time.time()
    taro.send("PRIVMSG #fake :many 6")
    check(taro.notices("mfake", "#fake", 6, 30, "six lines") == ["line %d" % i for i in range(1, 7)],
          "paced lines out of order")
    log("ok: a long answer is split into 3 NOTICEs; 6 lines arrive in order (%.1f s, paced)" % (time.time() - start))
    taro.send("PRIVMSG #fake :#PART")
    check(taro.notices("mfake", "#fake", 1, 15, "Part") == ["P taro"], "Part was not called")
    taro.wait(lambda m: m[0] == "mfake" and m[1] == "PART", 15, "the fake bot leaving #fake")
    log("ok: #PART calls Part and the bot leaves (fake plug-in)")
    return fake_bot


def check_tls(args, server, taro):
    """A bot that trusts the server's certificate connects; one that does not refuses the server."""
    if not server.tls:
        log("SKIPPED: TLS (no openssl tool to make a certificate)")
        return []
    untrusted = start_bot(args, server, "bot-untrusted",
                          ["--server", "127.0.0.1:%d" % server.tls_port, "--tls", "--nick", "mbad",
                           "--plugin", args.fake_plugin])
    tls_bot = start_bot(args, server, "bot-tls",
                        ["--server", "127.0.0.1:%d" % server.tls_port, "--tls", "--ca-file", server.cert,
                         "--nick", "mtls", "--channel", "#tls", "--plugin", args.fake_plugin])
    taro.join_and_wait_for("#tls", "mtls")
    roll(taro, "mtls", "#tls", "over TLS", re.escape("C taro #tls over TLS"), "an answer over TLS")
    deadline = time.time() + 15
    while "not trusted" not in log_text(untrusted) and time.time() < deadline:
        time.sleep(0.2)
    check("not trusted" in log_text(untrusted), "a bot accepted an untrusted certificate")
    log("ok: TLS with a trusted certificate works; an untrusted one is refused")
    return [tls_bot, untrusted]


def resident_kib(process):
    with open("/proc/%d/status" % process.pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def check_server_that_stops_reading(args):
    """A server that floods PINGs and reads nothing: the bot stays small, drops it and connects again."""
    listener = socket.socket()
    # A small receive window, so the bot's side fills up quickly.
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
    listener.bind(("127.0.0.1", 0))
    listener.listen(4)
    listener.settimeout(15)
    port = listener.getsockname()[1]
    bot = start_bot(args, None, "bot-stalled",
                    ["--server", "127.0.0.1:%d" % port, "--nick", "mstall", "--plugin", args.fake_plugin])
    first, _ = listener.accept()
    first.sendall(b":irc.stall.test 001 mstall :Welcome\r\n")
    flood = b"PING :irc.stall.test\r\n" * 2000
    peak = 0
    deadline = time.time() + 60
    listener.setblocking(False)
    again = None
    while again is None and time.time() < deadline:
        try:
            first.sendall(flood)
        except OSError:
            pass  # the bot closed this connection
        peak = max(peak, resident_kib(bot))
        check(bot.poll() is None, "the bot died while the server stopped reading")
        try:
            again, _ = listener.accept()
        except BlockingIOError:
            pass
    check(again is not None, "the bot did not give up a server that reads nothing (resident %d KiB)" % peak)
    check(peak < 64 * 1024, "the bot grew to %d KiB while the server read nothing" % peak)
    check("does not read what the bot sends" in log_text(bot), "the bot did not say why it dropped the server")
    log("ok: a server that reads nothing is dropped and connected again (bot at most %.1f MB resident)" %
        (peak / 1024.0))
    for sock in (first, again, listener):
        sock.close()
    check(stop(bot, signal.SIGTERM, 10) == 0, "the bot did not stop cleanly")


def check_reconnect(server, bot, exports_part):
    """Kills the server and starts it again: the bot reconnects and rejoins."""
    server.kill()
    time.sleep(1)
    killed = time.time()
    server.start()
    taro = Client(server.port, "taro")
    taro.join_and_wait_for("#trpg", "mirado", 40)
    log("ok: after a server restart the bot reconnected and rejoined #trpg (%.1f s)" % (time.time() - killed))
    match, _ = roll(taro, "mirado", "#trpg", "#2D6+3", r"taro -> 2D6\+3 = \[([1-6]),([1-6])\]\+3 = (\d+)",
                    "#2D6+3 after the reconnect")
    check_2d6(match, 3)
    if exports_part:
        since_restart = log_text(bot).rsplit("registered as", 1)[-1]
        check("joined #invited" not in since_restart, "the bot rejoined a channel it had left with #PART")
    return taro


def run(args):
    server = Server(args.ngircd, args.work)
    server.start()
    log("ngircd listens on 127.0.0.1:%d" % server.port)
    bot, taro, latencies, exports_part = check_main_bot(args, server)
    jis_bot, hanako = check_iso2022jp(args, server)
    fake_bot = check_fake_plugin(args, server, taro)
    tls_bots = check_tls(args, server, taro)
    check_server_that_stops_reading(args)

    # SIGTERM: the bots leave with QUIT and exit with status 0.
    for process in [jis_bot, fake_bot] + tls_bots:
        check(stop(process, signal.SIGTERM, 10) == 0, "%s did not stop cleanly" % process.name)
    hanako.close()
    log("ok: SIGTERM makes a bot quit cleanly")

    taro.sock.close()
    taro = check_reconnect(server, bot, exports_part)
    # An ordinary chat line gets no answer: the next answer is the next roll's.
    taro.send("PRIVMSG #trpg :hello everyone")
    roll(taro, "mirado", "#trpg", "#1D1+1", r"taro -> 1D1\+1 = \[1\]\+1 = 2", "the roll after a chat line")
    check(stop(bot, signal.SIGTERM, 10) == 0, "the bot did not stop cleanly")
    taro.wait(lambda m: m[0] == "mirado" and m[1] == "QUIT", 10, "the bot's QUIT")
    taro.close()
    log("ok: an ordinary chat line gets no answer; the bot quit")
    # The first roll waits while ngircd throttles the test client after its
    # burst of JOIN and NAMES; the others show the bot's own speed.
    log("measured: #2D6+3 round trip through ngircd and the bot: %s ms (median %.1f ms)" %
        (", ".join("%.1f" % (x * 1000) for x in latencies), statistics.median(latencies) * 1000))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bot", required=True)
    parser.add_argument("--plugin", required=True)
    parser.add_argument("--fake-plugin", required=True)
    parser.add_argument("--ngircd", default="")
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    ngircd = args.ngircd if args.ngircd and os.path.exists(args.ngircd) else shutil.which("ngircd")
    if not ngircd:
        log("SKIPPED: ngircd is not installed")
        return 77
    args.ngircd = ngircd
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGALRM, on_signal)
    signal.alarm(OVERALL_TIMEOUT)
    started = time.time()
    try:
        run(args)
    except TestFailure as failure:
        log("FAILED: %s" % failure)
        for process in PROCESSES:
            log("---- last lines of %s (%s)" % (process.log_path, process.name))
            log("\n".join(log_text(process).splitlines()[-25:]))
        return 1
    finally:
        signal.alarm(0)
        cleanup()
    log("passed in %.1f s" % (time.time() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
