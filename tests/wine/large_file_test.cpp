// A file of a gigabyte in the real Zefnote.exe: opened, the caret taken to its end with
// Ctrl+End, one character typed there and the file saved; the file on the disk must be
// the original bytes plus that character, and the process must stay within 1.4 GB of
// working set.  The file is made at run time (Shift_JIS prose, CR LF line ends).
//
// It writes two gigabytes into the artifacts folder (removed afterwards) and takes about
// half a minute under Wine; ZEF_E2E_LARGE_FILE=0 skips it on a machine short of disk.
#include "wine/e2e_support.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const long long FileBytes = 1LL << 30;

// The bytes of the test file from Offset on, Length of them: Japanese lines that vary
// with their number, so that a block put in the wrong place shows.
class TProse {
public:
    TProse() {
        const char* const Words[] = {"吾輩は猫である。", "名前はまだ無い。", "どこで生れたかとんと見当がつかぬ。",
                                     "Zefnote ", "何でも薄暗いじめじめした所で", "ニャーニャー泣いていた事だけは記憶している。"};
        // One period of 4096 lines; the file repeats it.
        for (int I = 0; I < 4096; ++I) {
            std::string Line = std::to_string(I) + " ";
            for (int W = 0; W <= I % 7; ++W)
                Line += Words[(I + W) % 6];
            Period += Line + "\r\n";
        }
    }
    char At(long long Offset) const { return Period[static_cast<std::size_t>(Offset % Period.size())]; }
    void Fill(long long Offset, char* Out, std::size_t Length) const {
        for (std::size_t I = 0; I < Length;) {
            std::size_t At = static_cast<std::size_t>((Offset + I) % Period.size());
            std::size_t N = std::min(Length - I, Period.size() - At);
            std::memcpy(Out + I, Period.data() + At, N);
            I += N;
        }
    }
    // The file's length: whole lines, just under FileBytes.
    long long Length() const { return FileBytes / Period.size() * Period.size(); }

private:
    std::string Period;
};

bool WriteProse(const std::string& Path, const TProse& Prose) {
    HANDLE F = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (F == INVALID_HANDLE_VALUE) return false;
    std::string Chunk(8u << 20, '\0');
    bool Ok = true;
    for (long long At = 0; Ok && At < Prose.Length(); At += static_cast<long long>(Chunk.size())) {
        std::size_t N = static_cast<std::size_t>(std::min<long long>(Chunk.size(), Prose.Length() - At));
        Prose.Fill(At, &Chunk[0], N);
        DWORD Written = 0;
        Ok = WriteFile(F, Chunk.data(), static_cast<DWORD>(N), &Written, nullptr) && Written == N;
    }
    CloseHandle(F);
    return Ok;
}

// True when the file holds the prose followed by Tail; Why tells the first difference.
bool HoldsProsePlus(const std::string& Path, const TProse& Prose, const std::string& Tail,
                    std::string& Why) {
    HANDLE F = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (F == INVALID_HANDLE_VALUE) {
        Why = "cannot open the saved file";
        return false;
    }
    std::string Got(8u << 20, '\0'), Want(Got.size(), '\0');
    long long At = 0, Total = Prose.Length() + static_cast<long long>(Tail.size());
    bool Ok = true;
    for (;;) {
        DWORD N = 0;
        if (!ReadFile(F, &Got[0], static_cast<DWORD>(Got.size()), &N, nullptr) || N == 0) break;
        for (DWORD I = 0; I < N && Ok; ++I) {
            long long Pos = At + I;
            char Expected = Pos < Prose.Length() ? Prose.At(Pos)
                            : Pos < Total         ? Tail[static_cast<std::size_t>(Pos - Prose.Length())]
                                                  : '\0';
            if (Pos >= Total || Got[I] != Expected) {
                Why = "the saved file differs at byte " + std::to_string(Pos);
                Ok = false;
            }
        }
        At += N;
        if (!Ok) break;
    }
    CloseHandle(F);
    if (Ok && At != Total) {
        Why = "the saved file has " + std::to_string(At) + " bytes, not " + std::to_string(Total);
        Ok = false;
    }
    return Ok;
}

TEST(LargeFile, AGigabyteIsOpenedEditedAtItsEndAndSaved) {
    const char* Opt = std::getenv("ZEF_E2E_LARGE_FILE");
    if (Opt && std::string(Opt) == "0") GTEST_SKIP() << "ZEF_E2E_LARGE_FILE=0";
    const TProse Prose;
    const std::string Path = e2e::TestPaths().artifacts + "\\large-1g.txt";
    // The file and its saved copy take two gigabytes; a machine short of disk says so
    // and skips rather than failing on a full disk.
    ULARGE_INTEGER Free{};
    const std::string Folder = e2e::TestPaths().artifacts + "\\";
    if (GetDiskFreeSpaceExA(Folder.c_str(), &Free, nullptr, nullptr) &&
        Free.QuadPart < 3ull * 1024 * 1024 * 1024)
        GTEST_SKIP() << "less than 3 GB free beside " << Folder;
    ASSERT_TRUE(WriteProse(Path, Prose)) << "cannot write " << Path;

    e2e::SettingsFile Settings("");
    const auto Start = std::chrono::steady_clock::now();
    e2e::ZefnoteProcess Zefnote("\"" + Path + "\"");
    ASSERT_TRUE(Zefnote.Started());
    HWND Main = Zefnote.WaitForMainWindow("TZefnoteMainForm", 300000);
    ASSERT_NE(nullptr, Main);
    HWND Editor = FindWindowExA(Main, nullptr, "TEditor", nullptr);
    ASSERT_NE(nullptr, Editor);
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(Main) == "large-1g.txt - Zefnote"; }, 300000))
        << e2e::WindowText(Main);
    ASSERT_TRUE(e2e::Activate(Main, Editor, 60000)) << "the editor did not get the focus";
    const auto Opened = std::chrono::steady_clock::now();

    e2e::Press(VK_END, {VK_CONTROL});
    e2e::Type("x");
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(Main) == "large-1g.txt * - Zefnote"; }, 60000))
        << e2e::WindowText(Main);
    e2e::Press('S', {VK_CONTROL});
    ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(Main) == "large-1g.txt - Zefnote"; }, 300000))
        << e2e::WindowText(Main);
    const auto Saved = std::chrono::steady_clock::now();

    PROCESS_MEMORY_COUNTERS Memory = {};
    HANDLE Process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, Zefnote.Id());
    ASSERT_NE(nullptr, Process);
    ASSERT_TRUE(GetProcessMemoryInfo(Process, &Memory, sizeof Memory));
    CloseHandle(Process);

    auto Seconds = [](std::chrono::steady_clock::duration D) {
        return std::chrono::duration<double>(D).count();
    };
    std::printf("large file: %lld bytes, opened in %.1f s, edited and saved in %.1f s, "
                "peak working set %.0f MB\n",
                Prose.Length(), Seconds(Opened - Start), Seconds(Saved - Opened),
                Memory.PeakWorkingSetSize / 1048576.0);
    EXPECT_LT(static_cast<double>(Memory.PeakWorkingSetSize), 1.4 * 1024 * 1024 * 1024);

    std::string Why;
    EXPECT_TRUE(HoldsProsePlus(Path, Prose, "x", Why)) << Why;
    PostMessageA(Main, WM_CLOSE, 0, 0);
    Zefnote.WaitForExit(60000);
    DeleteFileA(Path.c_str());
}

} // namespace
