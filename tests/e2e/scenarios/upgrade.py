"""The in-place upgrade of an installation that the delivered installer set
up first in the same session: the product check and the prompt, the files
in use, the unpacking over the installation (the server under the branding
profile's name), "Installed", the message files of the cache folder and the
restart of the server; unattended too, with the server running."""

import os
import zlib

from harness.registry import scenario
from scenarios.setup import FORGET_PRODUCT, INSTALL_FOLDER, PRODUCT_KEY, RUN_SERVICES_KEY, TEMP_FOLDER, lower

SERVER = INSTALL_FOLDER + r"\MailWarden.exe"
BRANDED_SERVER = INSTALL_FOLDER + r"\MwPro.exe"
ADMIN = INSTALL_FOLDER + r"\MwAdmin.exe"
PAGE = INSTALL_FOLDER + r"\index.html"
BRANDING_FILE = INSTALL_FOLDER + r"\mw3ras.lib"
CACHE = INSTALL_FOLDER + r"\cache"
PROMPT = "has already been installed"
FILES_IN_USE = "Access denied to file(s) %s.  Please the ensure the file(s) are not in use"
CANNOT_CREATE = ("Couldn't create the file '%s'\nMake sure that the file is not in use, "
                 "and/or that the disk is not write protected.")
MESSAGE_FILES = {"before": ["00000001.msg", "00000002.msg", "held"], "after": ["00000001.wmm", "00000002.wmm", "held"]}
# Driver steps: the installed server made stale, upgraded by the delivered
# installer through its prompt, then the processes, the server's start, the
# server file and the product key.
STALE_SERVER_UPGRADED = r"""
    write-file "{server}" stale
    on-window "{prompt}" press 1
    run installer\Installer.exe
    processes
    wait-log server started
    file-info "{server}"
    reg-dump {key}
"""
# A probe try every 500 ms, 20 of them, after the unattended run's 2 s.
UNATTENDED_PROBES_MS = 2000 + 20 * 500


def prompt_texts(product):
    """The prompt's texts by control id, with product in place of the
    built-in name."""
    return {
        1001: "%s has already been installed on this computer." % product,
        1002: "&Upgrade\nInstall the new version of the software without changing any settings.  "
              "%s will be automatically started." % product,
        1003: "&Setup\nRerun the Setup program, allowing you to change preferences if required.",
        2: "Cancel",
        1: "OK",
    }


def steps(transcript, command):
    """The records of each step of the command, in their order."""
    found, current = [], None
    for record in transcript.records:
        if record["event"] == "step":
            current = [] if record["text"].split(" ", 1)[0] == command else None
            if current is not None:
                found.append(current)
        elif current is not None:
            current.append(record)
    return found


def runs(transcript):
    """The records of each run step: its window records, actions and exit."""
    return steps(transcript, "run")


def product_values(transcript):
    """The product key's values as each reg-dump found them."""
    return [{record["name"]: record["data"] for record in dump
             if record["event"] == "reg-value" and record["key"] == PRODUCT_KEY}
            for dump in steps(transcript, "reg-dump")]


def windows_of(run):
    return [record for record in run if record["event"] == "window"]


def exit_code(run):
    exits = [record["code"] for record in run if record["event"] == "exited"]
    return exits[0] if exits else None


def shown(window):
    """What a window showed: its title and its controls' texts by id,
    with the radio buttons' check marks."""
    return {"title": window["title"],
            "texts": {control["id"]: control["text"] for control in window["controls"] if control["text"]},
            "checked": {control["id"]: control["checked"]
                        for control in window["controls"] if "checked" in control}}


def message(window):
    """The text of a message box."""
    return [control["text"] for control in window["controls"] if control["class"] == "Static" and control["text"]]


def files(transcript, path):
    """The file records of path, in their order."""
    return [record for record in transcript.events("file") if record["path"] == path]


def crc32_of(host_path):
    with open(host_path, "rb") as built:
        return zlib.crc32(built.read())


def started_as(line):
    """How a server log line says it was started: "service" or "program",
    and from which file."""
    if line is None:
        return None
    words = line.event.split(" ", 2)
    return (words[1], words[2].lower()) if len(words) == 3 else tuple(words)


def autostart_mode(s):
    return "service" if s.is_nt else "program"


