"""One scenario on one Windows version: a fresh prefix, one Wine session in
which the driver runs the scenario's script, then the results read back on
the host."""

import os
import shutil

from . import prefix
from .checks import Checks
from .samplelog import SampleLog
from .transcript import Transcript

NT_VERSIONS = ("nt40", "winxp", "win10")
# The scenario's programs lie in C:\e2e, the driver's current folder.
WORK_FOLDER = "e2e"
# The driver's exit status when no window could be created.
DRIVER_NO_DESKTOP = 3
SESSION_ATTEMPTS = 3


class Session:
    def __init__(self, name, version, config, session_seconds):
        self.name = name
        self.version = version
        self.is_nt = version in NT_VERSIONS
        self.config = config
        self.session_seconds = session_seconds
        self.prefix = os.path.join(config["work"], "%s.%s" % (name, version))
        self.check = Checks()
        self.transcript = None
        self.log = None
        self.driver_status = None

    def run(self, script):
        """Runs the script (driver commands, see tests/e2e/driver) in C:\\e2e,
        where each installer build lies as <build>\\Installer.exe (the
        delivered one as installer\\Installer.exe) and the sample programs
        beside the driver. Under emulation Wine's desktop process now and
        then never comes up; such a session proves nothing, and runs again."""
        for attempt in range(SESSION_ATTEMPTS):
            self.driver_status = self._session(script)
            if self.driver_status != DRIVER_NO_DESKTOP:
                break
            print("%s on %s: Wine's desktop did not come up (attempt %d)" % (self.name, self.version, attempt + 1))
        self.transcript = Transcript(os.path.join(self.work_folder, "transcript.jsonl"))
        self.log = SampleLog(self.host_path("C:\\mw_log.txt"))
        self.check.that("the driver ran the whole scenario", self.transcript.completed,
                        "a transcript that ends with 'end'",
                        "driver status %r, last record %r" % (
                            self.driver_status, (self.transcript.records or [None])[-1]))

    def _session(self, script):
        """One Wine session in a fresh prefix; the driver's exit status."""
        prefix.make_prefix(self.prefix, self.version)
        work = self.work_folder
        os.makedirs(work)
        for build, path in self.config["installers"].items():
            os.makedirs(os.path.join(work, build))
            shutil.copy(path, os.path.join(work, build, "Installer.exe"))
        for path in [self.config["driver"]] + list(self.config["samples"].values()):
            shutil.copy(path, work)
        with open(os.path.join(work, "scenario.txt"), "w", newline="\r\n") as scenario:
            scenario.write("".join(line.strip() + "\n" for line in script.splitlines() if line.strip()))
        return prefix.run_session(
            self.prefix, work, ["driver.exe", "scenario.txt", "transcript.jsonl"], self.session_seconds)

    @property
    def work_folder(self):
        return os.path.join(self.prefix, "drive_c", WORK_FOLDER)

    def host_path(self, windows_path):
        """Where a path of drive C lies on the host. Wine keeps the case a
        file was created with, so each part is looked up ignoring case."""
        path = os.path.join(self.prefix, "drive_c")
        for part in windows_path[3:].split("\\"):
            if not part:
                continue
            try:
                matches = [name for name in os.listdir(path) if name.lower() == part.lower()]
            except OSError:
                matches = []
            path = os.path.join(path, matches[0] if matches else part)
        return path

    def exists(self, windows_path):
        return os.path.exists(self.host_path(windows_path))

    def listing(self, windows_path):
        """The names in a folder, or None when there is no such folder."""
        try:
            return sorted(os.listdir(self.host_path(windows_path)))
        except OSError:
            return None

    def report(self):
        """The failures with what the run left behind, for the reader."""
        parts = ["%d check(s) failed in %s on %s:" % (len(self.check.failures), self.name, self.version)]
        parts += self.check.failures
        if self.transcript is not None:
            parts += ["", "--- transcript", self.transcript.format(), "", "--- sample log", self.log.format()]
        parts += ["", "The prefix is kept: " + self.prefix]
        return "\n".join(parts)
