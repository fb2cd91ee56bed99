#include "cli/quick/FullProgram.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <spawn.h>
#include <sys/auxv.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vexoria::cli {

namespace {

void cannotStart(const std::string& path, int error)
{
    std::fprintf(stderr, "vexoria-cli: cannot start %s: %s\n", path.c_str(), std::strerror(error));
}

} // namespace

// The running front end's own file: from /proc, or, where /proc is not
// mounted (a bare chroot), from the path it was started by.
std::string selfPath()
{
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) return std::string(self, static_cast<size_t>(n));
    const auto* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    if (started && realpath(started, self)) return self;
    return {};
}

std::string fullProgramPath()
{
    std::string dir = selfPath();
    dir.erase(dir.find_last_of('/') + 1);
    return dir + VEXORIA_CLI_PROGRAM;
}

int runLeanProgram(char** argv)
{
#ifdef VEXORIA_CLI_LEAN_PROGRAM
    std::string dir = selfPath();
    dir.erase(dir.find_last_of('/') + 1);
    execv((dir + VEXORIA_CLI_LEAN_PROGRAM).c_str(), argv);
#endif
    return runFullProgram(argv);
}

int runFullProgram(char** argv)
{
    const std::string path = fullProgramPath();
    execv(path.c_str(), argv);
    cannotStart(path, errno);
    return 1;
}

bool startFullProgram(const char* argument, Child& child)
{
    const std::string path = fullProgramPath();
    int fds[2];
    if (pipe(fds) != 0) {
        cannotStart(path, errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::string name = "vexoria-cli";
    std::string arg = argument;
    char* args[] = {name.data(), arg.data(), nullptr};
    pid_t pid = -1;
    const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[0]);
    if (error != 0) {
        close(fds[1]);
        cannotStart(path, error);
        return false;
    }
    // The child may end before it has read everything (it failed); writing
    // to it must then not end this process.
    std::signal(SIGPIPE, SIG_IGN);
    child.pid = pid;
    child.input = fds[1];
    return true;
}

int waitFullProgram(const Child& child)
{
    if (child.input >= 0) close(child.input);
    int status = 0;
    while (waitpid(child.pid, &status, 0) < 0) {
        if (errno != EINTR) return 1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    std::fprintf(stderr, "vexoria-cli: the measuring program ended with signal %d\n", WTERMSIG(status));
    return 1;
}

} // namespace vexoria::cli
