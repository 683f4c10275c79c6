#pragma once
// The main window's model: the document in the window (its file name, the title built
// from it, the modified mark), opening a file through the loader with its messages, and
// the command line.  The window itself (src/app/win32) only shows what this decides; the
// platform's services come in through the seam, so that tests drive it headless.
#include "app/document_files.h"
#include "codec/text_load.h"

#include <functional>
#include <string>
#include <vector>

class TEditor;
class TFileSystem;
class TMessageBox;
class TNkf;

// The parameters of a command line (without the program's name): separated by spaces
// and tabs; double quotes group spaces into a parameter and are removed.
std::vector<std::string> SplitCommandLine(const std::string& CommandLine);

// The window's title for a document: display name + " - Zefnote", with " * " before the
// dash when the text is modified.  The display name is "無題" for an untitled document,
// else the file name without folder, or the full path with FullPath.
std::string MainFormTitle(const std::string& FileName, bool Modified, bool FullPath = false);

class TMainForm {
public:
    // The services the window's logic uses; Nkf may be null (no NKF32.DLL).
    struct TServices {
        TFileSystem& Files;
        TMessageBox& Messages;
        TNkf* Nkf = nullptr;
    };

    TMainForm(TEditor& Editor, const TServices& Services);
    virtual ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Window creation: the editor's start settings, an untitled document, then the
    // command line's parameters.
    void FormCreate(const std::vector<std::string>& Params);

    // The first parameter that names an existing file is opened in this window.
    void ProcessCommandLine(const std::vector<std::string>& Params);

    // Loads FileName into the editor and makes it the current file.  A file that cannot
    // be loaded is reported in the error box and false returned: the document stays as
    // it was, except after a read that failed midway, which leaves the part read as a
    // modified, untitled text (so that saving cannot overwrite the file with it).
    bool OpenFile(const std::string& FileName);

    // Makes Name (may be empty) the current file and sets the title.
    void SetFileName(const std::string& Name);
    const std::string& CurrentFileName() const { return FCurrentFileName; }

    // The window caption.
    const std::string& Caption() const { return FCaption; }
    // Show the full path instead of the file name in the title.
    bool FullPathFileName() const { return FFullPathFileName; }
    void SetFullPathFileName(bool Value);

    // The editor's OnChange: the title gets the modified mark.
    void EditorChange();

    TEditor& Editor() { return FEditor; }
    TTextFiles& TextFiles() { return FTextFiles; }

    // The caption changed; the window shows the new one.
    std::function<void(const std::string&)> OnCaptionChange;

protected:
    // The settings the window starts with until the settings store applies its own: soft
    // wrap at 80 columns, the end-of-file and return marks shown, files loaded with
    // kanji code detection.
    virtual void ApplyStartSettings();
    // An error that reached the window: its message in the error box.
    void ShowError(const std::string& Message);

private:
    // The editor as the loader sees it.
    class TEditorFile : public TTextFileEditor {
    public:
        explicit TEditorFile(TEditor& Editor) : FEditor(Editor) {}
        TEditorStrings& Lines() override;
        TLinesHost& LinesHost() override;
        bool Modified() const override;
        void SetModified(bool Value) override;

    private:
        TEditor& FEditor;
    };

    void SetCaption(const std::string& Value);

    TEditor& FEditor;
    TFileSystem& FFiles;
    TMessageBox& FMessages;
    TEditorFile FEditorFile;
    TTextFiles FTextFiles;
    std::string FCurrentFileName;
    std::string FCaption;
    bool FFullPathFileName = false;
};
