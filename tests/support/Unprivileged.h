#pragma once

// Root reads and writes whatever the permissions say, so a check of an unreadable file or a read-only folder is run
// again as the unprivileged user "nobody": the running test function, in a child process of the same test program.
namespace Unprivileged {

// True when the caller is done: the check ran in the child, whose verdict is now the test's, or it could not run
// and the test is skipped. False when this process is already unprivileged and runs the check itself.
bool ranAsNobody();

} // namespace Unprivileged
