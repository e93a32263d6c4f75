// Loaded with LD_PRELOAD into a test's child process: the final rename of an atomic save fails, or the process is
// killed right there, between writing the temporary file and putting it in place. TREVLIN_RENAME_FAULT says which:
// "fail" or "kill", or "once:<end>" to fail only the first rename whose new name ends in <end>. Linked into a test
// itself instead, it stands in for the C library's functions there too.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// True when the call that gives a file the name to is to fail; does not return when the process is to die.
bool fault(const char *to)
{
    const char *mode = std::getenv("TREVLIN_RENAME_FAULT");
    if (!mode)
        return false;
    if (std::strcmp(mode, "kill") == 0)
        ::kill(::getpid(), SIGKILL);
    if (std::strncmp(mode, "once:", 5) == 0) {
        // The fault that has struck already, so that a test setting another one gets that one too.
        static char struck[4096] = "";
        const size_t length = std::strlen(to);
        const size_t endLength = std::strlen(mode + 5);
        if (std::strcmp(struck, mode) == 0 || length < endLength || std::strcmp(to + length - endLength, mode + 5) != 0)
            return false;
        std::strncpy(struck, mode, sizeof struck - 1);
    }
    errno = EIO;
    return std::strcmp(mode, "fail") == 0 || std::strncmp(mode, "once:", 5) == 0;
}

// Fails the call as fault() says, or else hands it to the C library's own function of that name.
template<typename Function, typename... Arguments> int pass(const char *name, const char *to, Arguments... arguments)
{
    if (fault(to))
        return -1;
    static const auto real = reinterpret_cast<Function *>(::dlsym(RTLD_NEXT, name));
    return real(arguments...);
}

} // namespace

extern "C" {

int rename(const char *from, const char *to)
{
    return pass<int(const char *, const char *)>("rename", to, from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    return pass<int(int, const char *, int, const char *)>("renameat", to, fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    return pass<int(int, const char *, int, const char *, unsigned int)>("renameat2", to, fromDir, from, toDir, to,
                                                                         flags);
}

// An unnamed temporary file is given its name here, just before the rename.
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return pass<int(int, const char *, int, const char *, int)>("linkat", to, fromDir, from, toDir, to, flags);
}
}
