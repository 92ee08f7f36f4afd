#!/usr/bin/env python3
"""Crash test of mirado-web: SIGKILL the server while lines are being posted,
start it again on the same data folder, and check that every line it
acknowledged (answered 200) is in the room's history and its log, that the
history's ids run without a hole, and that no torn line is left in the log
files. Three rounds, each killing at another moment.

Exit status: 0 passed, 1 failed.
"""

import glob
import json
import os
import signal
import sys
import threading
import time

from web_support import arguments, Client, Server, Stream, TestFailure, check, log, run, work_folder

POSTERS = 4


def post_until_killed(server, client, prefix, acknowledged, stop):
    n = 0
    while not stop.is_set():
        text = "%s-%d" % (prefix, n)
        try:
            response = client.call("POST", "lines", {"text": text})
        except (OSError, TestFailure):
            return
        if response.status == 200:
            acknowledged.append(text)
        n += 1


def round_of_kill(binary, folder, number):
    server = Server(binary, folder, "--history-events", "1000000", "--history-kib", "65536", "--lines-per-second", "100000",
                    "--log-file-kib", "64", "--log-files", "1000").start()
    acknowledged, stop, threads = [], threading.Event(), []
    for i in range(POSTERS):
        client = Client(server)
        client.join("p%d-%d" % (number, i))
        thread = threading.Thread(target=post_until_killed,
                                  args=(server, client, "r%d-p%d" % (number, i), acknowledged, stop), daemon=True)
        thread.start()
        threads.append(thread)
    time.sleep(0.7 + 0.4 * number)
    server.stop(signal.SIGKILL)
    stop.set()
    for thread in threads:
        thread.join(10)
    log("round %d: killed after %d acknowledged lines" % (number, len(acknowledged)))
    return list(acknowledged)


def verify(binary, folder, acknowledged):
    server = Server(binary, folder, "--history-events", "1000000", "--history-kib", "65536", "--log-file-kib", "64",
                    "--log-files", "1000").start()
    spectator = Client(server)
    info = spectator.call("GET", "").json()
    stream = Stream(spectator, after=0)
    events = stream.wait_for(lambda e: e and e[-1]["id"] == info["last_event_id"], timeout=20, what="the history")
    stream.close()
    ids = [e["id"] for e in events]
    check(ids == list(range(1, len(ids) + 1)), "the history's ids have a hole or repeat")
    said = set(e["text"] for e in events if e["kind"] == "line")
    missing = [t for t in acknowledged if t not in said]
    check(not missing, "%d acknowledged lines are not in the history, e.g. %r" % (len(missing), missing[:3]))
    text = spectator.call("GET", "log?format=text").body.decode("utf-8")
    logged = set(line.rsplit("> ", 1)[-1] for line in text.splitlines() if "> r" in line)
    missing = [t for t in acknowledged if t not in logged]
    check(not missing, "%d acknowledged lines are not in the log, e.g. %r" % (len(missing), missing[:3]))
    server.stop()
    files = glob.glob(os.path.join(folder, "mirado-web-data", "*", "events-*.jsonl"))
    check(files, "no log files")
    lines = 0
    for path in files:
        with open(path, "rb") as f:
            data = f.read()
        check(not data or data.endswith(b"\n"), "a torn end in " + path)
        for line in data.splitlines():
            json.loads(line)
            lines += 1
    log("history %d events, every one of %d acknowledged lines kept; %d files, %d whole lines"
        % (len(events), len(acknowledged), len(files), lines))


def crash_rounds(args):
    folder = work_folder(args.plugin, args.work)
    acknowledged = []
    for number in range(3):
        acknowledged += round_of_kill(args.server, folder, number)
        verify(args.server, folder, acknowledged)
    check(len(acknowledged) > 100, "too few lines were posted to tell anything")


def main():
    args = arguments()
    return run(lambda: crash_rounds(args))

if __name__ == "__main__":
    sys.exit(main())
