#pragma once

#include <string>
#include <vector>

// One whole process, timed from fork to exit, with its peak memory.
struct ProcessRun
{
    double seconds = 0;
    long peakKiB = 0; // the child's maximum resident set size
    bool succeeded = false;
};

// Runs argv (argv[0] a path or a program on PATH); its standard output
// goes to /dev/null, its standard error to ours.
ProcessRun RunProcess(const std::vector<std::string>& argv);

double Median(std::vector<double> values);
