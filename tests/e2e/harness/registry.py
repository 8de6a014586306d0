"""Scenarios by name, each with the Windows versions it runs on."""

from collections import namedtuple

Scenario = namedtuple("Scenario", "name versions function")
SCENARIOS = {}


def scenario(*versions):
    """Registers a scenario function, called with a Session, on each of the
    Windows versions (win95, win98, nt40, winxp, win10)."""
    def register(function):
        name = "%s.%s" % (function.__module__.rsplit(".", 1)[-1], function.__name__)
        SCENARIOS[name] = Scenario(name, versions, function)
        return function
    return register
