#!/usr/bin/env python3
"""installer_footprint.py OBJDUMP DELIVERED.exe WITHOUT_ARCHIVES.exe

The installer is a small download that starts on Windows 95 and NT 4.0:
its code weighs at most 64 KB (measured on a build that carries no
archives, as the payload is the product's own weight), it has subsystem
version 4.0, and it imports from no DLL but those every such system has."""

import os
import re
import subprocess
import sys

ALLOWED_DLLS = {"KERNEL32.DLL", "USER32.DLL", "ADVAPI32.DLL", "SHELL32.DLL", "MSVCRT.DLL"}
MAXIMUM_BYTES = 64 * 1024


def header_failures(installer, objdump):
    headers = subprocess.run([objdump, "-p", installer], check=True, capture_output=True, text=True).stdout
    failures = []
    dlls = set(name.upper() for name in re.findall(r"DLL Name: (\S+)", headers))
    if not dlls or not dlls <= ALLOWED_DLLS:
        failures.append("imported DLLs: expected some of %s, got %s" % (sorted(ALLOWED_DLLS), sorted(dlls)))
    version = re.search(r"MajorSubsystemVersion\s+(\d+)\s+MinorSubsystemVersion\s+(\d+)", headers)
    if not version or version.groups() != ("4", "0"):
        failures.append("subsystem version: expected 4.0, got %s" % (".".join(version.groups()) if version else None))
    return ["%s: %s" % (installer, failure) for failure in failures]


def main(objdump, delivered, without_archives):
    failures = header_failures(delivered, objdump) + header_failures(without_archives, objdump)
    size = os.path.getsize(without_archives)
    if size > MAXIMUM_BYTES:
        failures.append("%s: size: expected at most %d bytes, got %d" % (without_archives, MAXIMUM_BYTES, size))
    print("\n".join(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
