#include "shell/version.h"

#include "shell/generated_version.h"

#include <cstdio>

namespace revtal {

std::string shownVersion(int major, int minor, int revision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d.%02d.%03d", major, minor, revision);
    return buffer;
}

int numericVersion(int major, int minor, int revision)
{
    return std::stoi(std::to_string(major) + std::to_string(minor) + std::to_string(revision));
}

std::string shownVersion() { return shownVersion(version::major, version::minor, version::revision); }
int numericVersion() { return numericVersion(version::major, version::minor, version::revision); }

}  // namespace revtal
