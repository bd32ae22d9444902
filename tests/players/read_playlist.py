#!/usr/bin/python3
"""Show which stations a real .pls reader finds in a file.

Usage: /usr/bin/python3 read_playlist.py FILE READER
READER: totem (totem-pl-parser through GObject introspection), configparser (Python's, strict,
as by default), configparser-lenient (strict=False), mpg123.
Prints one station per line as "<file><TAB><title>" (title empty when the reader gives none).
Exit 0: read; 1: the reader rejected the file; 2: the reader is not installed; 3: it did not
finish in time (totem-pl-parser loops forever on some files, so it runs in a child process);
64: wrong arguments.
"""
import configparser
import re
import shutil
import subprocess
import sys

TIMEOUT_SECONDS = 10


def fail(code, message):
    print(message, file=sys.stderr)
    sys.exit(code)


def totem(path):
    """Runs in the child process."""
    try:
        import gi
        gi.require_version("TotemPlParser", "1.0")
        from gi.repository import Gio, TotemPlParser
    except (ImportError, ValueError) as error:
        fail(2, f"totem-pl-parser is not available: {error}")
    stations = []
    parser = TotemPlParser.Parser()
    parser.connect("entry-parsed", lambda _, uri, meta: stations.append((uri, meta.get("title", ""))))
    result = parser.parse(Gio.File.new_for_path(path).get_uri(), False)
    if result != TotemPlParser.ParserResult.SUCCESS:
        fail(1, f"totem-pl-parser: {result.value_nick}")
    return stations


def totem_guarded(path):
    try:
        child = subprocess.run([sys.executable, __file__, path, "totem-child"],
                               capture_output=True, timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        fail(3, f"totem-pl-parser did not finish within {TIMEOUT_SECONDS} s")
    sys.stderr.buffer.write(child.stderr)
    if child.returncode != 0:
        sys.exit(child.returncode)
    return [tuple(line.split("\t", 1)) for line in child.stdout.decode().splitlines()]


def config_parser(path, strict):
    # No interpolation: a "%" in a title is text, not a reference.
    parser = configparser.ConfigParser(strict=strict, interpolation=None)
    try:
        with open(path, encoding="utf-8") as file:
            parser.read_file(file)
        section = parser["playlist"]
    except (configparser.Error, KeyError, UnicodeDecodeError) as error:
        fail(1, f"configparser: {type(error).__name__}: {error}")
    # Keys come back lower-cased and in file order; a FileN without TitleN has no title.
    numbers = [m.group(1) for m in map(re.compile(r"file(\d+)$").match, section) if m]
    return [(section[f"file{n}"], section.get(f"title{n}", "")) for n in numbers]


def mpg123(path):
    if not shutil.which("mpg123"):
        fail(2, "mpg123 is not installed")
    # The dummy output: with the default one and no sound device mpg123 spins and ignores SIGTERM.
    try:
        run = subprocess.run(["mpg123", "-o", "dummy", "--list", path, "--listentry", "-1"],
                             stdin=subprocess.DEVNULL, capture_output=True, timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        fail(3, f"mpg123 did not finish within {TIMEOUT_SECONDS} s")
    if run.returncode != 0:
        fail(1, f"mpg123: {run.stderr.decode(errors='replace')}")
    # It lists "#entry N", the address, then the file's other lines of that station as "#metainfo".
    stations = []
    lines = run.stdout.decode(errors="replace").splitlines()
    for i, line in enumerate(lines):
        if line.startswith("#entry "):
            stations.append([lines[i + 1], ""])
        title = re.match(r"#metainfo Title\d+=(.*)", line)
        if title and stations and not stations[-1][1]:
            stations[-1][1] = title.group(1)
    return stations


READERS = {
    "totem": totem_guarded,
    "totem-child": totem,
    "configparser": lambda path: config_parser(path, strict=True),
    "configparser-lenient": lambda path: config_parser(path, strict=False),
    "mpg123": mpg123,
}

if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in READERS:
        fail(64, __doc__)
    sys.stdout.reconfigure(encoding="utf-8")
    for file, title in READERS[sys.argv[2]](sys.argv[1]):
        print(f"{file}\t{title}")