@scenario("nt40", "winxp", "win10", "win95", "win98")
def in_place_then_unattended_over_the_running_server(s):
    """The delivered installer sets the product up; a second run finds it
    registered and asks. Upgrade replaces the (stale) server, sets
    "Installed", turns the cache's .msg files into .wmm and starts the
    server as the autostart registration says (the service on NT, the
    program on 9x) and the administration program. A third, unattended run
    meets both running: it stops them, upgrades without a window and starts
    the server alone again."""
    s.run((FORGET_PRODUCT + r"""
        run installer\Installer.exe
        file-info "{page}"
    """ + STALE_SERVER_UPGRADED + r"""
        dir {temp}
        write-file "{page}" stale
        run installer\Installer.exe /s
        processes
        wait-log server started
        file-info "{page}"
        dir {temp}
    """).format(page=PAGE, server=SERVER, prompt=PROMPT, key=PRODUCT_KEY, temp=TEMP_FOLDER))
    t, log = s.transcript, s.log
    setup_run, interactive, unattended = (runs(t) + [[], [], []])[:3]
    s.check.equal("exit statuses of setup, upgrade and unattended upgrade", [0, 0, 0],
                  [exit_code(setup_run), exit_code(interactive), exit_code(unattended)])

    # The interactive upgrade.
    prompts = windows_of(interactive)
    s.check.equal("windows of the interactive upgrade",
                  [{"title": "Installer", "texts": prompt_texts("MailWarden"), "checked": {1002: True, 1003: False}}],
                  [shown(window) for window in prompts])
    server_files = files(t, SERVER)
    s.check.equal("the stale server replaced by the build's", crc32_of(s.config["samples"]["server"]),
                  server_files[0].get("crc32") if server_files else None)
    s.check.equal("Installed", 1, (product_values(t) + [{}])[0].get("Installed"))
    s.check.equal("message files after the upgrade", MESSAGE_FILES["after"], lower(s.listing(CACHE)))
    s.check.equal("held message files after the upgrade", ["00000003.wmm"], lower(s.listing(CACHE + r"\held")))
    folders = [folder["exists"] for folder in t.events("dir")]
    s.check.equal("temporary folder after the upgrade and after the unattended one", [False, False], folders)
    server_starts = log.find("server", "started")
    s.check.equal("the server as the interactive upgrade started it", (autostart_mode(s), SERVER.lower()),
                  started_as(server_starts[0] if server_starts else None))
    s.check.equal("the administration program that it launched", "started " + ADMIN.lower(),
                  log.first("admin", "started").event.lower() if log.first("admin", "started") else None)
    running = [set(lower(record["names"])) for record in t.events("processes")]
    s.check.that("running after the interactive upgrade", running and {"mailwarden.exe", "mwadmin.exe"} <= running[0],
                 "the server and the administration program", running[:1])

    # The unattended upgrade over the running server and admin program.
    s.check.equal("windows of the unattended upgrade", [], windows_of(unattended))
    s.check.equal("broadcasts of the unattended upgrade", [1, 2],
                  [record["wParam"] for record in unattended if record["event"] == "broadcast"])
    stopped = log.first("server", "stopped")
    s.check.equal("the server's stop", "stopped " + autostart_mode(s), stopped.event if stopped else None)
    s.check.that("the administration program ended on wParam 2",
                 log.first("admin", "broadcast 2") and log.first("admin", "stopped"), "both log lines",
                 log.find("admin"))
    s.check.that("the server started again after its stop",
                 len(server_starts) == 2 and stopped and server_starts[1].tick > stopped.tick,
                 "a second start after tick %s" % (stopped.tick if stopped else None), server_starts)
    s.check.equal("the server as the unattended upgrade started it", (autostart_mode(s), SERVER.lower()),
                  started_as(server_starts[1] if len(server_starts) == 2 else None))
    page_files = files(t, PAGE)
    s.check.that("the stale page replaced",
                 len(page_files) == 2 and page_files[1].get("crc32") == page_files[0].get("crc32"),
                 "the page as the setup installed it", page_files)
    s.check.equal("administration programs started", 1, len(log.find("admin", "started")))
    s.check.that("running after the unattended upgrade",
                 len(running) == 2 and "mailwarden.exe" in running[1] and "mwadmin.exe" not in running[1],
                 "the server without the administration program", running[1:])


def setup_started_within(s, run):
    """Whether the setup program started while this run lasted."""
    if not run or exit_code(run) is None:
        return False
    begin, end = run[0]["t"], [record for record in run if record["event"] == "exited"][0]["t"]
    return any(begin <= line.tick <= end for line in s.log.find("setup", "started"))


def branding_file_crc32(s):
    """The branded build's branding file, made beside the scenarios' prefixes."""
    return crc32_of(os.path.join(os.path.dirname(s.config["work"]), "branded.lib"))


