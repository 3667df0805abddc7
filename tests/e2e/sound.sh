#!/bin/sh
# The game's sound as a player hears it: the real program, under a virtual X display, plays into
# a PulseAudio server of this test's own (null sinks, nothing reaches a loudspeaker), whose
# monitors are recorded and measured with sound_meter.
#   tests/e2e/sound.sh PATH/TO/kembrolla-panic PATH/TO/sound_meter
# It checks the effects and the music at each volume level, in the levels' ratios (1 : 2 : 3),
# the music at "Moyen" 6 to 10 LU under the effects at "Moyen", no clipping even with both at
# "F&ort", a looping tune's seam under 50 ms of silence, panic holding the game's stream,
# and another application's stream and the sinks' volumes left as they were.
# A recording is judged only once it is whole: a game whose stream ran dry for more than 0.1 s
# (the server then plays silence in its place, as a busy machine makes it do) or a recorder that
# fell behind has lost samples, and that recording is made again, three times at most before the
# test fails with why.
# Exit status: 0 passed, 1 failed, 77 no virtual display or no PulseAudio server could start.
# KP_E2E_KEEP=1 keeps the recordings (raw 16-bit stereo, 44100 Hz) and logs in the folder it
# names. KP_SOUND_TABLE=1 also records every tune whole at every level and prints their loudness
# (five minutes more).
set -u
[ $# -eq 2 ] || {
    echo "usage: $0 PATH/TO/kembrolla-panic PATH/TO/sound_meter" >&2
    exit 2
}
bin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
meter=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kp-sound.XXXXXX")
rate=44100
running="" # processes to end on the way out
failures=0

