# Watches the program start as a person starts it, from outside: it reads no command line
# and no environment of its own, so what it shows is seen in what it holds. Its main window
# has loaded when its control library is mapped and its inventory is open (the file
# QBData.mdb leads to, where it is a link).
#
#   started FOLDER [COMMAND...]   runs COMMAND (default: FOLDER/quillarbon) offscreen and
#                                 prints "loaded", "ended" (it stopped by itself) or "waiting"
#                                 (still running after $started_seconds, default 30 s, without
#                                 a loaded window), then stops the program. With
#                                 started_while=FUNCTION, a loaded program's process id is
#                                 given to FUNCTION before it is stopped.
started() {
    local folder="$1"
    shift
    local command=("$@")
    [ ${#command[@]} -gt 0 ] || command=("$folder/quillarbon")
    env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "${command[@]}" >/dev/null 2>&1 &
    local launcher=$! state=waiting pid="" i inventory
    inventory="$(readlink -f "$folder/QBData.mdb")"
    for i in $(seq 1 $((${started_seconds:-30} * 10))); do
        # A launcher such as runuser may start the program as its child.
        pid="$(pgrep -n -f "^$folder/quillarbon\$" || true)"
        if [ -z "$pid" ] && ! kill -0 "$launcher" 2>/dev/null; then
            state=ended
            break
        fi
        if [ -n "$pid" ] && grep -qF "$folder/Zorbel.ocx" "/proc/$pid/maps" 2>/dev/null &&
            find "/proc/$pid/fd" -lname "$inventory" 2>/dev/null | grep -q .; then
            state=loaded
            if [ -n "${started_while:-}" ]; then "$started_while" "$pid" >&2; fi
            break
        fi
        sleep 0.1
    done
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wait "$launcher" 2>/dev/null || true
    echo "$state"
}
