#pragma once
// The file a stand-in notes what it was asked in: named by the environment variable
// ZEF_STANDIN_LOG, one line a record, fields separated by tabs.
#include <string>

void AppendRecord(const std::string& Record);
std::string EnvironmentValue(const char* Name);
