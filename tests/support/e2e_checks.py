"""What the hosts' end-to-end test scripts share: a failure that ends the
test with a message, a check that raises it, and a log line that tells the
time since the test started."""

import time


class TestFailure(Exception):
    pass


STARTED = time.time()


def log(text):
    print("[%5.1f s] %s" % (time.time() - STARTED, text), flush=True)


def check(condition, message):
    if not condition:
        raise TestFailure(message)
