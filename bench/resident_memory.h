#pragma once

// The resident memory of a process, VmRSS in /proc/<process>/status, in KiB.
#include <fstream>
#include <optional>
#include <string>

inline std::optional<long> ResidentKiB(const std::string& process = "self")
{
    std::ifstream status("/proc/" + process + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            if (status >> kib)
                return kib;
            return std::nullopt;
        }
        status.ignore(1 << 12, '\n');
    }
    return std::nullopt;
}
