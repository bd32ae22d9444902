#!/usr/bin/env bash
# The program as a user starts it: its command line without a display, then, on a virtual
# display, two playlists named on the command line and a third opened with Ctrl+O, whose
# stations are moved to the output list and exported by keyboard alone, as Tab, Space and
# Ctrl+S reach them. The export shows what the import list held. Exits 77 (skipped) where
# xvfb-run or xdotool is missing, but in CI.
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

without_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
without_display "$program" --help >"$work/help" 2>/dev/null || fail "--help ended with status $?"
grep -q '^Usage: .*\[options\] \[files\.\.\.\]$' "$work/help" || fail "--help printed: $(cat "$work/help")"
version=$(without_display "$program" --version 2>/dev/null) || fail "--version ended with status $?"
[[ $version == "orvanta-playlist-builder "[0-9]* ]] || fail "--version printed: $version"
expect_status() {
    local expected=$1 message=$2 status=0
    shift 2
    "$@" >/dev/null 2>"$work/err" || status=$?
    [[ $status -eq $expected ]] && grep -q "$message" "$work/err" ||
        fail "$*: status $status, expected $expected; said: $(cat "$work/err")"
}
expect_status 2 "Unknown option 'bogus'" without_display "$program" --bogus
expect_status 1 '^no display' without_display "$program"
# Qt's own options keep working: with -platform the program starts, and waits for the user.
expect_status 124 '' without_display timeout 3 "$program" -platform offscreen -style fusion

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    [[ ${CI:-} == true ]] && fail "xvfb-run and xdotool are needed (scripts/setup.sh installs them)"
    echo "xvfb-run or xdotool is missing: the start with two playlists is not tried"
    exit 77
fi
printf '[playlist]\r\nFile1=http://one.example/\r\nTitle1=First\r\nLength1=-1\r\n' >"$work/first.pls"
printf '#EXTM3U\n#EXTINF:-1,Second\nhttp://two.example/\n#EXTINF:-1,Third\nhttp://three.example/\n' >"$work/second.m3u8"
printf '[playlist]\nFile1=http://four.example/\nTitle1=Fourth\n' >"$work/fourth.pls"
export program work
# Qt's own dialogs, whatever the desktop, so the keys below reach a known dialog.
env -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORM \
    xvfb-run -a -s '-screen 0 1024x768x24' bash -euo pipefail -c '
    # A window is named before it is mapped, windows come and go while xdotool searches,
    # and a key sent while a closed dialog still holds the keyboard is lost: each step
    # waits until its window is on screen or gone, and until keys reach it.
    visible() { xdotool search --onlyvisible --name "^$1\$" 2>"$work/search"; }
    shown() {
        for _ in $(seq 300); do
            visible "$1" | head -1 | grep . && return 0
            sleep 0.1
        done
        echo "the window \"$1\" did not appear" >&2
        return 1
    }
    gone() {
        for _ in $(seq 300); do
            ! visible "$1" >/dev/null && [[ ! -s $work/search ]] && return 0
            sleep 0.1
        done
        echo "the window \"$1\" stayed open" >&2
        return 1
    }
    # Shift, on which no control acts, is pressed until the window reports it.
    reaches() {
        local window
        window=$(shown "$1")
        xdotool windowfocus --sync "$window"
        xev -id "$window" -event keyboard >"$work/keys" &
        for _ in $(seq 100); do
            xdotool key shift
            sleep 0.1
            if grep -q Shift_L "$work/keys"; then
                kill $!
                return 0
            fi
        done
        kill $!
        echo "keys did not reach \"$1\"" >&2
        return 1
    }
    "$program" "$work/first.pls" "$work/second.m3u8" 2>"$work/log" &
    trap "kill $! 2>/dev/null" EXIT
    reaches "Orvanta Playlist Builder"
    # Ctrl+O imports a third playlist through the open dialog.
    xdotool key ctrl+o
    reaches "Select a Shoutcast Playlist"
    xdotool type --delay 20 "$work/fourth.pls"
    xdotool key Return
    gone "Select a Shoutcast Playlist"
    reaches "Orvanta Playlist Builder"
    # The focus starts on Export; six Tabs reach ">>".
    xdotool key --delay 50 Tab Tab Tab Tab Tab Tab space ctrl+s
    reaches "Please save your Playlist"
    xdotool key ctrl+a type --delay 20 "$work/out.pls"
    xdotool key Return
    gone "Please save your Playlist"
    for _ in $(seq 100); do [[ -s $work/out.pls ]] && break; sleep 0.1; done
' || fail "driving the window failed: $(cat "$work/log")"
[[ -s $work/out.pls ]] || fail "nothing was exported: $(cat "$work/log")"
titles=$(tr -d '\r' <"$work/out.pls" | sed -n 's/^Title1=//p' | paste -sd ' ')
[[ $titles == "First Second Third Fourth" ]] || fail "the export holds the titles \"$titles\""
echo "command line answered; two playlists named at start were listed and exported"
