#!/usr/bin/env python3
"""End-to-end test of mirado-web over HTTP: starts the real server with the
real plug-in on a free loopback port and drives it as programs and browsers
do: access with and without the table key, joining and nick binding, lines
and the bot's answers, two streams receiving the same events in the same
order, resume with Last-Event-ID, private answers, the session log, the
bounds (413, 400, 422, 415, 403, 409), slow clients, a stream that is never
read, and a clean stop on SIGTERM.

Exit status: 0 passed, 1 failed.
"""

import signal
import socket
import sys
import time

from web_support import arguments, Client, Server, Stream, TestFailure, check, log, raw_request, request, run, work_folder

KANA_TABLE = "性格表"


def test_access(server):
    # Without the key nothing answers; with it (or a session) the API does.
    for method, path in [("GET", "/api/v1/rooms/trpg"), ("GET", "/api/v1/rooms/trpg/events"),
                         ("GET", "/api/v1/rooms/trpg/log"), ("POST", "/api/v1/rooms/trpg/join")]:
        response = request(server.port, method, path, {"nick": "x"} if method == "POST" else None)
        check(response.status == 401, "%s %s without the key: %r" % (method, path, response))
    check(request(server.port, "GET", "/").status == 401, "the page without the key")
    check(request(server.port, "GET", "/api/v1/rooms/trpg", headers={"X-Mirado-Key": "wrong-key-123456"}).status
          == 401, "a wrong key")
    page = request(server.port, "GET", "/?key=" + server.key)
    check(page.status == 200 and b"<!DOCTYPE html>" in page.body, "the page with the key: %r" % page)
    cookie = page.headers.get("set-cookie", [""])[0]
    check("mirado_key=" in cookie and "HttpOnly" in cookie and "SameSite=Strict" in cookie, "key cookie %r" % cookie)
    check("script-src 'self'" in page.headers.get("content-security-policy", [""])[0], "the page's policy")
    check(request(server.port, "GET", "/api/v1/rooms/trpg", headers={"Cookie": cookie.split(";")[0]}).status == 404,
          "the key cookie opens the API (no room yet: 404)")
    check(request(server.port, "GET", "/healthz").status == 200, "healthz")
    check(request(server.port, "GET", "/assets/app.js").status == 200, "the page's script")
    for path in ["/assets/../web.conf", "/assets/%2e%2e/web.conf", "/assets/web.conf", "/web.conf",
                 "/assets/index.html/x"]:
        check(request(server.port, "GET", path).status in (400, 404), "a path to a file: " + path)


def test_join_and_nicks(server):
    a, b, c = Client(server), Client(server), Client(server)
    joined = a.join("taro")
    check(joined["room"] == "#trpg" and joined["nick"] == "taro", "join answer %r" % joined)
    response = a.call("POST", "join", {"nick": "taro"})
    cookie = response.headers.get("set-cookie", [""])[0]
    check("mirado_session=" + a.token in cookie and "HttpOnly" in cookie and "SameSite=Strict" in cookie,
          "session cookie %r" % cookie)
    b.join("hanako")
    held = c.call("POST", "join", {"nick": "TARO"})
    check(held.status == 409, "a nick held by another session: %r" % held)
    # Nobody speaks as another: a line is said by the token's nick only.
    line = b.say("I am hanako")
    check(line["line"]["nick"] == "hanako", "the line's speaker %r" % line)
    check(c.call("POST", "lines", {"text": "x"}).status == 401, "a line without a session")
    bad = Client(server)
    bad.token = "not-a-token"
    check(bad.call("POST", "lines", {"text": "x"}).status == 401, "a made-up token")
    check(c.call("POST", "join", {"nick": "a b"}).status == 400, "a nick with a space")
    check(c.call("POST", "join", {}).status == 400, "a join without a nick")
    return a, b


