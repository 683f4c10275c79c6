#include "app/command_line.h"

#include "app/edit_mode.h"
#include "base/file_name.h"

std::vector<std::string> SplitCommandLine(const std::string& CommandLine) {
    std::vector<std::string> Result;
    std::size_t I = 0;
    const std::size_t N = CommandLine.size();
    for (;;) {
        while (I < N && static_cast<unsigned char>(CommandLine[I]) <= ' ') ++I;
        if (I >= N) break;
        std::string Param;
        bool Quoted = false;
        while (I < N && (Quoted || static_cast<unsigned char>(CommandLine[I]) > ' ')) {
            if (CommandLine[I] == '"')
                Quoted = !Quoted;
            else
                Param += CommandLine[I];
            ++I;
        }
        Result.push_back(Param);
    }
    return Result;
}

std::string QuoteParameter(const std::string& Text) { return "\"" + Text + "\""; }

std::string ModeSwitch(int Mode) {
    return EditModeInfo(Mode >= 1 && Mode < EditModeCount ? Mode : 0).Switch;
}

TCommandLine ReadCommandLine(const std::vector<std::string>& Params, int EntryMode,
                             const std::function<bool(const std::string&)>& FileExists) {
    TCommandLine Result;
    Result.EditMode = EntryMode;
    for (const std::string& Param : Params) {
        const std::string Lower = AnsiLowerCaseAscii(Param);
        for (int Mode = 1; Mode < EditModeCount; ++Mode)
            if (Lower == EditModeInfo(Mode).Switch) Result.EditMode = Mode;
        if (Result.EditMode != EntryMode) break;
    }
    for (const std::string& Param : Params)
        if (AnsiLowerCaseAscii(Param) == "/p") Result.PrintOnStart = true;
    for (std::size_t I = 0; I < Params.size(); ++I) {
        if (Params[I].empty() || !FileExists(Params[I])) continue;
        if (Result.Document < 0)
            Result.Document = static_cast<int>(I);
        else
            Result.FurtherFiles.push_back(Params[I]);
    }
    return Result;
}
