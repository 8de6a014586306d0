"""The fresh setup: the setup archive unpacked into C:\\mw_tmp, the product
archive and the branding file placed beside the setup program, which runs
to its end, and the temporary files removed unless -x keeps them."""

from harness.registry import scenario

PRODUCT_KEY = r"HKLM\Software\Keltermax\MailWarden"
RUN_SERVICES_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\RunServices"
FORGET_PRODUCT = "reg-delete " + PRODUCT_KEY
TEMP_FOLDER = r"C:\mw_tmp"
INSTALL_FOLDER = r"C:\Program Files\MailWarden"
WEB_FILES = ["index.html", "status.html", "queue.html", "users.html", "settings.html", "help.html",
             "style.css", "logo.png", "header.png", "ok.gif", "warn.gif", "error.gif", "bullet.gif"]


def lower(names):
    return sorted(name.lower() for name in names) if names is not None else None


def texts(window):
    return [control["text"] for control in window["controls"]]


@scenario("winxp", "win98")
def fresh_setup_installs_the_product(s):
    """No installation registered: no prompt, only wParam 1, the setup
    program finds data.Z but no branding file beside it and installs the
    product; the temporary folder is gone afterwards."""
    s.run(FORGET_PRODUCT + r"""
        run installer\Installer.exe
        reg-dump %s
        reg-dump %s
        service-query MailWarden
    """ % (PRODUCT_KEY, RUN_SERVICES_KEY))
    t, log = s.transcript, s.log
    s.check.equal("windows shown", [], t.windows())
    s.check.equal("broadcasts", [1], t.broadcasts())
    s.check.equal("what the setup program found beside itself", ["data.Z present", "mw3ras.lib absent"],
                  [line.event for line in log.find("setup") if " present" in line.event or " absent" in line.event])
    started = log.first("setup", "started")
    s.check.equal("the setup program that ran", r"started c:\mw_tmp\setup.exe",
                  started.event.lower() if started else None)
    s.check.equal("the setup program's end", "finished 0", log.find("setup")[-1].event if log.find("setup") else None)
    s.check.equal("temporary folder afterwards", None, s.listing(TEMP_FOLDER))

    s.check.equal("installed files", lower(["MailWarden.exe", "MwAdmin.exe", "MwCheck.exe", "cache"] + WEB_FILES),
                  lower(s.listing(INSTALL_FOLDER)))
    s.check.equal("message files", lower(["00000001.msg", "00000002.msg", "held"]),
                  lower(s.listing(INSTALL_FOLDER + r"\cache")))
    s.check.equal("product registry values",
                  {"Program": INSTALL_FOLDER, "Product": "MailWarden", "Cache": INSTALL_FOLDER + r"\cache"},
                  t.registry(PRODUCT_KEY))
    service = t.first("service") or {}
    registered = "Keltermax_MailWarden" in (t.registry(RUN_SERVICES_KEY) or {})
    server_command = '"%s\\MailWarden.exe"' % INSTALL_FOLDER
    if s.is_nt:
        s.check.equal("the server's service", (True, "auto", server_command.lower() + " -service"),
                      (service.get("exists"), service.get("start"), service.get("program", "").lower()))
        s.check.equal("the RunServices registration", False, registered)
    else:
        s.check.equal("the server's service exists", False, service.get("exists"))
        s.check.equal("the RunServices registration", True, registered)


@scenario("winxp", "win98")
def keep_switch_leaves_the_temporary_files(s):
    """A branded installer with -x: the setup program finds the branding
    file too, installs the branded product, and the three files and the
    folder stay."""
    s.run(FORGET_PRODUCT + r"""
        run e2e_branded\Installer.exe -x
        reg-dump %s
    """ % PRODUCT_KEY)
    log = s.log
    s.check.equal("what the setup program found beside itself", ["data.Z present", "mw3ras.lib present"],
                  [line.event for line in log.find("setup") if " present" in line.event or " absent" in line.event])
    s.check.equal("temporary folder afterwards", ["data.z", "mw3ras.lib", "setup.exe"], lower(s.listing(TEMP_FOLDER)))
    installed = lower(s.listing(INSTALL_FOLDER)) or []
    s.check.that("the server is installed under the branded name", "mwpro.exe" in installed
                 and "mailwarden.exe" not in installed, "MwPro.exe and no MailWarden.exe", installed)
    s.check.that("the branding file is installed", "mw3ras.lib" in installed, "mw3ras.lib", installed)
    s.check.equal("registered product", "MailWarden Pro", (s.transcript.registry(PRODUCT_KEY) or {}).get("Product"))


@scenario("winxp", "win98")
def setup_failures_clean_up(s):
    """Installer builds with a broken payload, one after another: each run
    cleans up C:\\mw_tmp, and only the failures of the archive reader and of
    the launch speak to the user. Last, a setup archive with a file of its
    own, which keeps the folder."""
    s.run(FORGET_PRODUCT + r"""
        on-window "is damaged" press 1
        on-window "Error launching command" press 1
        run e2e_no_setup_archive\Installer.exe
        dir C:\mw_tmp
        run e2e_damaged_setup_archive\Installer.exe
        dir C:\mw_tmp
        run e2e_no_product_archive\Installer.exe
        dir C:\mw_tmp
        run e2e_setup_not_a_program\Installer.exe
        dir C:\mw_tmp
        run e2e_setup_leaves_file\Installer.exe
        dir C:\mw_tmp
    """)
    t = s.transcript
    messages = {
        "e2e_no_setup_archive": [],
        "e2e_damaged_setup_archive": [r"The archive 'C:\mw_tmp\data.Z' is damaged and cannot be unpacked."],
        "e2e_no_product_archive": [],
        "e2e_setup_not_a_program": [r"Error launching command: C:\mw_tmp\setup.exe "],
        "e2e_setup_leaves_file": [],
    }
    for build, expected in messages.items():
        run = t.of_step("run %s\\" % build)
        shown = [text for window in run.windows() if window["title"] == "Installer"
                 for text in texts(window) if text.startswith(("The archive", "Error launching", "Couldn't"))]
        s.check.equal("%s: the installer's messages" % build, expected, shown)
        s.check.that("%s: the run ended" % build, run.first("exited"), "an exit record", run.records[-1:])
    folders = t.events("dir")
    s.check.equal("C:\\mw_tmp after each run", [False, False, False, False, True],
                  [folder["exists"] for folder in folders])
    s.check.equal("what the setup program left", ["setup.log"], lower(folders[-1]["names"]) if folders else None)
    s.check.equal("setup programs that ran", 1, len(s.log.find("setup", "started")))