@scenario("winxp", "win98")
def product_check_and_prompt_choices(s):
    """A registered product name other than the profile's, also by case
    alone, hands over to the fresh setup without a prompt; without a
    "Product" value the default profile's name matches and the prompt
    shows. Esc, closing the prompt and Cancel change nothing but the
    installed branding file (replaced by a branded build's) and leave the
    empty temporary folder; Setup runs the fresh setup in the same run.
    Last an upgrade without a "Cache" value and without the autostart
    registration: nothing renamed, the server launched, the
    administration program not."""
    unregister = ("service-delete MailWarden" if s.is_nt
                  else "reg-delete %s Keltermax_MailWarden" % RUN_SERVICES_KEY)
    s.run((FORGET_PRODUCT + r"""
        run installer\Installer.exe
        reg-set {key} Product sz MailWarden Pro
        run installer\Installer.exe
        reg-set {key} Product sz mailwarden
        run installer\Installer.exe
        reg-delete {key} Product
        write-file "{server}" stale
        on-window "{prompt}" esc
        run installer\Installer.exe
        dir {temp}
        file-info "{branding}"
        reg-set {key} Product sz MailWarden Pro
        on-window "{prompt}" close
        run e2e_branded\Installer.exe
        dir {temp}
        file-info "{branding}"
        write-file "{branding}" stale
        on-window "{prompt}" press 2
        run e2e_branded\Installer.exe
        dir {temp}
        file-info "{branding}"
        file-info "{server}"
        dir "{cache}"
        reg-dump {key}
        delete-file "{branding}"
        reg-delete {key} Product
        on-window "{prompt}" select 1003 press 1
        run installer\Installer.exe
        dir {temp}
        reg-delete {key} Cache
        {unregister}
    """ + STALE_SERVER_UPGRADED).format(key=PRODUCT_KEY, server=SERVER, prompt=PROMPT, temp=TEMP_FOLDER,
                                        branding=BRANDING_FILE, cache=CACHE, unregister=unregister))
    t, log = s.transcript, s.log
    (setup_run, other_name, other_case, escaped, closed, cancelled, setup_chosen, upgrade) = (runs(t) + [[]] * 8)[:8]
    s.check.equal("exit statuses", [0, 0, 0, 1, 1, 1, 0, 0], [exit_code(run) for run in runs(t)])

    for what, run in (("another product name", other_name), ("the name in another case", other_case)):
        s.check.equal("%s: windows" % what, [], windows_of(run))
        s.check.that("%s: the setup program ran" % what, setup_started_within(s, run), "a start within the run",
                     log.find("setup", "started"))

    prompts = [windows_of(run) for run in (escaped, closed, cancelled, setup_chosen, upgrade)]
    expected_names = ["MailWarden", "MailWarden Pro", "MailWarden Pro", "MailWarden", "MailWarden"]
    s.check.equal("the prompts", [[{"title": "Installer", "texts": prompt_texts(name),
                                    "checked": {1002: True, 1003: False}}] for name in expected_names],
                  [[shown(window) for window in windows] for windows in prompts])
    folders = t.events("dir")
    s.check.equal("temporary folder after Esc, close and Cancel", [(True, [])] * 3,
                  [(folder["exists"], folder["names"]) for folder in folders[:3]])
    branding = files(t, BRANDING_FILE)
    s.check.equal("installed branding file after Esc (default build), close and Cancel (branded build)",
                  [False, branding_file_crc32(s), branding_file_crc32(s)],
                  [record.get("crc32", record["exists"]) for record in branding])
    s.check.equal("the server after the cancelled prompts", 5, (files(t, SERVER) or [{}])[0].get("size"))
    s.check.equal("message files after the cancelled prompts", MESSAGE_FILES["before"],
                  lower(folders[3]["names"]) if len(folders) > 3 else None)
    dumps = product_values(t) + [{}, {}]
    s.check.that("no \"Installed\" after the cancelled prompts", "Installed" not in dumps[0], "no such value", dumps[0])

    # Setup chosen: the setup program runs once the prompt is answered.
    setup_starts = log.find("setup", "started")
    answered = [record["t"] for record in setup_chosen if record["event"] == "action"]
    s.check.that("the setup program ran after Setup was chosen", answered and setup_started_within(s, setup_chosen)
                 and setup_starts[-1].tick > answered[-1], "a start after tick %s" % answered[-1:], setup_starts)
    s.check.equal("setup programs started", 4, len(setup_starts))
    s.check.equal("temporary folder after the setup", False, folders[4]["exists"] if len(folders) > 4 else None)

    # The upgrade without "Cache" and without autostart registration.
    s.check.equal("the stale server replaced", crc32_of(s.config["samples"]["server"]),
                  files(t, SERVER)[-1].get("crc32") if len(files(t, SERVER)) > 1 else None)
    s.check.equal("Installed after the upgrade", 1, dumps[1].get("Installed"))
    s.check.equal("message files, without a cache folder registered", MESSAGE_FILES["before"], lower(s.listing(CACHE)))
    server_start = log.first("server", "started")
    s.check.equal("the server, launched as a program", ("program", SERVER.lower()), started_as(server_start))
    running = [set(lower(record["names"])) for record in t.events("processes")]
    s.check.that("the administration program not launched", running and "mwadmin.exe" not in running[0]
                 and not log.find("admin"), "neither running nor in the log", (running, log.find("admin")))


