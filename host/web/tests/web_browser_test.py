#!/usr/bin/env python3
"""Runs browser_test.mjs (two players in headless Chromium) against a real
mirado-web: installs the pinned playwright-core with `npm ci` into the work
folder (never a browser of its own: Debian's /usr/bin/chromium is used),
starts the server and saves the screenshots in --shots.

Exit status: 0 passed, 1 failed, 77 chromium, node or npm is not installed
(skipped).
"""

import argparse
import os
import shutil
import subprocess
import sys

from web_support import Server, TestFailure, cleanup, log, work_folder

HERE = os.path.dirname(os.path.abspath(__file__))
CHROMIUM = "/usr/bin/chromium"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--server", required=True)
    parser.add_argument("--plugin", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    node, npm = shutil.which("node"), shutil.which("npm")
    if not (os.access(CHROMIUM, os.X_OK) and node and npm):
        print("skipped: needs %s, node and npm (sh scripts/deps.sh installs them)" % CHROMIUM)
        return 77
    try:
        folder = work_folder(args.plugin, args.work)
        tests = os.path.join(folder, "browser")
        os.makedirs(tests)
        for name in ("package.json", "package-lock.json", "browser_test.mjs"):
            shutil.copy(os.path.join(HERE, name), tests)
        environment = dict(os.environ, PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD="1", MIRADO_CHROMIUM=CHROMIUM)
        installed = subprocess.run([npm, "ci", "--no-audit", "--no-fund", "--loglevel=error"], cwd=tests,
                                   env=environment, stdin=subprocess.DEVNULL)
        if installed.returncode != 0:
            raise TestFailure("npm ci failed")
        server = Server(args.server, folder).start()
        log("server on port %d" % server.port)
        result = subprocess.run([node, "browser_test.mjs", server.url, os.path.abspath(args.shots)], cwd=tests,
                                env=environment, stdin=subprocess.DEVNULL, timeout=240)
        server.stop()
        return 0 if result.returncode == 0 else 1
    except (TestFailure, subprocess.TimeoutExpired) as failure:
        log("FAILED: %s" % failure)
        return 1
    finally:
        cleanup()


if __name__ == "__main__":
    sys.exit(main())
