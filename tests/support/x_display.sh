# Sourced by the tests that need a real display: a work folder of their own and a list of the
# processes they start, both gone when the test ends however it ends; and an Xvfb of their own,
# managed by openbox, so that windows get a real frame.
work=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Under AddressSanitizer, strict string checks flag libxkbcommon-x11's bounded strndup on a
# keymap name that has no terminator; that library is not ours to mend.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0

# start_x_display FOLDER [SCREEN]: exports DISPLAY and sets xvfb_pid and wm_pid; fails when no
# X server came up.
start_x_display() {
    local folder=$1 screen=${2:-1024x768x24}
    exec 3>"$folder/display"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do [[ -s $folder/display ]] && break; sleep 0.05; done
    [[ -s $folder/display ]] || return 1
    export DISPLAY=:$(head -n 1 "$folder/display")
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    # A window mapped while the window manager is still starting may never be managed.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
}
