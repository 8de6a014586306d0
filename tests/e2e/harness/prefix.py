"""Wine prefixes and Wine sessions, through scripts/wine/lib.sh."""

import os
import shutil
import subprocess

SCRIPTS = os.path.join(os.path.dirname(__file__), "..", "..", "..", "scripts", "wine")
LIB = os.path.abspath(os.path.join(SCRIPTS, "lib.sh"))


def _lib(command, *arguments, check=True, **options):
    return subprocess.run(["sh", "-c", '. "$0"; ' + command, LIB, *arguments], check=check, **options)


def make_prefix(path, version):
    """A fresh copy of the template prefix that reports the Windows version,
    without the dial-up networking library: with it, the server's service
    depends on "RasMan", a dependency list that Wine's CreateServiceA
    garbles, after which its service manager hangs."""
    _lib('ensure_i386_execution && new_prefix "$1" "$2"', path, version, stdout=subprocess.DEVNULL)
    with open(os.path.join(path, "user.reg"), "a") as user_registry:
        # An empty load order disables the library.
        user_registry.write('\n[Software\\\\Wine\\\\DllOverrides] 1\n"rasapi32"=""\n')


def run_session(prefix, program_folder, arguments, timeout):
    """Runs one Windows program under Xvfb with the prefix's own wineserver,
    in program_folder, then ends every process of the prefix. Returns the
    program's exit status, or None when it was stopped at the time limit."""
    result = _lib('ensure_i386_execution && run_session "$@"', prefix, program_folder, str(timeout), *arguments, check=False)
    return None if result.returncode == 124 else result.returncode


def remove_prefix(path):
    shutil.rmtree(path, ignore_errors=True)
