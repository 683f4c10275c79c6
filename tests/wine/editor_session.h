#pragma once
// A test fixture holding Zefnote.exe started on a sample file, its main window and its
// editor with the focus, and the editor's text read back as it changes.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class EditorSession : public ::testing::Test {
protected:
    // Writes Bytes to the artifacts folder as File and opens it with an empty clipboard.
    void Open(const std::string& bytes, const char* file = "input-sample.txt") {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        std::string path = e2e::WriteArtifact(file, bytes);
        // The font size at which EditorCells measures the editor's grid.
        Launch(path, e2e::CellSettings);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(e2e::Activate(main_, editor_, 10000)) << "the editor did not get the focus";
    }
    // Starts Zefnote.exe on the file Path with the settings Ini and waits for its main
    // window and editor (without activating them: a message box may come first).
    void Launch(const std::string& path, const std::string& ini) {
        Spawn(path, ini);
        if (HasFatalFailure()) return;
        FindMainWindow();
    }
    // The two halves of Launch, for a test that answers a message box shown before the
    // main window.
    void Spawn(const std::string& path, const std::string& ini) {
        settings_.reset(new e2e::SettingsFile(ini));
        zefnote_.reset(new e2e::ZefnoteProcess("\"" + path + "\""));
        ASSERT_TRUE(zefnote_->Started());
    }
    void FindMainWindow() {
        main_ = zefnote_->WaitForMainWindow("TZefnoteMainForm", 30000);
        ASSERT_NE(nullptr, main_);
        editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
        ASSERT_NE(nullptr, editor_);
    }
    // Waits until the editor holds Expected; returns what it holds.
    std::string WaitText(const std::string& expected) {
        std::string text;
        e2e::WaitFor([&] { return (text = e2e::EditorText(editor_)) == expected; }, 5000);
        return text;
    }

    std::unique_ptr<e2e::SettingsFile> settings_;
    std::unique_ptr<e2e::ZefnoteProcess> zefnote_;
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
};