@scenario("winxp", "win98")
def files_in_use_under_the_branded_name(s):
    """A branded installation: its server MwPro.exe held open by a program
    that ignores the broadcasts. Interactive, the probe finds it and the run
    stops with the list of busy files; unattended, 20 probes later the
    extraction cannot create it. The administration program missing counts
    as in use too; once the server is free, an unattended run probes 20
    times for the missing program, then upgrades and starts the server
    under its branded name, and not the administration program."""
    s.run(FORGET_PRODUCT + r"""
        run e2e_branded\Installer.exe
        write-file "{server}" stale
        hold-file "{server}"
        on-window "{prompt}" press 1
        on-window "Access denied" press 1
        run e2e_branded\Installer.exe
        dir {temp}
        on-window "Couldn't create" press 1
        run e2e_branded\Installer.exe /s
        dir {temp}
        delete-file "{admin}"
        on-window "{prompt}" press 1
        on-window "Access denied" press 1
        run e2e_branded\Installer.exe
        release-file "{server}"
        run e2e_branded\Installer.exe /s
        processes
        wait-log server started
        file-info "{server}"
        file-info "{admin}"
    """.format(server=BRANDED_SERVER, admin=ADMIN, prompt=PROMPT, temp=TEMP_FOLDER))
    t, log = s.transcript, s.log
    setup_run, held, held_unattended, both, admin_missing = (runs(t) + [[]] * 5)[:5]
    s.check.equal("exit statuses", [0, 2, 2, 2, 0], [exit_code(run) for run in runs(t)])

    def messages(run):
        """The installer's message boxes: title and texts."""
        return [(window["title"], message(window)) for window in windows_of(run)
                if window["process"] == "Installer.exe" and PROMPT not in " ".join(message(window))]

    s.check.equal("message of the interactive run", [("Installer", [FILES_IN_USE % (BRANDED_SERVER + " ")])],
                  messages(held))
    s.check.equal("message of the interactive run with both in use",
                  [("Installer", [FILES_IN_USE % (BRANDED_SERVER + " " + ADMIN + " ")])], messages(both))
    s.check.equal("message of the unattended run", [("Installer", [CANNOT_CREATE % BRANDED_SERVER])],
                  messages(held_unattended))
    s.check.equal("temporary folder after the interactive and the unattended run", [False, False],
                  [folder["exists"] for folder in t.events("dir")])
    shown_at = [record["t"] for record in windows_of(held_unattended)]
    s.check.at_least("ms from the unattended start to its message", UNATTENDED_PROBES_MS,
                     shown_at[0] - held_unattended[0]["t"] if shown_at and held_unattended else None)

    server_start = log.first("server", "started")
    s.check.equal("windows of the unattended upgrade", [], windows_of(admin_missing))
    s.check.at_least("ms from the unattended start to the server's start", UNATTENDED_PROBES_MS,
                     server_start.tick - admin_missing[0]["t"] if server_start and admin_missing else None)
    s.check.equal("the server as the upgrade started it", (autostart_mode(s), BRANDED_SERVER.lower()),
                  started_as(server_start))
    s.check.equal("the server and administration program written",
                  [crc32_of(s.config["samples"]["server"]), crc32_of(s.config["samples"]["admin"])],
                  [record.get("crc32") for record in t.events("file")])
    installed = lower(s.listing(INSTALL_FOLDER)) or []
    s.check.that("no server under the built-in name", "mwpro.exe" in installed and "mailwarden.exe" not in installed,
                 "MwPro.exe alone", installed)
    running = [set(lower(record["names"])) for record in t.events("processes")]
    s.check.that("the administration program not launched", running and "mwadmin.exe" not in running[0]
                 and not log.find("admin"), "neither running nor in the log", (running, log.find("admin")))
