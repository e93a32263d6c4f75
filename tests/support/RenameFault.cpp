// Loaded with LD_PRELOAD into a test's child process: the final rename of an atomic save fails, or the process is
// killed right there, between writing the temporary file and putting it in place. TREVLIN_RENAME_FAULT says which:
// "fail" or "kill".
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// True when the call is to fail; does not return when the process is to die.
bool fault()
{
    const char *mode = std::getenv("TREVLIN_RENAME_FAULT");
    if (!mode)
        return false;
    if (std::strcmp(mode, "kill") == 0)
        ::kill(::getpid(), SIGKILL);
    errno = EIO;
    return std::strcmp(mode, "fail") == 0;
}

} // namespace

extern "C" {

int rename(const char *from, const char *to)
{
    if (fault())
        return -1;
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    if (fault())
        return -1;
    using Renameat = int (*)(int, const char *, int, const char *);
    static const auto real = reinterpret_cast<Renameat>(::dlsym(RTLD_NEXT, "renameat"));
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    if (fault())
        return -1;
    using Renameat2 = int (*)(int, const char *, int, const char *, unsigned int);
    static const auto real = reinterpret_cast<Renameat2>(::dlsym(RTLD_NEXT, "renameat2"));
    return real(fromDir, from, toDir, to, flags);
}

// An unnamed temporary file is given its name here, just before the rename.
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    if (fault())
        return -1;
    using Linkat = int (*)(int, const char *, int, const char *, int);
    static const auto real = reinterpret_cast<Linkat>(::dlsym(RTLD_NEXT, "linkat"));
    return real(fromDir, from, toDir, to, flags);
}
}
