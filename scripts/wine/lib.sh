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
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

# The kernels of some build machines cannot execute 32-bit programs; Wine's
# 32-bit loader then runs through qemu's user-mode emulation, with a full
# 4 GB guest address space and the preload of noreplace.c, without which
# every Wine process spends half a minute probing addresses at start-up.
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
    source="$(dirname "$0")/noreplace.c"
    mkdir -p "$shim/lib/i386-linux-gnu" "$shim/lib/x86_64-linux-gnu"
    (
        flock 9
        if [ ! -f "$shim/lib/i386-linux-gnu/noreplace.so" ] || [ "$source" -nt "$shim/lib/i386-linux-gnu/noreplace.so" ]; then
            gcc -m32 -O2 -shared -fPIC -o "$shim/lib/i386-linux-gnu/noreplace.so" "$source" -ldl &&
                gcc -O2 -shared -fPIC -o "$shim/lib/x86_64-linux-gnu/noreplace.so" "$source"
        fi
    ) 9>"$shim/.lock" || return 1
    export QEMU_RESERVED_VA=0xffff0000
    export LD_PRELOAD="$shim/\$LIB/noreplace.so"
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
# log) serve no test, and under qemu some of them crash while starting, each
# crash a Wine process more and a crash dialog that a test would take for a
# window of the program it runs. They start on demand instead, and a crash
# shows no dialog (its backtrace still goes to the terminal).
quiet_prefix() {
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
# session: PROGRAM runs in FOLDER under its own Xvfb, with the prefix's own
# wineserver; after SECONDS it is stopped (status 124). Every process of the
# prefix ends with the session, background programs and services included,
# without Wine's grace period.
run_session() {
    prefix=$1 folder=$2 seconds=$3
    shift 3
    status=0
    (cd "$folder" && WINEPREFIX="$prefix" xvfb-run -a -s "-screen 0 1024x768x24" \
        sh -c 'timeout "$0" wine "$@"' "$seconds" "$@") || status=$?
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    return $status
}