finish() {
    # shellcheck disable=SC2086 # a list of processes
    take $running
    if [ -n "${KP_E2E_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

pass() { echo "ok: $*"; }
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
skip() {
    echo "SKIP: $1"
    [ -f "${2:-}" ] && cat "$2"
    exit 77
}

# within SECONDS COMMAND...: runs the command every 0.1 s until it succeeds, for SECONDS at most.
within() {
    seconds=$1
    shift
    timeout "$seconds" sh -c 'until "$@"; do sleep 0.1; done' within "$@"
}
# until_heard SECONDS FUNCTION ARG...: the same for one of this script's own functions.
until_heard() {
    deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt $deadline ] || return 1
        sleep 0.2
    done
}

for tool in xdotool xwininfo pactl parec pacat sox awk; do
    command -v "$tool" >/dev/null || {
        echo "missing tool: $tool (scripts/packages-test.txt lists it)"
        exit 1
    }
done
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v pulseaudio >/dev/null || skip "PulseAudio is not installed (scripts/packages-test.txt lists it)"

# ---- Displays and sound servers of the test's own, touching no desktop session ----
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY PULSE_SINK
export QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"

# session NAME: a virtual display and a PulseAudio server with a null sink "out", both its own:
# a game pauses its music when it is not the active application, so two games that play at
# once each need a display, and Qt sends the sound to the server's default sink. The server
# runs as whoever runs the test (as root, as in CI, it says so and goes on).
session() {
    mkdir -m 700 "$work/$1"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/$1/display" \
        >"$work/$1/xvfb.log" 2>&1 &
    running="$running $!"
    within 5 test -s "$work/$1/display" || skip "Xvfb could not start:" "$work/$1/xvfb.log"
    PULSE_RUNTIME_PATH="$work/$1" pulseaudio --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disable-shm=yes -n \
        --load="module-native-protocol-unix socket=$work/$1/native auth-anonymous=1" \
        --load="module-null-sink sink_name=out rate=$rate channels=2" \
        --log-target=stderr --log-level=debug --log-time=1 >"$work/$1/pulseaudio.log" 2>&1 &
    running="$running $!"
    within 10 env PULSE_SERVER="$(server "$1")" pactl info >/dev/null 2>&1 ||
        skip "no PulseAudio server could start:" "$work/$1/pulseaudio.log"
}
server() { echo "unix:$work/$1/native"; }
display() { echo ":$(cat "$work/$1/display")"; }

# ---- Recording, playing, measuring ----

# record SESSION SINK NAME: records the sink's monitor into $work/NAME.raw, and returns once the
# recording has begun; $recorder is the recording process.
record() {
    wc -l <"$work/$1/pulseaudio.log" >"$work/$3.from"
    PULSE_SERVER=$(server "$1") parec -d "$2.monitor" --rate=$rate --channels=2 \
        --format=s16le --latency-msec=20 >"$work/$3.raw" 2>"$work/$3-parec.log" &
    recorder=$!
    running="$running $recorder"
    within 20 test -s "$work/$3.raw" || echo "$3: the recorder did not start"
    date +%s.%N >"$work/$3.began"
}
# stop SESSION NAME: ends the recording NAME, then the game; the recording's fate goes to
# $work/NAME.lost: empty when no sample was lost, else why.
stop() {
    take "$recorder"
    ended=$(date +%s.%N)
    # Whatever the game's stream does once the recording is over does not count.
    tail -n +"$(($(cat "$work/$2.from") + 1))" "$work/$1/pulseaudio.log" >"$work/$2-server.log"
    take "$game"
    # How long the game's stream ran dry once it had begun to sound, in the recording's time
    # (from when the server made the recorder's stream): its opening silence does not count.
    dry=$(awk -F '[(|]' -v from="$(onset "$2")" '
        /Created output [0-9]+ "parec"/ && began == "" { began = $2 }
        /Implicit underrun of .Kembrolla Panic!./ && began != "" && $2 - began >= from - 0.05 {
            dry = $2
        }
        /end of underrun/ && dry != "" { n++; spent += $2 - dry; dry = "" }
        { last = $2 }
        END { if (dry != "") { n++; spent += last - dry }; printf "%d %.3f\n", n, spent }
        ' "$work/$2-server.log")
    kept=$(seconds "$2")
    # The recorder's own start and end, and a last fragment it had no time to write, are a
    # small part of a second: losing more means the server dropped what it could not hand over.
    spent=$(minus "$ended" "$(cat "$work/$2.began")")
    {
        # A few hundredths of a second among many seconds sway no judgement below.
        below "${dry#* }" 0.1 || echo "the game's stream ran dry ${dry% *} times, ${dry#* } s"
        below "$kept" "$(sum "$spent" -0.5)" && echo "the recorder kept $kept s of $spent s"
    } | tr '\n' ' ' >"$work/$2.lost"
}
# again NAME TAKE ARG...: while the recording NAME is not whole, says why and makes it again
# with TAKE ARG..., three times at most. Still not whole, it fails if the recorder lost what it
# was given; a game's stream that ran dry in every take is a figure of a machine too loaded to
# feed it in time (a latency, for the benchmarks to judge), and the checks then judge the last.
again() {
    recording=$1
    shift
    for try in 1 2 3 4; do
        lost=$(cat "$work/$recording.lost")
        [ -n "$lost" ] || return 0
        [ $try -le 3 ] || break
        echo "note: $recording lost samples ($lost): recorded again"
        for f in "$recording.raw" "$recording-server.log"; do mv "$work/$f" "$work/try$try-$f"; done
        "$@"
    done
    case "$lost" in
    *"the recorder kept"*) fail "$recording: no whole recording in 4 tries ($lost)" ;;
    *) echo "figure: $recording: no whole recording in 4 tries on this machine ($lost)" ;;
    esac
    return 1
}
# whole NAME TAKE ARG...: TAKE ARG... records NAME, again until it is whole.
whole() {
    recording=$1
    shift
    "$@"
    again "$recording" "$@"
}

# play SESSION NAME OPTION...: starts the game in the session with the given "Options" keys, a
# fast fall and no run ever removed (every capsule that lands sounds "Pose", nothing else);
# waits for its window and makes it the active one. $game is its process, $win its window.
play() {
    session=$1 name=$2
    shift 2
    mkdir -p "$XDG_CONFIG_HOME/$name/kembrolla-panic"
    printf '%s\n' '[Options]' 'Pinup=0' 'AnimationVirus=0' 'MusiqueEnBoucle=1' "$@" \
        '[Configuration]' 'TempoDepart=100' 'MinCasesConsecutives=999' \
        >"$XDG_CONFIG_HOME/$name/kembrolla-panic/kembrolla-panic.ini"
    # (French on a first start, whatever the desktop's language.)
    DISPLAY=$(display "$session") PULSE_SERVER=$(server "$session") LANGUAGE=fr \
        XDG_CONFIG_HOME="$XDG_CONFIG_HOME/$name" "$bin" >"$work/$name.log" 2>&1 &
    game=$!
    running="$running $game"
    DISPLAY=$(display "$session")
    export DISPLAY
    # Its window, once it is the game's only one on show: opening a tune shows a small loading
    # window of the same title for a moment, which would take the focus and the keys. It has
    # gone once the tune sounds (NAME is also the name of the recording).
    case "$*" in *Musique=[1-9]*) until_heard 60 heard "$name" 0 ;; esac
    win=""
    within 60 sh -c "[ \$(xdotool search --onlyvisible --pid $game --name '^Kembrolla Panic!\$' \
        2>/dev/null | tee '$work/$name.win' | wc -l) -eq 1 ]" && win=$(cat "$work/$name.win")
    [ -n "$win" ] && within 30 xdotool windowfocus --sync "$win" 2>/dev/null
    [ -n "$win" ] || {
        fail "$name: no window appeared"
        unseen "$name"
    }
}
# unseen NAME: what the display and the game showed when its window did not come.
unseen() {
    if kill -0 "$game" 2>/dev/null; then
        echo "  the game runs: $(ps -o stat=,etime=,time= -p "$game")"
    else
        echo "  the game has ended"
    fi
    echo "  its windows (visible or not):"
    for w in $(xdotool search --pid "$game" 2>/dev/null); do
        echo "    $w \"$(xdotool getwindowname "$w" 2>/dev/null)\" $(xwininfo -id "$w" |
            sed -n 's/^ *Map State: *//p')"
    done
    echo "  its output:"
    sed 's/^/    /' "$work/$1.log"
}
# Any key ends the level's opening pause: the capsules start falling.
start_falling() { [ -z "$win" ] || within 30 xdotool windowfocus --sync "$win" key x 2>/dev/null; }

