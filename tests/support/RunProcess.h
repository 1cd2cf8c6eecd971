#pragma once
// Runs a program and collects what it printed and its exit status.

#include <string>
#include <vector>

struct ProcessResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);
