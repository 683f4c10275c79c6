#pragma once
// The options dialog's window for tests: a script plays the user, queues answer the
// choosers.
#include "app/options/option_form.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// A dialog window that answers its choosers from queues.
class TFakeOptionHost : public TOptionFormHost {
public:
    std::deque<TColor> Colors;         // colour chooser answers; empty cancels
    std::deque<std::string> Files;     // open dialog answers; empty cancels
    std::deque<TToolItem> ToolAnswers; // tool dialog answers; empty cancels
    std::vector<std::string> OpenTitles;
    std::vector<TFileDialogParams> OpenRequests;
    std::vector<TToolItem> ToolRequests;
    TFontDialogParams FontRequest;
    bool FontAnswer = false;

    // What the user does in the dialog, and how it is closed.
    std::function<TOptionResult(TOptionForm&)> Script = [](TOptionForm&) { return TOptionResult::orOk; };
    int Page = -1, Left = -1, Top = -1;

    TOptionResult ShowModal(TOptionForm& Form, int L, int T, int P) override {
        Page = P, Left = L, Top = T;
        return Script(Form);
    }
    void ClientOrigin(int& Left, int& Top) override { Left = 50, Top = 60; }
    bool ExecuteFontDialog(TFontDialogParams& Params) override {
        FontRequest = Params;
        if (!FontAnswer) return false;
        Params.Name = "ＭＳ ゴシック";
        Params.Size = 12;
        return true;
    }
    bool ExecuteColorDialog(TColor& Color, int, int) override {
        if (Colors.empty()) return false;
        Color = Colors.front();
        Colors.pop_front();
        return true;
    }
    bool ExecuteOpenDialog(const std::string& Title, TFileDialogParams& Params) override {
        OpenTitles.push_back(Title);
        OpenRequests.push_back(Params);
        if (Files.empty()) return false;
        Params.FileName = Files.front();
        Files.pop_front();
        return true;
    }
    bool ExecuteToolDialog(TToolItem& Tool) override {
        ToolRequests.push_back(Tool);
        if (ToolAnswers.empty()) return false;
        Tool = ToolAnswers.front();
        ToolAnswers.pop_front();
        return true;
    }
};

