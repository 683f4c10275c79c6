#pragma once
// Starting programs and opening documents through the shell, and the facts about this
// program's own executable that doing so needs.
#include <string>

class TShell {
public:
    virtual ~TShell() = default;
    // Opens File with Verb ("open") in a normal window; Parameters and Directory may be
    // empty.  Returns the shell's result number: greater than 32 on success.
    virtual int Execute(const std::string& Verb, const std::string& File,
                        const std::string& Parameters, const std::string& Directory) = 0;
    // The full path of the running program.
    virtual std::string ProgramFileName() = 0;
    // The target path of a shell shortcut (.lnk); empty when it cannot be resolved.
    virtual std::string ShortcutTarget(const std::string& LinkFile) = 0;
    // The long form of Path, each component replaced by its long name; Path unchanged
    // when it cannot be found.
    virtual std::string LongPathName(const std::string& Path) = 0;
    // The platform's short (8.3) form of an existing Path; empty when it has none.
    virtual std::string ShortPathName(const std::string& Path) = 0;
};