# take PID...: ends the processes and forgets them.
take() {
    for p in "$@"; do
        kill "$p" 2>/dev/null
        wait "$p" 2>/dev/null
        running=$(echo "$running" | sed "s/\b$p\b//")
    done
}

# measure NAME COMMAND ARG...: sound_meter on the recording NAME.
measure() {
    file=$1
    shift
    "$meter" "$work/$file.raw" $rate "$@" 2>/dev/null || echo "?"
}
onset() { measure "$1" start; }
seconds() { measure "$1" stats | awk '$1 == "seconds" { print $2 }'; }
# heard NAME SECONDS: whether the recording holds SECONDS after its first sound.
heard() {
    start=$(onset "$1")
    [ "$start" != "?" ] && below "$start" "$(seconds "$1")" &&
        ! below "$(seconds "$1")" "$(sum "$start" "$2")"
}
# clips NAME COUNT: whether the recording holds COUNT whole clips.
clips() { [ "$(measure "$1" clips 0.26 | wc -l)" -ge "$2" ]; }
# over NAME DBFS: whether the recording peaks over DBFS.
over() { below "$2" "$(measure "$1" stats | awk '$1 == "peak" { print $2 }')"; }
# near A B TOLERANCE: whether two figures differ by TOLERANCE at most.
near() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { d = a - b; exit !(d <= t && d >= -t) }'; }
between() { awk -v x="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(x >= lo && x <= hi) }'; }
below() { awk -v x="$1" -v hi="$2" 'BEGIN { exit !(x < hi) }'; }
sum() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a + b }'; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a - b }'; }
clean() { # no sample at full scale, peaks a decibel under it
    measure "$1" stats | awk '$1 == "peak" { p = $2 } $1 == "clipped" { c = $2 }
                              END { exit !(c == 0 && p < -1) }'
}
# The loudness of the clips of a recording, all alike (within 0.5 LU), or "?".
effects_level() {
    measure "$1" clips 0.26 >"$work/$1.clips"
    awk 'NR == 1 { first = $2 } { if ($2 - first > 0.5 || first - $2 > 0.5) odd = 1; n++ }
         END { if (n >= 2 && !odd) print first; else print "?" }' "$work/$1.clips"
}
unaltered() { # every volume in a "pactl list" at 100 %
    ! grep -E '^\s+Volume:' "$1" | grep -v '100% .*100% ' | grep -q .
}

session main
session seam

# Another application: a steady 440 Hz tone at -20 dBFS (-23 dB RMS) on a sink of its own,
# next to the game's, for the whole test.
PULSE_SERVER=$(server main) pactl load-module module-null-sink sink_name=other rate=$rate \
    channels=2 >/dev/null
sox -q -n -r $rate -c 2 -b 16 -e signed-integer -t raw - synth 600 sine 440 gain -20 2>/dev/null |
    PULSE_SERVER=$(server main) pacat --raw -d other --rate=$rate --channels=2 --format=s16le \
        --client-name=other-application &
other=$!
running="$running $other"
record main other other
other_recorder=$recorder

# ---- 1. A looping tune round its seam: Elise (68.625 s), music at "Moyen", no effects ----
# In a session of its own, while the shorter checks below take their turns.
seam_start() {
    record seam out seam
    seam_recorder=$recorder
    play seam seam Son=0 Musique=1 MidiVolume=1
    seam_game=$game
}
# Once the whole tune, its seam and 5 s after it are in.
seam_end() {
    until_heard 240 heard seam 74.2
    recorder=$seam_recorder game=$seam_game
    stop seam seam
}
seam_take() {
    seam_start
    seam_end
}
seam_start

