#include "tests/reliability/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& command)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    out_ = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    kill();
    if (out_ >= 0)
        close(out_);
}

void ChildProcess::kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::string ChildProcess::output()
{
    std::string text;
    char buffer[4096];
    ssize_t count = 0;
    while (out_ >= 0 && (count = read(out_, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}
