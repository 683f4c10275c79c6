#pragma once
// The paths the system records for installed programs (on Windows the default value of
// "SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\<program>" under the local
// machine's root).
#include <string>

// The recorded path of ProgramFile ("IEXPLORE.EXE"), environment variables expanded;
// empty when the system records none or has no such record at all.
std::string RegisteredAppPath(const std::string& ProgramFile);