def test_streams_and_resume(server, a, b):
    s1, s2 = Stream(a), Stream(b)
    base = s1.wait_count(1)[-1]["id"]
    s2.wait_for(lambda e: e and e[-1]["id"] == base)
    answer = a.say("#2D6+3")
    check(len(answer["answers"]) == 1 and answer["answers"][0]["text"].startswith("taro -> 2D6+3 = ["),
          "the roll's answer %r" % answer)
    a.say("#MODE NW")
    table = b.say(KANA_TABLE)
    check(table["answers"] and table["answers"][0]["text"].startswith("hanako -> 性格表："), "table %r" % table)
    for i in range(20):
        last = (a if i % 2 else b).say("line %d" % i)["line"]["id"]
    events1 = s1.wait_for(lambda e: e[-1]["id"] >= last, what="the lines")
    events2 = s2.wait_for(lambda e: e[-1]["id"] >= last, what="the lines")
    check(events1 == events2, "two streams differ")
    ids = [e["id"] for e in events1]
    check(ids == list(range(ids[0], ids[0] + len(ids))), "ids not consecutive: %r" % ids)
    # Resume: after an id, exactly the events that followed it.
    middle = ids[len(ids) // 2]
    resumed = Stream(a, last_event_id=middle)
    got = resumed.wait_for(lambda e: e and e[-1]["id"] == ids[-1])
    check([e["id"] for e in got] == [i for i in ids if i > middle], "resume after %d: %r" % (middle, got[:3]))
    after = Stream(a, after=ids[-1])
    a.say("one more")
    got = after.wait_count(1)
    check(got[0]["id"] == ids[-1] + 1, "after=: %r" % got)
    for s in (s1, s2, resumed, after):
        s.close()
    log("streams: %d events in the same order on both, resume exact" % len(events1))


def test_private_routing(server, a, b):
    spectator = Client(server)
    sa, sb, sc = Stream(a), Stream(b), Stream(spectator)
    # B allows A's private talk; A's private talk sends its closed rolls to B.
    b.say("#SET S=taro", private=True)
    a.say("#SET S=hanako", private=True)
    rolled = a.say("#S 2D6", private=True)
    own = [e["text"] for e in rolled["answers"]]
    check(any("2D6 = [" in t for t in own), "A's result: %r" % rolled)
    check(not any("クローズダイスを振りました" in t for t in own), "A saw B's announcement: %r" % own)
    seen_b = sb.wait_for(lambda e: any("クローズダイスを振りました" in x["text"] for x in e), what="the announcement")
    time.sleep(0.3)
    text_b = " ".join(e["text"] for e in sb.events)
    check("2D6 = [" not in text_b and "#S 2D6" not in text_b, "B saw A's closed result or line")
    check(not any(e.get("private") for e in sc.events), "a spectator saw a private event")
    text_a = " ".join(e["text"] for e in sa.events)
    check("クローズダイスを振りました" not in text_a, "A's stream has B's announcement")
    # Nor later, from the history or the log.
    history_b = Stream(b, after=0)
    history_b.wait_for(lambda e: e and e[-1]["id"] >= seen_b[-1]["id"])
    check("2D6 = [" not in " ".join(e["text"] for e in history_b.events if e.get("private")), "B's history")
    log_b = b.call("GET", "log?format=text").body.decode()
    check("#S 2D6" not in log_b and "クローズダイスを振りました" in log_b, "B's log")
    log_a = a.call("GET", "log?format=text").body.decode()
    check("#S 2D6" in log_a and "クローズダイスを振りました" not in log_a, "A's log")
    for s in (sa, sb, sc, history_b):
        s.close()


def test_log(server, a):
    a.say("<img src=x onerror=alert(1)>")
    text = a.call("GET", "log?format=text")
    check(text.status == 200 and "attachment" in text.headers["content-disposition"][0], "text log %r" % text)
    body = text.body.decode()
    check("Mirado for TRPG session log: #trpg" in body and "<taro> #2D6+3" in body and "性格表：" in body,
          "the text log: %s" % body[:500])
    html = a.call("GET", "log?format=html").body.decode()
    check("&lt;img src=x onerror=alert(1)&gt;" in html and "<img" not in html, "the HTML log escapes")
    check(a.call("GET", "log?format=pdf").status == 400, "an unknown format")


def test_bad_input(server, a):
    long_line = {"text": "a" * 9000}
    check(a.call("POST", "lines", long_line).status == 413, "a line over 8 KiB")
    check(a.call("POST", "lines", {"text": "あ" * 600}).status == 413, "a line over 1023 Shift-JIS bytes")
    bad = a.call("POST", "lines", raw_body=b'{"text":"\xff\xfe"}')
    check(bad.status == 400 and b"UTF-8" in bad.body, "invalid UTF-8: %r" % bad)
    check(a.call("POST", "lines", {"text": "🎲 2D6"}).status == 422, "a character Shift-JIS cannot hold")
    check(a.call("POST", "lines", {"text": "a\nb"}).status == 400, "a line break")
    check(a.call("POST", "lines", raw_body=b"text=x", ).status == 400, "not JSON")
    form = request(server.port, "POST", "/api/v1/rooms/trpg/lines", raw_body=b"text=x",
                   headers={"Authorization": "Bearer " + a.token, "Content-Type": "text/plain"})
    check(form.status == 415, "a form post: %r" % form)
    cross = request(server.port, "POST", "/api/v1/rooms/trpg/lines", {"text": "x"},
                    headers={"Authorization": "Bearer " + a.token, "Origin": "http://evil.example"})
    check(cross.status == 403, "another site: %r" % cross)
    check(request(server.port, "GET", "/api/v1/rooms/a%20b", headers=a.headers()).status == 400, "a bad room name")
    huge_head = "GET / HTTP/1.1\r\nHost: x\r\nX-Big: " + "a" * 9000 + "\r\n\r\n"
    check(raw_request(server.port, huge_head.encode()).status == 413, "a head over 8 KiB")
    check(raw_request(server.port, b"NONSENSE\r\n\r\n").status == 400, "not HTTP")


def test_slow_clients(server):
    # A client that never finishes its request is closed after the timeout.
    start = time.time()
    with socket.create_connection(("127.0.0.1", server.port), timeout=10) as s:
        s.sendall(b"GET /healthz HTTP/1.1\r\nHost: x\r\n")
        data = s.recv(100)
        check(data == b"", "a slow request got %r" % data)
    took = time.time() - start
    check(1.5 <= took <= 5, "the slow request was closed after %.1f s" % took)
    # An idle keep-alive connection too.
    with socket.create_connection(("127.0.0.1", server.port), timeout=10) as s:
        s.sendall(b"GET /healthz HTTP/1.1\r\nHost: x\r\n\r\n")
        time.sleep(0.2)
        s.recv(1000)
        check(s.recv(100) == b"", "an idle connection stayed open")
    log("slow clients closed after %.1f s" % took)


def test_unread_stream(server, a):
    # A stream whose client never reads is dropped, and the server's memory
    # stays bounded.
    lazy = Stream(a, read=False)
    rss_before = server.rss_kib()
    line = "x" * 1000
    for _ in range(6000):
        a.say(line)
    total = 0
    lazy.sock.settimeout(5)
    try:
        while True:
            chunk = lazy.sock.recv(65536)
            if not chunk:
                break
            total += len(chunk)
    except socket.timeout:
        raise TestFailure("the unread stream was not dropped (%d bytes read)" % total)
    rss_after = server.rss_kib()
    check(rss_after - rss_before < 64 * 1024, "memory grew by %d KiB" % (rss_after - rss_before))
    log("an unread stream was dropped after %d bytes; memory %d -> %d KiB" % (total, rss_before, rss_after))


def test_all(args):
    folder = work_folder(args.plugin, args.work)
    server = Server(args.server, folder, "--request-timeout", "2", "--stream-buffer-kib", "64",
                    "--lines-per-second", "100000").start()
    log("server on port %d" % server.port)
    test_access(server)
    a, b = test_join_and_nicks(server)
    test_streams_and_resume(server, a, b)
    test_private_routing(server, a, b)
    test_log(server, a)
    test_bad_input(server, a)
    test_slow_clients(server)
    test_unread_stream(server, a)
    status = server.stop()
    check(status == 0, "SIGTERM: the server ended with %r" % status)


def main():
    args = arguments()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    return run(lambda: test_all(args))

if __name__ == "__main__":
    sys.exit(main())
