#!/usr/bin/env python3
"""End-to-end scenarios of the installer under Wine.

    e2e.py --list                               the scenarios, "<name> <version>" a line
    e2e.py --config CONFIG NAME VERSION [--keep]  runs one; status 0 when it passed

CONFIG is the JSON file the build writes: the driver, the installer builds,
the sample programs and the folder for prefixes. A failed scenario's prefix
is kept for a look; --keep keeps it also when it passed.
"""

import importlib
import json
import os
import pkgutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness.registry import SCENARIOS  # noqa: E402
from harness.session import Session  # noqa: E402
from harness import prefix  # noqa: E402
import scenarios  # noqa: E402

# Under qemu every Wine process takes tens of seconds to start.
SESSION_SECONDS = 360


def load_scenarios():
    for module in pkgutil.iter_modules(scenarios.__path__):
        importlib.import_module("scenarios." + module.name)


def main(arguments):
    load_scenarios()
    if arguments == ["--list"]:
        for name, definition in sorted(SCENARIOS.items()):
            for version in definition.versions:
                print(name, version)
        return 0
    if len(arguments) < 4 or arguments[0] != "--config" or arguments[2] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        return 2
    with open(arguments[1]) as config_file:
        config = json.load(config_file)
    name, version = arguments[2], arguments[3]
    session = Session(name, version, config, SESSION_SECONDS)
    started = time.time()
    SCENARIOS[name].function(session)
    print("%s on %s: %.0f s" % (name, version, time.time() - started))
    if session.check.failures:
        print(session.report())
        return 1
    if "--keep" not in arguments:
        prefix.remove_prefix(session.prefix)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
