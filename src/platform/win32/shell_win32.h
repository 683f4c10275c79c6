#pragma once
// The shell through ShellExecuteA, the program's own path, shortcut targets through the
// shell link interface, long and short path names.
#include "platform/shell.h"

class TWin32Shell : public TShell {
public:
    int Execute(const std::string& Verb, const std::string& File, const std::string& Parameters,
                const std::string& Directory) override;
    std::string ProgramFileName() override;
    std::string ShortcutTarget(const std::string& LinkFile) override;
    std::string LongPathName(const std::string& Path) override;
    std::string ShortPathName(const std::string& Path) override;
};
