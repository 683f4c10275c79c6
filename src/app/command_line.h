#pragma once
// The program's command line: mode switches, "/p" and file names.
#include <functional>
#include <string>
#include <vector>

// The parameters of a command line as the program sees them: separated by blanks,
// double quotes grouping blanks into a parameter and removed.
std::vector<std::string> SplitCommandLine(const std::string& CommandLine);

// A parameter in double quotes, as a new process of the program is given a file name or
// a working folder.
std::string QuoteParameter(const std::string& Text);

// The switch that starts a process in Mode ("/html" for 1 ... "/pas" for 8); empty for
// mode 0 and out-of-range values.
std::string ModeSwitch(int Mode);

struct TCommandLine {
    // The edit mode after the switches: the first switch that changes the mode at entry
    // wins.
    int EditMode = 0;
    bool PrintOnStart = false;
    // The document: the first parameter that names an existing file; -1 when none.
    int Document = -1;
    // The parameters after the document that name existing files.
    std::vector<std::string> FurtherFiles;
};

// Walks Params (the parameters without the program's own name) from EntryMode.
TCommandLine ReadCommandLine(const std::vector<std::string>& Params, int EntryMode,
                             const std::function<bool(const std::string&)>& FileExists);
