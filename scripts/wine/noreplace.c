/* Preloaded into Wine's processes when they run under qemu's user-mode
 * emulation (scripts/wine/lib.sh). Wine reserves the address space above
 * 2 GB by probing it with MAP_FIXED_NOREPLACE, down to 64 KB pieces. qemu
 * treats that flag as a mere hint, so every probe costs a search of the
 * guest address space plus a map and an unmap elsewhere: tens of thousands
 * of them, half a minute of CPU for each process started. The preload
 * refuses those probes at once, as a kernel that knew the flag would for a
 * range it cannot give; Wine then leaves that range alone.
 *
 * The same source builds as an empty library for 64-bit processes, which
 * see the preload too (the wine launcher is a shell script). */
#if defined(__i386__)
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdint.h>
#include <sys/mman.h>
#include <sys/types.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

static int refused(void* addr, int flags)
{
    return (flags & MAP_FIXED_NOREPLACE) && (uintptr_t)addr >= 0x80000000u;
}

void* mmap64(void* addr, size_t length, int prot, int flags, int fd, off64_t offset)
{
    static void* (*next)(void*, size_t, int, int, int, off64_t);
    if (refused(addr, flags)) {
        errno = EEXIST;
        return MAP_FAILED;
    }
    if (!next)
        next = dlsym(RTLD_NEXT, "mmap64");
    return next(addr, length, prot, flags, fd, offset);
}

void* mmap(void* addr, size_t length, int prot, int flags, int fd, off_t offset)
{
    static void* (*next)(void*, size_t, int, int, int, off_t);
    if (refused(addr, flags)) {
        errno = EEXIST;
        return MAP_FAILED;
    }
    if (!next)
        next = dlsym(RTLD_NEXT, "mmap");
    return next(addr, length, prot, flags, fd, offset);
}
#endif
