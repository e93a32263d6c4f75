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

// Fails the call as fault() says, or else hands it to the C library's own function of that name.
template<typename Function, typename... Arguments> int pass(const char *name, Arguments... arguments)
{
    if (fault())
        return -1;
    static const auto real = reinterpret_cast<Function *>(::dlsym(RTLD_NEXT, name));
    return real(arguments...);
}

} // namespace

extern "C" {

int rename(const char *from, const char *to)
{
    return pass<int(const char *, const char *)>("rename", from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    return pass<int(int, const char *, int, const char *)>("renameat", fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    return pass<int(int, const char *, int, const char *, unsigned int)>("renameat2", fromDir, from, toDir, to, flags);
}

// An unnamed temporary file is given its name here, just before the rename.
int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return pass<int(int, const char *, int, const char *, int)>("linkat", fromDir, from, toDir, to, flags);
}
}
