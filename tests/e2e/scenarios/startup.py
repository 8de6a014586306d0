"""Start-up: the broadcasts to the product's programs, the stop of a
running server with its fixed waits, and the choice of the route."""

from harness.registry import scenario

FORGET_PRODUCT = r"reg-delete HKLM\Software\Keltermax\MailWarden"


def start_server(s):
    """Driver steps that leave the sample server running, holding the
    product's mutex: on the NT family as the service (an interactive one, on
    the user's desktop, so that it hears the broadcasts), on the 9x family
    as a program."""
    if s.is_nt:
        return r"""
            service-install MailWarden "C:\e2e\MailWarden.exe -service" demand interactive
            service-start MailWarden
            wait-log server started service
        """
    return r"""
        run-background MailWarden.exe
        wait-log server started program
    """


@scenario("winxp", "win98")
def running_server_is_stopped_before_the_route(s):
    """The server holds the mutex: it hears wParam 1, is stopped (as a
    service on NT, by wParam 2 as a program), wParam 2 follows, and the route
    starts 5 s later. Unattended on NT, so the first broadcast comes 2 s
    after the start; interactive on 9x."""
    switch = " /s" if s.is_nt else ""
    s.run(FORGET_PRODUCT + start_server(s) + r"""
        run installer\Installer.exe""" + switch + r"""
        service-query MailWarden
    """)
    t, log = s.transcript, s.log
    installer = t.first("started", program="Installer.exe")
    s.check.equal("broadcasts heard by a program without the mutex", [1, 2], t.broadcasts())
    s.check.that("the server heard wParam 1", log.first("server", "broadcast 1"), "a log line", log.find("server"))
    if s.is_nt:
        stopped = log.first("server", "stopped service")
        s.check.that("the service was stopped", stopped, "a log line", log.find("server"))
        s.check.equal("service state afterwards", "stopped", (t.first("service") or {}).get("state"))
        first_broadcast = t.first("broadcast", wParam=1)
        s.check.at_least("ms from the unattended start to wParam 1",
                         2000, first_broadcast["t"] - installer["t"] if first_broadcast else None)
        second_broadcast = t.first("broadcast", wParam=2)
        s.check.at_least("ms from the service's stop to wParam 2",
                         0, second_broadcast["t"] - stopped.tick if second_broadcast and stopped else None)
        # The wait is measured from the stop, which comes before wParam 2.
        wait_start = stopped.tick if stopped else None
    else:
        s.check.that("the program ended on wParam 2", log.first("server", "broadcast 2")
                     and log.first("server", "stopped program"), "both log lines", log.find("server"))
        wait_start = installer["t"]
    setup = log.first("setup", "started")
    s.check.that("the fresh-setup route ran", setup, "the setup program's log line", log.find("setup"))
    if setup and wait_start is not None:
        s.check.at_least("ms from the stop to the route", 5000, setup.tick - wait_start)


@scenario("winxp", "win98")
def empty_program_value_counts_as_registered(s):
    """An empty "Program" value is a registered installation: the upgrade
    route runs instead of the setup, and asks first. Cancelled, nothing
    else happens; with Setup chosen, the fresh setup follows in the same
    run."""
    s.run(FORGET_PRODUCT + r"""
        reg-set HKLM\Software\Keltermax\MailWarden Program sz
        on-window "has already been installed" esc
        run installer\Installer.exe
        on-window "has already been installed" select 1003 press 1
        run installer\Installer.exe
    """)
    t, log = s.transcript, s.log
    prompts = t.windows()
    s.check.equal("titles of the windows shown", ["Installer", "Installer"], [window["title"] for window in prompts])
    s.check.equal("radio buttons checked when the prompt opens", {1002: True, 1003: False},
                  {control["id"]: control["checked"] for control in (prompts or [{"controls": []}])[0]["controls"]
                   if "checked" in control})
    s.check.equal("broadcasts of the two runs", [1, 1], t.broadcasts())
    s.check.equal("setup programs started", 1, len(log.find("setup", "started")))
    setup = log.first("setup", "started")
    end_of_cancelled = t.of_step("run installer").first("exited")
    s.check.that("the setup program ran in the second run, not the first",
                 setup and end_of_cancelled and setup.tick > end_of_cancelled["t"],
                 "after the cancelled run ended at %s" % (end_of_cancelled or {}).get("t"), setup)
