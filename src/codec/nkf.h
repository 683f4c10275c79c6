#pragma once
// NKF32.DLL, an optional outside kanji code converter.  When the library is present the
// loader and the saver convert through it instead of the built-in converters.
#include "codec/kanji_code.h"

#include <cstddef>
#include <string>

#include "platform/library_loader.h"

class TMessageBox;

// The library's entry points use the platform's standard library calling convention.
#if defined(_WIN32)
#define ZEF_STDCALL __stdcall
#else
#define ZEF_STDCALL
#endif

extern "C" {
typedef void(ZEF_STDCALL* TGetNkfVersionProc)(char* Version);
typedef int(ZEF_STDCALL* TSetNkfOptionProc)(const char* Options);
typedef void(ZEF_STDCALL* TNkfConvertProc)(char* Output, const char* Input);
}

class TNkf {
public:
    static constexpr const char* LibraryName = "NKF32.DLL";

    TNkf(TLibraryLoader& Loader, TMessageBox& Messages) : FLoader(Loader), FMessages(Messages) {}
    ~TNkf() { FreeNkf(); }
    TNkf(const TNkf&) = delete;
    TNkf& operator=(const TNkf&) = delete;

    // Loads the library (once, at program start) and binds its entry points; an entry
    // point the library lacks is replaced by a stub that reports it in a "PANIC!!"
    // message box.  NkfLoaded turns true whenever the library itself loaded.
    void LoadNkf(const std::string& Name = LibraryName);
    // Frees the library if it was loaded (at program end; the destructor does it too).
    void FreeNkf();
    bool NkfLoaded() const { return FLoaded; }
    // True when every entry point was found.
    bool Complete() const { return FGetNkfVersion && FSetNkfOption && FNkfConvert; }
    // True when the library can convert: loaded, with its NkfConvert.  Callers that find
    // it false call NkfConvert once, so that the stub tells the user, and convert
    // without the library.
    bool CanConvert() const { return FLoaded && FNkfConvert; }

    // Converts Text as Option asks ("s" to Shift_JIS, "j" to JIS, "e" to EUC-JP).  A zero
    // byte in Text, which the library would take as the end of its input, is kept in
    // place and the pieces around it are converted one by one.
    std::string NkfConvertString(const std::string& Text, const std::string& Option);
    // The same; false when the library has no NkfConvert, so that nothing was converted
    // (Out is then left empty).
    bool NkfConvertString(const std::string& Text, const std::string& Option, std::string& Out);

    // The entry points (or their stubs).
    void GetNkfVersion(char* Version);
    void SetNkfOption(const std::string& Options);
    void NkfConvert(char* Output, const char* Input);

    // The text of the options dialog's NKF32.DLL mark.
    std::string StatusText() const { return FLoaded ? "(NKF32.DLL ON)" : ""; }

private:
    void Panic(const char* EntryPoint, bool& Shown);
    void ConvertPiece(const char* Text, std::size_t Length, std::string& Out);

    TLibraryLoader& FLoader;
    TMessageBox& FMessages;
    TLibraryHandle FHandle = 0;
    bool FLoaded = false;
    TGetNkfVersionProc FGetNkfVersion = nullptr;
    TSetNkfOptionProc FSetNkfOption = nullptr;
    TNkfConvertProc FNkfConvert = nullptr;
    bool FPanicVersion = false, FPanicOption = false, FPanicConvert = false;
};

// True when Nkf is to convert: given, loaded and with its NkfConvert.  A loaded library
// without NkfConvert has its stub tell the user, and the built-in converters take over.
bool NkfConverts(TNkf* Nkf);

// Text of a known code fed to NKF32.DLL piece by piece (a file read in blocks, a long
// text saved in parts).  Each piece handed to the library ends at a character boundary
// and, for JIS input, starts in the shift state the text is in there, so that the
// library sees no cut character or escape sequence.
class TNkfStream {
public:
    // Source: the code of the input (kcJis, kcJisOld, kcEuc or kcSjis); Option: the
    // library's option for the output.
    TNkfStream(TNkf& Nkf, TKanjiCode Source, std::string Option)
        : FNkf(Nkf), FSource(Source), FOption(std::move(Option)) {}

    // Appends the converted bytes of what is complete to Out; false when the library
    // cannot convert (nothing was appended, the bytes are lost to the stream).
    bool Feed(const char* Data, std::size_t Length, std::string& Out);
    // The end of the input: converts what is held.
    bool Finish(std::string& Out);

private:
    // JIS input: the shift state at a point, which a piece that starts there repeats
    // in front of its bytes (the library starts every call in ASCII).
    struct TJisShift {
        std::string Designation; // the last ESC sequence that chose a character set
        bool ShiftOut = false;   // between SO and SI: half-width katakana
        bool TwoByte() const { return Designation.size() >= 2 && Designation[1] == '$'; }
        std::string Prefix() const;
    };
    // The length of the longest prefix of Text that ends at a character boundary;
    // updates the shift state to the state at that point.
    std::size_t CompleteLength(const std::string& Text, TJisShift& Shift) const;
    bool Convert(const std::string& Piece, std::string& Out);

    TNkf& FNkf;
    TKanjiCode FSource;
    std::string FOption;
    std::string FHeld;
    TJisShift FShift; // JIS input: the state at the start of FHeld
};
