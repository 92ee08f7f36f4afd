#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets from the session transcripts.

For every chat line ("> " line) of tests/transcripts/*.txt:
  corpus/command/    nick NUL channel NUL line, in code page 932, with the
                     settings the transcript set up before the line carried
                     after the nick ("nick LF settings file")
  corpus/irc_line/   the line as the server relays it (UTF-8 PRIVMSG)
and for every settings block ("ini" ... "."): corpus/settings/ the file with
CR LF line ends. Each game mode of the mode table gives a settings file that
sets it and a command input that rolls under it. Each transcript also gives one command input with its
first lines in a row, so one input can set up what a later line reads.
Seeds are named after their content's hash, so running this again adds
nothing twice.

usage: fuzz/seed_corpus.py [TRANSCRIPT_FOLDER]
"""

import glob
import hashlib
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from cp932_literals import encode  # noqa: E402

MAX_LINES = 8


def cp932(text):
    return b"".join(encode(c) for c in text)


def save(kind, data):
    folder = os.path.join(HERE, "corpus", kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + hashlib.sha1(data).hexdigest()[:16]), "wb") as f:
        f.write(data)


def command_input(nick, settings, channel, lines):
    head = cp932(nick) + (b"\n" + cp932(settings) if settings else b"")
    return b"\0".join([head, cp932(channel)] + [cp932(line) for line in lines])


def seed(path):
    nick, channel, settings = "taro", "#trpg", ""
    in_settings, block, lines = False, [], []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if in_settings:
                if line == ".":
                    in_settings = False
                    settings = "".join(row + "\r\n" for row in block)
                    save("settings", cp932(settings))
                else:
                    block.append(line)
            elif line == "ini":
                in_settings, block = True, []
            elif line.startswith("nick "):
                nick = line[5:]
            elif line.startswith("channel "):
                channel = line[8:]
            elif line.startswith("> "):
                text = line[2:]
                lines.append(text)
                save("command", command_input(nick, settings, channel, [text]))
                save("irc_line", (":%s!user@mirado.test PRIVMSG %s :%s\r\n" % (nick, channel, text)).encode())
    if lines:
        save("command", command_input("taro", "", "#trpg", lines[:MAX_LINES]))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "tests", "transcripts")
    for path in sorted(glob.glob(os.path.join(folder, "*.txt"))):
        seed(path)
    # Every game mode of the mode table set for the channel, then rolls that
    # read it (the table is read from its source, so a new mode seeds itself).
    table = os.path.join(HERE, "..", "src", "core", "game_mode.cpp")
    if os.path.exists(table):
        with open(table, encoding="utf-8") as f:
            modes = re.findall(r'\{GameMode::\w+,\s*"([^"]+)",\s*"([A-Z]+)"', f.read())
        for name, code in modes:
            for stored in (name, code):
                settings = "[GameMode]\r\n#trpg=%s\r\n" % stored
                save("settings", cp932(settings))
                save("command", command_input("taro", settings, "#trpg", ["#2D6+1", "#3R6", "#%s" % code]))
    # Lines at the host's limit of 1023 bytes, and names as long.
    longest = [("taro", "#trpg", "#" + "1D6+" * 255 + "1"), ("taro", "#trpg", "#" + "9" * 1022),
               ("taro", "#trpg", "#2D6 " + "あ" * 509), ("た" * 511, "#trpg", "#2D6**5"),
               ("taro", "#" + "チ" * 511, "#2D6"), ("taro", "#trpg", "#COUNT " + "(" * 500 + "1" + ")" * 500)]
    for nick, channel, text in longest:
        save("command", command_input(nick, "", channel, [text]))
    # What a server says besides chat lines.
    for line in ["PING :irc.mirado.test", ":irc.mirado.test 001 mirado :Welcome",
                 ":irc.mirado.test 005 mirado CHANTYPES=#& CASEMAPPING=ascii :are supported",
                 ":taro!t@h INVITE mirado #invited", ":op!o@h KICK #trpg mirado :bye",
                 "@time=2024-01-01T00:00:00Z :mirado!m@h JOIN #trpg", "ERROR :Closing link"]:
        save("irc_line", (line + "\r\n").encode())


if __name__ == "__main__":
    main()
