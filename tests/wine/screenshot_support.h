#pragma once
// Screenshots of the X display for end-to-end tests: Wine cannot copy another process's
// window from a Windows program, so the whole screen is taken by a Unix program and
// checked at the cells the editor's grid puts each thing in.  The screenshots stay in
// the artifacts folder.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

// A binary PPM (P6) screenshot.
struct Shot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    bool Load(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::string magic;
        int maxval = 0;
        in >> magic >> width >> height >> maxval;
        in.get();
        if (magic != "P6" || maxval != 255 || width <= 0 || height <= 0) return false;
        rgb.resize(static_cast<size_t>(width) * height * 3);
        in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
        return static_cast<size_t>(in.gcount()) == rgb.size();
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
        const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return RGB(p[0], p[1], p[2]);
    }
};

class Screenshot : public ::testing::Test {
protected:
    // Starts Zefnote.exe with Arguments, brings its editor to the front and waits for it
    // to hold Text.
    void Start(const std::string& arguments, const std::string& text) {
        zefnote_.reset(new ZefnoteProcess(arguments));
        ASSERT_TRUE(zefnote_->Started());
        main_ = zefnote_->WaitForMainWindow("TZefnoteMainForm", 30000);
        ASSERT_NE(nullptr, main_);
        editor_ = FindWindowExA(main_, nullptr, "TEditor", nullptr);
        ASSERT_NE(nullptr, editor_);
        ASSERT_TRUE(Activate(main_, editor_, 10000));
        ASSERT_TRUE(WaitFor([&] { return EditorText(editor_) == text; }, 10000));
        cells_.reset(new EditorCells(editor_));
    }
    // Pixels of colour C in the cells Col ... Col + Cols - 1 of a row (text height).
    int Count(int row, int col, int cols, COLORREF c) const {
        int n = 0;
        for (int y = cells_->Top(row); y < cells_->Top(row) + cells_->height; ++y)
            for (int x = cells_->X(col); x < cells_->X(col + cols); ++x) {
                POINT p = {x, y};
                ClientToScreen(editor_, &p);
                if (shot_.At(p.x, p.y) == c) ++n;
            }
        return n;
    }
    int Area(int cols) const { return cols * cells_->width * cells_->height; }
    // Takes the screenshot NAME.ppm (and NAME.png to look at) of the display.  Wine
    // does not wait for a Unix program's end, so the picture is awaited until it has all
    // its pixels.
    bool Take(const std::string& name) {
        std::string dir = e2e::ToUnixPath(e2e::TestPaths().artifacts);
        std::string ppm = dir + "/" + name + ".ppm";
        std::string windowsPpm = e2e::TestPaths().artifacts + "\\" + name + ".ppm";
        DeleteFileA(windowsPpm.c_str());
        if (!e2e::RunUnix("/usr/bin/import -window root -depth 8 " + ppm, 30000)) return false;
        if (!e2e::WaitFor([&] { return shot_.Load(windowsPpm); }, 30000)) return false;
        e2e::RunUnix("/usr/bin/convert " + ppm + " " + dir + "/" + name + ".png", 30000);
        return true;
    }

    std::unique_ptr<ZefnoteProcess> zefnote_;
    HWND main_ = nullptr, editor_ = nullptr;
    std::unique_ptr<e2e::EditorCells> cells_;
    Shot shot_;
};

} // namespace e2e
