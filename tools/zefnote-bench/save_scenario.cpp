// zefnote-bench save FILE OUT --code sjis|jis|euc: loads FILE as the load scenario
// does, then saves it to OUT in that code.
#include "bench_scenario.h"

#include "app/document_files.h"
#include "codec/text_editor_headless.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

// Messages go to standard error; a refused save is reported in the figures.
class TStderrMessageBox : public TMessageBox {
public:
    TMessageResult Show(const std::string& Text, const std::string& Caption, TMessageButtons,
                        TMessageIcon) override {
        std::fprintf(stderr, "%s: %s\n", Caption.c_str(), Text.c_str());
        return TMessageResult::mrOk;
    }
};

int RunSave(const BenchArgs& Args, BenchReport& Report) {
    std::string Code = Args.Value("--code", "sjis");
    int SaveCvt = Code == "sjis" ? 1 : Code == "jis" ? 2 : Code == "euc" ? 3 : 0;
    if (Args.positional.size() != 2 || SaveCvt == 0) {
        std::fprintf(stderr, "zefnote-bench save: FILE OUT --code sjis|jis|euc expected\n");
        return 2;
    }
    THeadlessTextEditor Editor;
    TStderrMessageBox Messages;
    TTextFiles Doc(PlatformFileSystem(), Messages);
    Doc.SetLoadAutoCvt(true);
    try {
        BenchTimer Load;
        Doc.LoadFile(Editor, Args.positional[0]);
        Report.Add("load_ms", Load.Ms());
        Doc.SetSaveCvt(SaveCvt);
        BenchTimer Save;
        bool Saved = Doc.SaveFile(Editor, Args.positional[1]);
        Report.Add("save_ms", Save.Ms());
        Report.Add("saved", static_cast<std::int64_t>(Saved));
    } catch (const std::exception& E) {
        std::fprintf(stderr, "zefnote-bench save: %s\n", E.what());
        return 1;
    }
    Report.Add("code", Code);
    Report.Add("rows", static_cast<std::int64_t>(Editor.Rows().Count()));
    return 0;
}

BenchRegistration SaveScenario("save", "FILE OUT --code X", RunSave);

} // namespace
