#!/usr/bin/python3
"""Have a real program write a playlist of the stations given.

Usage: /usr/bin/python3 write_playlist.py WRITER FILE
Reads the stations from standard input, one per line as "<address><TAB><title>".
WRITER: totem-pls, totem-m3u, totem-xspf (totem-pl-parser's writer through GObject
introspection, as Totem and Rhythmbox save), configparser (Python's, as it writes by default:
keys lower-cased, blanks around "="), published-pls (by hand, as radio sites publish a
.pls: LF line ends, the entry count first, no length lines).
Exit 0: written; 1: the writer failed; 2: the writer is not installed; 64: wrong arguments.
"""
import configparser
import sys


def fail(code, message):
    print(message, file=sys.stderr)
    sys.exit(code)


def totem(path, stations, kind):
    try:
        import gi
        gi.require_version("TotemPlParser", "1.0")
        from gi.repository import Gio, TotemPlParser
    except (ImportError, ValueError) as error:
        fail(2, f"totem-pl-parser is not available: {error}")
    playlist = TotemPlParser.Playlist()
    for address, title in stations:
        entry = playlist.append()
        playlist.set_value(entry, TotemPlParser.PARSER_FIELD_URI, address)
        playlist.set_value(entry, TotemPlParser.PARSER_FIELD_TITLE, title)
    kinds = {"pls": TotemPlParser.ParserType.PLS, "m3u": TotemPlParser.ParserType.M3U,
             "xspf": TotemPlParser.ParserType.XSPF}
    if not TotemPlParser.Parser().save(playlist, Gio.File.new_for_path(path), "Stations", kinds[kind]):
        fail(1, "totem-pl-parser could not save")


def config_parser(path, stations):
    parser = configparser.ConfigParser()
    section = {}
    for number, (address, title) in enumerate(stations, start=1):
        section[f"File{number}"] = address
        section[f"Title{number}"] = title
        section[f"Length{number}"] = "-1"
    section["NumberOfEntries"] = str(len(stations))
    section["Version"] = "2"
    parser["playlist"] = section
    with open(path, "w", encoding="utf-8") as file:
        parser.write(file)


def published(path, stations):
    lines = ["[playlist]", f"numberofentries={len(stations)}"]
    for number, (address, title) in enumerate(stations, start=1):
        lines += [f"File{number}={address}", f"Title{number}={title}"]
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write("\n".join(lines + ["Version=2", ""]))


WRITERS = {
    "totem-pls": lambda path, stations: totem(path, stations, "pls"),
    "totem-m3u": lambda path, stations: totem(path, stations, "m3u"),
    "totem-xspf": lambda path, stations: totem(path, stations, "xspf"),
    "configparser": config_parser,
    "published-pls": published,
}

if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in WRITERS:
        fail(64, __doc__)
    sys.stdin.reconfigure(encoding="utf-8")
    stations = [tuple(line.rstrip("\n").split("\t", 1)) for line in sys.stdin if line.strip()]
    WRITERS[sys.argv[1]](sys.argv[2], stations)
