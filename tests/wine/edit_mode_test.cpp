// Zefnote.exe chooses the edit mode from the file's extension, the command-line switch
// and the mode menu, names it in the status bar and paints each mode's colours at the
// cells they belong to.
#include "wine/screenshot_support.h"

namespace {

const COLORREF red = RGB(0xFF, 0x00, 0x00);
const COLORREF green = RGB(0x00, 0x80, 0x00);
const COLORREF blue = RGB(0x00, 0x00, 0xFF);
const COLORREF fuchsia = RGB(0xFF, 0x00, 0xFF);

// The font and margin the cells are measured in, and every colour the modes paint, each one that a
// check can tell apart.
const char* const kSettings =
    "[Option]\r\nFontSize=12\r\nLeftMargin=19\r\nTabMark=1\r\nSpMark=1\r\n"
    "[Color]\r\nHtml_Option=clRed\r\nIni_Key=clRed\r\nIni_Sec=clBlue\r\nIni_Comment=clGreen\r\n"
    "Bat_Comment=clRed\r\nCpp_KeyWord=clRed\r\nCpp_Comment=clGreen\r\nPas_KeyWord=clRed\r\n"
    "Pas_Comment=clGreen\r\nTab=clFuchsia\r\n";

class EditModes : public e2e::Screenshot {
protected:
    EditModes() : settings_(kSettings) {}

    void Open(const std::string& name, const std::string& text) {
        Start("\"" + e2e::WriteArtifact(name, text) + "\"", text);
    }
    ::testing::AssertionResult ModeShown(const std::string& mode) {
        std::string shown;
        if (e2e::WaitFor([&] { return (shown = e2e::StatusPanelText(main_, 2)) == mode; }, 10000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "panel 2 shows \"" << shown << "\"";
    }
    void Shoot(const std::string& name) {
        InvalidateRect(editor_, nullptr, TRUE);
        UpdateWindow(editor_);
        SendMessageA(editor_, WM_NULL, 0, 0);
        ASSERT_TRUE(Take(name)) << "no screenshot from import";
    }
    // Some pixels of colour C in the cells.
    bool Shows(int row, int col, int cols, COLORREF c) const {
        return Count(row, col, cols, c) > Area(cols) / 30;
    }

    e2e::SettingsFile settings_;
};

} // namespace

TEST_F(EditModes, HtmlAttributeValuesInTags) {
    ASSERT_NO_FATAL_FAILURE(Open("mode.html", "<a href=\"x.htm\">text</a>\r\n"));
    ASSERT_TRUE(ModeShown("HTML"));
    Shoot("mode-html");
    EXPECT_TRUE(Shows(0, 8, 7, red)) << "the attribute value is not in Html_Option";
    EXPECT_EQ(0, Count(0, 0, 8, red));
    EXPECT_EQ(0, Count(0, 16, 8, red)) << "text outside the tag in Html_Option";
}

TEST_F(EditModes, IniSectionsValuesCommentsAndTabMarks) {
    ASSERT_NO_FATAL_FAILURE(Open("mode.INI", "[Sec]\r\nkey=value\r\n  ;note\r\nx\ty=\r\n"));
    ASSERT_TRUE(ModeShown("INI"));
    Shoot("mode-ini");
    EXPECT_TRUE(Shows(0, 0, 5, blue));
    EXPECT_TRUE(Shows(1, 4, 5, red)) << "the value is not in Ini_Key";
    EXPECT_EQ(0, Count(1, 0, 4, red));
    EXPECT_TRUE(Shows(2, 2, 5, green));
    // Row 3: the tab's chevron in the Tab colour, no value after a final "=".
    EXPECT_GT(Count(3, 1, 1, fuchsia), 0) << "no tab mark";
    EXPECT_EQ(0, Count(3, 2, 12, red));
}

TEST_F(EditModes, BatCommentRows) {
    ASSERT_NO_FATAL_FAILURE(Open("mode.bat", "Rem first\r\necho rem\r\n"));
    ASSERT_TRUE(ModeShown("BAT"));
    Shoot("mode-bat");
    EXPECT_TRUE(Shows(0, 0, 9, red));
    EXPECT_EQ(0, Count(1, 0, 8, red));
}

TEST_F(EditModes, CppKeywordsFromTheFileBesideTheProgram) {
    ASSERT_NO_FATAL_FAILURE(Open("mode.cpp", "int x; // note\r\n"));
    ASSERT_TRUE(ModeShown("C/C++"));
    Shoot("mode-cpp");
    EXPECT_TRUE(Shows(0, 0, 3, red)) << "cpp.kwd was not read";
    EXPECT_EQ(0, Count(0, 4, 2, red));
    EXPECT_TRUE(Shows(0, 7, 7, green));
}

TEST_F(EditModes, DelphiKeywordsAndBraceComments) {
    ASSERT_NO_FATAL_FAILURE(Open("mode.pas", "begin { c } end;\r\n"));
    ASSERT_TRUE(ModeShown("Delphi"));
    Shoot("mode-pas");
    EXPECT_TRUE(Shows(0, 0, 5, red)) << "delphi.kwd was not read";
    EXPECT_TRUE(Shows(0, 6, 5, green));
    EXPECT_TRUE(Shows(0, 12, 3, red));
}

TEST_F(EditModes, SwitchAndModeMenu) {
    ASSERT_NO_FATAL_FAILURE(Start("/bat", ""));
    EXPECT_TRUE(ModeShown("BAT"));
    zefnote_.reset();

    ASSERT_NO_FATAL_FAILURE(Open("mode.txt", "key=value\r\n"));
    ASSERT_TRUE(ModeShown("標準"));
    // View > Edit mode > INI.
    e2e::Press('V', {VK_MENU});
    e2e::Press('M');
    e2e::Press('I');
    ASSERT_TRUE(ModeShown("INI"));
    Shoot("mode-menu-ini");
    EXPECT_TRUE(Shows(0, 4, 5, red));
}
