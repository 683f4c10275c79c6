#include "app/command_line.h"

namespace {

const char* const Switches[] = {"/html", "/perl", "/ini", "/bat", "/cpp", "/java", "/vb", "/pas"};

} // namespace

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
    if (Mode < 1 || Mode > 8) return std::string();
    return Switches[Mode - 1];
}

std::string AnsiLowerCaseAscii(const std::string& Text) {
    std::string Result = Text;
    for (std::size_t I = 0; I < Result.size(); ++I) {
        unsigned char C = static_cast<unsigned char>(Result[I]);
        if ((C >= 0x81 && C <= 0x9F) || (C >= 0xE0 && C <= 0xFC)) {
            ++I; // the trail byte may look like a capital letter
            continue;
        }
        if (C >= 'A' && C <= 'Z') Result[I] = static_cast<char>(C + 32);
    }
    return Result;
}

TCommandLine ReadCommandLine(const std::vector<std::string>& Params, int EntryMode,
                             const std::function<bool(const std::string&)>& FileExists) {
    TCommandLine Result;
    Result.EditMode = EntryMode;
    for (const std::string& Param : Params) {
        const std::string Lower = AnsiLowerCaseAscii(Param);
        for (int Mode = 1; Mode <= 8; ++Mode)
            if (Lower == Switches[Mode - 1]) Result.EditMode = Mode;
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
