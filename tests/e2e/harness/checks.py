"""Checks that collect their failures, so that one run reports all of them,
each with what was expected and what was got."""

import inspect
import os


class Checks:
    def __init__(self):
        self.failures = []

    def _fail(self, what, expected, got):
        caller = inspect.stack()[2]
        self.failures.append("%s:%d: %s\n    expected: %s\n    got:      %s" % (
            os.path.basename(caller.filename), caller.lineno, what, expected, got))

    def equal(self, what, expected, got):
        if expected != got:
            self._fail(what, repr(expected), repr(got))

    def that(self, what, condition, expected, got):
        if not condition:
            self._fail(what, expected, got)

    def at_least(self, what, minimum, got):
        if got is None or got < minimum:
            self._fail(what, "at least %r" % (minimum,), repr(got))
