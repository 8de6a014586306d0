# Shared by the Wine scripts: the environment of every Wine run of the
# tests, and the making of prefixes.
#
# Prefixes are 32-bit and made once per machine, as a template in the
# user's cache (booting Wine takes minutes under emulation); each
# test copies it (cp is far quicker than booting Wine again) and sets the
# Windows version the copy reports.

WINE_ROOT=${WINE_ROOT:-${XDG_CACHE_HOME:-$HOME/.cache}/installer-wine}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# rasapi32 stays unloadable: with it, the server's service is created with
# a dependency list, and Wine 8's CreateServiceA passes such a list on
# garbled, after which its service control manager fails or hangs.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=;rasapi32="

# The kernels of some build machines cannot execute 32-bit programs; Wine's
# 32-bit loader then runs through qemu's user-mode emulation, with a full
# 4 GB guest address space and two preloads: noreplace.c, without which
# every Wine process spends half a minute probing addresses at start-up, and
# pagefault.c, without which Wine cannot resolve the page faults that grow a
# thread's stack.
ensure_i386_execution() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1 && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        return 0
    fi
    [ -d /proc/sys/fs/binfmt_misc ] || return 1
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            > /proc/sys/fs/binfmt_misc/register
    fi
    shim="$WINE_ROOT/preload"
    mkdir -p "$shim/lib/i386-linux-gnu" "$shim/lib/x86_64-linux-gnu"
    preload=""
    for name in noreplace pagefault; do
        source="$(dirname "$0")/$name.c"
        (
            flock 9
            if [ ! -f "$shim/lib/i386-linux-gnu/$name.so" ] || [ "$source" -nt "$shim/lib/i386-linux-gnu/$name.so" ]; then
                gcc -m32 -O2 -shared -fPIC -o "$shim/lib/i386-linux-gnu/$name.so" "$source" -ldl &&
                    gcc -O2 -shared -fPIC -o "$shim/lib/x86_64-linux-gnu/$name.so" "$source"
            fi
        ) 9>"$shim/.lock" || return 1
        preload="$preload $shim/\$LIB/$name.so"
    done
    export QEMU_RESERVED_VA=0xffff0000
    export LD_PRELOAD="${preload# }"
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The template prefix, booted once; concurrent callers wait for the first.
template_prefix() {
    mkdir -p "$WINE_ROOT"
    (
        flock 9
        if [ ! -f "$WINE_ROOT/template/.ready" ]; then
            rm -rf "$WINE_ROOT/template"
            WINEPREFIX="$WINE_ROOT/template" xvfb-run -a sh -c 'wineboot -i && wineserver -w' >&2
            touch "$WINE_ROOT/template/.ready"
        fi
    ) 9>"$WINE_ROOT/.lock"
    echo "$WINE_ROOT/template"
}

# new_prefix DIR VERSION: a fresh copy of the template that reports VERSION
# (win95, win98, nt40, winxp, win10).
new_prefix() {
    template=$(template_prefix)
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    cp -a "$template" "$1"
    rm -f "$1/.ready"
    set_windows_version "$1" "$2"
    quiet_prefix "$1"
}

# Wine's own auto-start services (device drivers, plug and play, the event
# log, and the HID and USB bus drivers that Wine starts at boot whatever
# their start type) serve no test. Under qemu some of them crash while
# starting, and the service control manager then keeps later requests, such
# as creating the server's service, waiting for minutes. The services start
# on demand instead, the bus drivers are left out of the copy, and a crash
# shows no dialog (which a test would take for a window of the program it
# runs; the backtrace still goes to the terminal).
quiet_prefix() {
    awk '/^\[/ { skip = $0 ~ /^\[System\\\\CurrentControlSet\\\\Services\\\\(winebus|winehid|wineusb)[]\\]/ } !skip' \
        "$1/system.reg" > "$1/system.reg.new" && mv "$1/system.reg.new" "$1/system.reg"
    for service in Eventlog MountMgr NDIS nsiproxy PlugPlay; do
        printf '\n[System\\\\CurrentControlSet\\\\Services\\\\%s] 1\n"Start"=dword:00000003\n' "$service" >> "$1/system.reg"
    done
    printf '\n[Software\\\\Wine\\\\WineDbg] 1\n"ShowCrashDialog"=dword:00000000\n' >> "$1/user.reg"
}

# Wine reads the version from HKCU\Software\Wine when its server starts;
# writing the registry file directly spares a Wine start.
set_windows_version() {
    printf '\n[Software\\\\Wine] 1\n"Version"="%s"\n' "$2" >> "$1/user.reg"
}

# run_session PREFIX FOLDER SECONDS PROGRAM [ARGUMENTS...]: one Wine
# session: PROGRAM runs in FOLDER on an X server of its own, with the
# prefix's own wineserver; after SECONDS it is stopped (status 124). Every
# process of the prefix ends with the session, background programs and
# services included, without Wine's grace period. Xvfb picks its display
# number itself (-displayfd), so that sessions started side by side never
# race for one, as those of xvfb-run -a can.
run_session() {
    local prefix=$1 folder=$2 seconds=$3 display_file xvfb status
    shift 3
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb=$!
    # A session that is itself stopped (a test's time limit) still ends its
    # X server and its Wine processes.
    trap 'end_session "$prefix" $xvfb "$display_file"; exit 143' INT TERM HUP
    while [ ! -s "$display_file" ]; do
        kill -0 $xvfb 2>/dev/null || { end_session "$prefix" $xvfb "$display_file"; return 1; }
        sleep 0.1
    done
    status=0
    (cd "$folder" && DISPLAY=:$(cat "$display_file") WINEPREFIX="$prefix" timeout "$seconds" wine "$@") ||
        status=$?
    end_session "$prefix" $xvfb "$display_file"
    trap - INT TERM HUP
    return $status
}

# end_session PREFIX XVFB_PID DISPLAY_FILE
end_session() {
    WINEPREFIX="$1" wineserver -k 2>/dev/null || true
    # A Wine process that lost its server survives that, and under qemu it
    # may spin for ever: every Wine process still working in the prefix ends.
    for process in /proc/[0-9]*; do
        tr '\0' ' ' <"$process/cmdline" 2>/dev/null | grep -q '/usr/lib/wine/' &&
            tr '\0' '\n' <"$process/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$1" &&
            kill -9 "${process#/proc/}" 2>/dev/null
    done
    kill "$2" 2>/dev/null
    wait "$2" 2>/dev/null
    rm -f "$3"
}
