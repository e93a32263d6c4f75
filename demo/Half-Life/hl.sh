#!/bin/sh
# Stand-in for the Half-Life start script, part of the Trevlin demo folder.
#
# Trevlin runs this with the Half-Life folder as working folder and game
# arguments such as "-console -game cstrike". There is no game here, so:
#   - if TREVLIN_STANDIN_GAME names an executable file, that program is run
#     in our place with the same arguments (the stand-in game window);
#   - otherwise one line telling when, where and with which arguments the
#     game was started is appended to game-started.log and shown on stderr.

if [ -n "${TREVLIN_STANDIN_GAME:-}" ]; then
    if [ -f "$TREVLIN_STANDIN_GAME" ] && [ -x "$TREVLIN_STANDIN_GAME" ]; then
        exec "$TREVLIN_STANDIN_GAME" "$@"
    fi
    echo "hl.sh: TREVLIN_STANDIN_GAME is not an executable file: $TREVLIN_STANDIN_GAME" >&2
fi

line="$(date '+%Y-%m-%d %H:%M:%S') started in $(pwd) with: $*"
printf '%s\n' "$line" >>game-started.log || echo "hl.sh: cannot write game-started.log" >&2
printf '%s\n' "$line" >&2
exit 0