# ---- 2. Effects alone at each level, music alone, then both at their loudest ----
# Each waits for what it measures to be in the recording (three landings, 8 s of the tune, an
# effect over the music), however slow the machine, within a limit that only guards a hang.
effects_take() { # LEVEL
    record main out "effects$1"
    play main "effects$1" Son=1 Musique=0 WaveVolume="$1"
    start_falling
    until_heard 60 clips "effects$1" 3
    stop main "effects$1"
}
music_take() { # LEVEL
    record main out "music$1"
    play main "music$1" Son=0 Musique=3 MidiVolume="$1"
    until_heard 60 heard "music$1" 8.5
    stop main "music$1"
}
# A capsule landing over Booster, both at "F&ort".
loudest_take() {
    record main out loudest
    play main loudest Son=1 Musique=4 WaveVolume=2 MidiVolume=2
    start_falling
    until_heard 60 over loudest -10
    PULSE_SERVER=$(server main) pactl list sink-inputs >"$work/sink-inputs.txt"
    stop main loudest
}
effects="" music=""
for level in 0 1 2; do
    whole effects$level effects_take $level
    effects="$effects $(effects_level effects$level)"
done
for level in 0 1 2; do
    whole music$level music_take $level
    start=$(onset music$level)
    music="$music $(measure music$level loudness "$(sum "$start" 0.5)" "$(sum "$start" 8)")"
done
whole loudest loudest_take

# ---- 2b. Panic with no notification area silences the game at once ----
# Under X11 with no window manager at all: the tune and the effects sounding, Escape, then the
# game's stream (and only the game's: the other application plays on) held by the server.
game_held() {
    PULSE_SERVER=$(server main) pactl list sink-inputs | awk '
        /^Sink Input #/ { if (game) { t++; c += corked } game = 0; corked = 0 }
        /Corked: yes/ { corked = 1 }
        /application.name = "Kembrolla Panic!"/ { game = 1 }
        END { if (game) { t++; c += corked } exit !(t > 0 && c == t) }'
}
panic_take() {
    record main out panic
    play main panic Son=1 Musique=3 MidiVolume=2 WaveVolume=2
    start_falling
    until_heard 60 clips panic 1
    held=""
    if game_held; then
        fail "panic: the game's stream was held before the key"
    elif [ -n "$win" ]; then
        xdotool windowfocus --sync "$win"
        pressed=$(date +%s%N)
        xdotool key Escape
        # Waits for the cork itself; the deadline only guards against a hang. How soon it came
        # is a figure (bench/panic_latency.sh measures it properly), not a pass mark.
        deadline=$(($(date +%s) + 20))
        until game_held; do
            [ "$(date +%s)" -lt $deadline ] || break
            sleep 0.01
        done
        game_held && held=$((($(date +%s%N) - pressed) / 1000000))
    fi
    stop main panic
}
panic_take
if [ -z "$held" ]; then
    fail "panic: the game's stream still played after Escape"
else
    echo "figure: panic under X11 with no notification area, Escape to the stream held: $held ms"
    pass "panic: the game's stream is held after the key"
fi

