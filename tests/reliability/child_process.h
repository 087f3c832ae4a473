#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A program started with its standard output on a pipe.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& command);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // SIGKILL, then wait for the end.
    void kill();
    // Everything the program wrote until its end.
    std::string output();

private:
    pid_t pid_ = -1;
    int out_ = -1;
};
