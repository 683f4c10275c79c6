// POSIX systems keep no record of installed programs' paths.
#ifndef _WIN32
#include "platform/app_paths.h"

std::string RegisteredAppPath(const std::string&) {
    return std::string();
}
#endif
