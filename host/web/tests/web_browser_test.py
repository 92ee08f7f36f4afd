#!/usr/bin/env python3
"""Runs browser_test.mjs (two players in headless Chromium) against a real
mirado-web: installs the pinned playwright-core with `npm ci` into the work
folder (never a browser of its own: Debian's /usr/bin/chromium is used),
starts the server and saves the screenshots in --shots.

Exit status: 0 passed, 1 failed, 77 chromium, node or npm is not installed
(skipped).
"""

import os
import shutil
import subprocess
import sys
import time

from web_support import arguments, Server, check, log, run, work_folder

HERE = os.path.dirname(os.path.abspath(__file__))
CHROMIUM = "/usr/bin/chromium"


def drive_browsers(args, npm, node):
    folder = work_folder(args.plugin, args.work)
    tests = os.path.join(folder, "browser")
    os.makedirs(tests)
    for name in ("package.json", "package-lock.json", "browser_test.mjs"):
        shutil.copy(os.path.join(HERE, name), tests)
    environment = dict(os.environ, PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD="1", MIRADO_CHROMIUM=CHROMIUM)
    installed = subprocess.run([npm, "ci", "--no-audit", "--no-fund", "--loglevel=error"], cwd=tests,
                               env=environment, stdin=subprocess.DEVNULL)
    check(installed.returncode == 0, "npm ci failed")
    server = Server(args.server, folder).start()
    log("server on port %d" % server.port)
    # The test asks for a restart of the server with a line on its output.
    browser = subprocess.Popen([node, "browser_test.mjs", server.url, os.path.abspath(args.shots)], cwd=tests,
                               env=environment, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    deadline = time.time() + 240
    for line in browser.stdout:
        if line.strip() == "RESTART-SERVER":
            server.stop()
            server.start()
            browser.stdin.write("restarted\n")
            browser.stdin.flush()
            continue
        print(line, end="", flush=True)
        check(time.time() < deadline, "the browser test took more than 240 s")
    result = browser.wait()
    server.stop()
    return 0 if result == 0 else 1


def main():
    args = arguments("--work", "--shots")
    node, npm = shutil.which("node"), shutil.which("npm")
    if not (os.access(CHROMIUM, os.X_OK) and node and npm):
        print("skipped: needs %s, node and npm (sh scripts/deps.sh installs them)" % CHROMIUM)
        return 77
    return run(lambda: drive_browsers(args, npm, node))

if __name__ == "__main__":
    sys.exit(main())
