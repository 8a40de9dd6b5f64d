#!/bin/sh
# Starts Tarnbeck on its data folder. The program works on the files of the
# folder it is started in, so this picks the folder, prepares it and starts
# the program there:
#   - the folder named with --data DIR, which is then remembered;
#   - else the folder remembered from an earlier --data;
#   - else ~/Tarnbeck.
# The folder is created when missing, and gets the starter course list
# sample.vxc when it has neither courses.vxc nor sample.vxc.
#
# Installed as bin/tarnbeck, it finds the program in ../lib/tarnbeck/ and the
# starter list in ../share/tarnbeck/, beside itself. scripts/run.sh runs it
# on a checkout's build with TARNBECK_PROGRAM and TARNBECK_SAMPLE, which
# name the two instead, and TARNBECK_COMMAND, the command to suggest when
# there is no display.
#
# The remembered folder is kept apart from the program's settings file
# (tarnbeck.ini, which holds window placements only), in
# ${XDG_CONFIG_HOME:-~/.config}/tarnbeck/data-folder: one line, the folder's
# absolute path.
set -eu

name=tarnbeck

usage() {
    cat <<EOF
usage: $name [--data DIR]
       $name --help | --version
Starts Tarnbeck on its data folder: DIR when named (and from then on, until
another is named), else the folder named last time, else ~/Tarnbeck. A new
folder gets the starter course list sample.vxc.
EOF
}

fail() {
    echo "$name: $*" >&2
    exit 1
}

# The folder above this script's own (bin/), through any symbolic links to it.
self=$(readlink -f -- "$0" 2>/dev/null) || self=$0
prefix=$(dirname -- "$(dirname -- "$self")")
program=${TARNBECK_PROGRAM:-$prefix/lib/tarnbeck/tarnbeck}
sample=${TARNBECK_SAMPLE:-$prefix/share/tarnbeck/sample.vxc}

# For the message on a machine without a display: how to start this again.
again=${TARNBECK_COMMAND:-$name${*:+ $*}}
data=""
named=false
while [ $# -gt 0 ]; do
    case $1 in
    --help | -h)
        usage
        exit 0
        ;;
    --version)
        [ -x "$program" ] || fail "the program is missing: $program"
        exec "$program" --version
        ;;
    --data)
        [ $# -ge 2 ] || {
            echo "$name: --data needs a folder" >&2
            usage >&2
            exit 2
        }
        data=$2 named=true
        shift 2
        ;;
    --data=*)
        data=${1#--data=} named=true
        shift
        ;;
    *)
        echo "$name: unknown argument: $1" >&2
        usage >&2
        exit 2
        ;;
    esac
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    fail "Tarnbeck is a windowed program and this machine has no display;" \
        "to run it anyway, use: xvfb-run -a $again"
fi
[ -x "$program" ] || fail "the program is missing: $program"

# The per-user folder of the settings file (XDG_CONFIG_HOME counts only when
# it is an absolute path).
case ${XDG_CONFIG_HOME:-} in
/*) config=$XDG_CONFIG_HOME/tarnbeck ;;
*) config=${HOME:?}/.config/tarnbeck ;;
esac
remembered=$config/data-folder

newline='
'
if $named; then
    [ -n "$data" ] || fail "--data needs a folder"
    case $data in
    *"$newline"*) fail "a data folder's name cannot hold a line break" ;;
    /*) ;;
    *) data=$PWD/$data ;;
    esac
else
    line=""
    if [ -r "$remembered" ]; then
        IFS= read -r line <"$remembered" || :
    fi
    case $line in
    /*) data=$line ;;
    *) data=${HOME:?}/Tarnbeck ;;
    esac
fi

if ! problem=$(mkdir -p -- "$data" 2>&1) || [ ! -d "$data" ]; then
    fail "cannot create the data folder $data${problem:+ (${problem##*: })}"
fi
# The folder's path without "." or "..", as it is shown and remembered.
data=$(cd -- "$data" && pwd) || fail "cannot enter the data folder $data"

if [ ! -e "$data/courses.vxc" ] && [ ! -e "$data/sample.vxc" ]; then
    # Copied under another name first, so that an interrupted copy leaves no
    # partial course list.
    if cp -- "$sample" "$data/.sample.vxc.$$" 2>/dev/null; then
        mv -f -- "$data/.sample.vxc.$$" "$data/sample.vxc"
    else
        rm -f -- "$data/.sample.vxc.$$"
        echo "$name: could not copy the starter course list $sample into $data" >&2
    fi
fi

if $named; then
    # Written whole or not at all: a new file, then renamed over the old one.
    if mkdir -p -- "$config" 2>/dev/null &&
        printf '%s\n' "$data" 2>/dev/null >"$remembered.$$" &&
        mv -f -- "$remembered.$$" "$remembered"; then
        :
    else
        rm -f -- "$remembered.$$"
        echo "$name: could not remember the data folder in $remembered" >&2
    fi
fi

cd -- "$data" || fail "cannot enter the data folder $data"
exec "$program"
