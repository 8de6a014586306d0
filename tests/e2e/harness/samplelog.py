"""The sample programs' log, C:\\mw_log.txt: "<tick> <program> <event>"."""

from collections import namedtuple

LogLine = namedtuple("LogLine", "tick program event")


class SampleLog:
    def __init__(self, path):
        self.lines = []
        try:
            with open(path, encoding="latin-1") as log:
                for text in log:
                    tick, program, event = (text.rstrip("\r\n").split(" ", 2) + ["", ""])[:3]
                    self.lines.append(LogLine(int(tick), program, event))
        except FileNotFoundError:
            pass

    def find(self, program, event_start=""):
        """The lines of program whose event starts with event_start."""
        return [line for line in self.lines if line.program == program and line.event.startswith(event_start)]

    def first(self, program, event_start=""):
        found = self.find(program, event_start)
        return found[0] if found else None

    def format(self):
        return "\n".join("%d %s %s" % line for line in self.lines) or "(empty)"