echo "effects (LUFS, each clip) at Faible, Moyen, F&ort:$effects"
echo "music (LUFS, Pop Corn's first 7.5 s) at Faible, Moyen, F&ort:$music"
# levels KIND LOW MEDIUM HIGH: 0x1111 : 0x2222 : 0x3333 and 0x3333 : 0x6666 : 0x9999 are 1 : 2 : 3,
# 6.02 dB and then 3.52 dB apart.
levels() {
    if [ $# -eq 4 ] && ! echo "$*" | grep -q '?' &&
        near "$(minus "$3" "$2")" 6.02 0.3 && near "$(minus "$4" "$3")" 3.52 0.3; then
        pass "$1: the three levels are heard in the ratios 1 : 2 : 3"
    else
        fail "$1: levels $2, $3, $4 LUFS are not 6.02 and 3.52 dB apart"
    fi
}
# shellcheck disable=SC2086 # the three figures
levels effects $effects
# shellcheck disable=SC2086
levels music $music
effects_1=$(echo "$effects" | awk '{ print $2 }') effects_2=$(echo "$effects" | awk '{ print $3 }')
if near "$effects_2" -17.5 1; then
    pass "effects at F&ort: each clip at -17.5 LUFS"
else
    fail "effects at F&ort: $effects_2 LUFS, not -17.5"
fi
clipping=""
for run in effects0 effects1 effects2 music0 music1 music2 loudest; do
    clean $run || clipping="$clipping $run ($(measure $run stats | tr '\n' ' '))"
done
# Both heard: "Pose" at "F&ort" peaks near -6 dBFS, Booster alone under -15 dBFS.
loudest=$(measure loudest stats | awk '$1 == "peak" { print $2 }')
if ! below -10 "$loudest"; then
    fail "effects and music at their loudest: no effect heard over the music (peak $loudest dBFS)"
elif [ -z "$clipping" ]; then
    pass "no clipping, effects and music at their loudest together included"
else
    fail "clipping or peaks over -1 dBFS:$clipping"
fi
if grep -q 'application.name = "other-application"' "$work/sink-inputs.txt" &&
    [ "$(grep -c '^Sink Input' "$work/sink-inputs.txt")" -eq 2 ] &&
    unaltered "$work/sink-inputs.txt"; then
    pass "the game's stream and the other application's stream are both at 100 %"
else
    fail "the streams are not two at 100 %:"
    cat "$work/sink-inputs.txt"
fi

# ---- 1, continued: the whole of Elise and round its seam ----
length=68.625
seam_end
again seam seam_take
start=$(onset seam)
seam=$(sum "$start" $length)
moyen=$(measure seam loudness "$start" "$seam")
gap=$(measure seam silence "$(sum "$seam" -0.5)" "$(sum "$seam" 0.5)" | awk '{ print $1 }')
echo "Elise at Moyen, whole: $moyen LUFS; the longest silence within 0.5 s of its seam: $gap s"
if near "$moyen" -29 1.2; then
    pass "music at Moyen, a whole tune: $moyen LUFS"
else
    fail "music at Moyen, a whole tune: $moyen LUFS, not -29"
fi
if [ "$effects_1" != "?" ] && between "$(minus "$effects_1" "$moyen")" 6 10; then
    pass "music at Moyen sits $(minus "$effects_1" "$moyen") LU under the effects at Moyen"
else
    fail "music at Moyen ($moyen LUFS) is not 6 to 10 LU under the effects ($effects_1 LUFS)"
fi
if below "$gap" 0.05; then
    pass "the loop's seam: $gap s of silence at most"
else
    fail "the loop's seam: $gap s of silence"
fi
after=$(measure seam level "$(sum "$seam" 1)" "$(sum "$seam" 5)")
if below -45 "$after"; then
    pass "the tune goes on after its seam ($after dBFS)"
else
    fail "after the seam: $after dBFS"
fi
clean seam || fail "the seam recording clips: $(measure seam stats | tr '\n' ' ')"

# ---- 3. The other application, and the sinks ----
take "$other" "$other_recorder"
level=$(measure other level 1 60)
pause=$(measure other silence 1 60 | awk '{ print $1 }')
if near "$level" -23.01 0.1 && [ "$pause" = "0.000" ]; then
    pass "the other application's tone stayed at $level dB RMS, unbroken"
else
    fail "the other application's tone: $level dB RMS, a silence of $pause s"
fi
for s in main seam; do PULSE_SERVER=$(server $s) pactl list sinks; done >"$work/sinks.txt"
if unaltered "$work/sinks.txt"; then
    pass "every sink is still at 100 %"
else
    fail "a sink's volume was changed:"
    grep -E '^\s+(Name|Volume):' "$work/sinks.txt"
fi

# ---- The table of every tune, whole, at every level, when asked for ----
# The five tunes of one level at once, each in a session of its own.
if [ -n "${KP_SOUND_TABLE:-}" ]; then
    lengths="68.625 70 65.455 78.857 77.288"
    for n in 1 2 3 4 5; do session tune$n; done
    for level in 0 1 2; do
        games="" recorders=""
        for n in 1 2 3 4 5; do
            record tune$n out tune$n-$level
            recorders="$recorders $recorder"
            play tune$n tune$n-$level Son=0 Musique=$n MidiVolume=$level
            games="$games $game"
        done
        sleep 82
        # shellcheck disable=SC2086 # lists of processes
        take $games $recorders
    done
    echo "tune: loudness of the whole tune at Faible, Moyen, F&ort (LUFS); its peak at F&ort"
    for n in 1 2 3 4 5; do
        length=$(echo "$lengths" | cut -d' ' -f$n)
        line="$n:"
        for level in 0 1 2; do
            start=$(onset tune$n-$level)
            line="$line $(measure tune$n-$level loudness "$start" "$(sum "$start" "$length")")"
        done
        echo "$line, $(measure tune$n-2 stats | head -1)"
    done
fi

echo "$failures failed"
[ $failures -eq 0 ]
