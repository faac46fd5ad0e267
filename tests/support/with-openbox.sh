#!/bin/sh
# Runs a command at the X server in DISPLAY under openbox, once openbox manages the screen, and
# stops openbox after it.
openbox --sm-disable &
wm=$!
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    i=$((i + 1))
    if [ "$i" -gt 600 ]; then
        echo "openbox did not start within a minute" >&2
        kill "$wm"
        exit 1
    fi
    sleep 0.1
done
"$@"
status=$?
kill "$wm"
exit "$status"
