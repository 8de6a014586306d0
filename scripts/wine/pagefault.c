/* Preloaded into Wine's processes when they run under qemu's user-mode
 * emulation (scripts/wine/lib.sh), beside noreplace.c. qemu hands a signal
 * handler the trap number -1 for a page fault instead of 14, so Wine takes
 * every fault it is meant to resolve (the guard page below a thread's stack,
 * a write-watched page) for an unknown trap and raises an illegal
 * instruction: threads die as their stacks grow, and with them, now and
 * then, the desktop process or the service control manager. The preload
 * puts the page-fault number back before Wine's handler sees the signal.
 *
 * The same source builds as an empty library for 64-bit processes, which
 * see the preload too (the wine launcher is a shell script). */
#if defined(__i386__)
#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <ucontext.h>

#define TRAP_PAGE_FAULT 14

static void (*wine_segv_handler)(int, siginfo_t*, void*);

static void segv_handler(int signal, siginfo_t* info, void* context)
{
    ucontext_t* uc = context;
    /* A positive code is a fault of an access, not a signal sent by kill. */
    if (uc->uc_mcontext.gregs[REG_TRAPNO] == -1 && info->si_code > 0)
        uc->uc_mcontext.gregs[REG_TRAPNO] = TRAP_PAGE_FAULT;
    wine_segv_handler(signal, info, context);
}

int sigaction(int signal, const struct sigaction* action, struct sigaction* old)
{
    static int (*next)(int, const struct sigaction*, struct sigaction*);
    if (!next)
        next = dlsym(RTLD_NEXT, "sigaction");
    if (signal == SIGSEGV && action && (action->sa_flags & SA_SIGINFO) && action->sa_sigaction != segv_handler) {
        struct sigaction wrapped = *action;
        wine_segv_handler = action->sa_sigaction;
        wrapped.sa_sigaction = segv_handler;
        return next(signal, &wrapped, old);
    }
    return next(signal, action, old);
}
#endif
