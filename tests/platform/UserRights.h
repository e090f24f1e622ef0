#pragma once
// Running a step of a test as an ordinary user. A test run by root forks a
// child that gives up root's rights first (user kUser, group kUserGroup, also
// in kSharedGroup); a test run by anyone else runs the step directly.
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tw::test {

inline constexpr uid_t kUser = 4321;
inline constexpr gid_t kUserGroup = 4321;
inline constexpr gid_t kSharedGroup = 5555;
inline constexpr uid_t kOtherUser = 1234;

inline bool runsAsRoot() { return ::geteuid() == 0; }

// True when the step returned true. The step must not touch Qt's GUI.
inline bool runAsUser(const std::function<bool()>& step)
{
    if (!runsAsRoot())
        return step();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const gid_t groups[] = {kUserGroup, kSharedGroup};
        if (::setgroups(2, groups) != 0 || ::setgid(kUserGroup) != 0 || ::setuid(kUser) != 0)
            ::_exit(2);
        ::_exit(step() ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace tw::test
