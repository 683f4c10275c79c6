#include "codec/nkf.h"

#include "base/shift_jis.h"
#include "platform/message_box.h"

#include <cstring>
#include <vector>

void TNkf::LoadNkf(const std::string& Name) {
    FreeNkf();
    TLibraryHandle H = FLoader.Load(Name);
    // Handles below 32 are the error codes of the old loader.
    if (H < 32) return;
    FHandle = H;
    FLoaded = true;
    FGetNkfVersion = reinterpret_cast<TGetNkfVersionProc>(FLoader.ProcAddress(H, "GetNkfVersion"));
    FSetNkfOption = reinterpret_cast<TSetNkfOptionProc>(FLoader.ProcAddress(H, "SetNkfOption"));
    FNkfConvert = reinterpret_cast<TNkfConvertProc>(FLoader.ProcAddress(H, "NkfConvert"));
    FPanicVersion = FPanicOption = FPanicConvert = false;
}

void TNkf::FreeNkf() {
    if (FLoaded) FLoader.Free(FHandle);
    FHandle = 0;
    FLoaded = false;
    FGetNkfVersion = nullptr;
    FSetNkfOption = nullptr;
    FNkfConvert = nullptr;
}

// A missing entry point says so once; a file of thousands of blocks would otherwise
// raise a message box for every block.
void TNkf::Panic(const char* EntryPoint, bool& Shown) {
    if (Shown) return;
    Shown = true;
    FMessages.Show(std::string("NKF32.DLL に ") + EntryPoint + " がありません。", "PANIC!!",
                   TMessageButtons::mbOk, TMessageIcon::miError);
}

void TNkf::GetNkfVersion(char* Version) {
    if (FGetNkfVersion)
        FGetNkfVersion(Version);
    else
        Panic("GetNkfVersion", FPanicVersion);
}

void TNkf::SetNkfOption(const std::string& Options) {
    if (FSetNkfOption)
        FSetNkfOption(Options.c_str());
    else
        Panic("SetNkfOption", FPanicOption);
}

void TNkf::NkfConvert(char* Output, const char* Input) {
    if (FNkfConvert)
        FNkfConvert(Output, Input);
    else
        Panic("NkfConvert", FPanicConvert);
}

void TNkf::ConvertPiece(const char* Text, std::size_t Length, std::string& Out) {
    if (Length == 0) return;
    std::string Input(Text, Length);
    // The library writes at most six bytes for every byte it reads; the buffer starts
    // zeroed so that a stub leaves it an empty string.
    std::vector<char> Output(6 * Length + 1, '\0');
    NkfConvert(Output.data(), Input.c_str());
    Output.back() = '\0';
    Out.append(Output.data(), std::strlen(Output.data()));
}

bool TNkf::NkfConvertString(const std::string& Text, const std::string& Option, std::string& Out) {
    Out.clear();
    SetNkfOption(Option);
    if (Text.empty()) return true;
    if (!FNkfConvert) {
        NkfConvert(nullptr, nullptr);
        return false;
    }
    std::size_t Start = 0;
    for (;;) {
        std::size_t Zero = Text.find('\0', Start);
        ConvertPiece(Text.data() + Start, (Zero == std::string::npos ? Text.size() : Zero) - Start,
                     Out);
        if (Zero == std::string::npos) break;
        Out += '\0';
        Start = Zero + 1;
    }
    return true;
}

std::string TNkf::NkfConvertString(const std::string& Text, const std::string& Option) {
    std::string Out;
    NkfConvertString(Text, Option, Out);
    return Out;
}

// TNkfStream -----------------------------------------------------------------------------

std::string TNkfStream::TJisShift::Prefix() const {
    std::string P;
    // ASCII and JIS-Roman need no escape: every call starts in them.
    if (TwoByte() || Designation == "\x1B(I") P = Designation;
    if (ShiftOut) P += '\x0E';
    return P;
}

std::size_t TNkfStream::CompleteLength(const std::string& Text, TJisShift& Shift) const {
    const unsigned char* S = reinterpret_cast<const unsigned char*>(Text.data());
    std::size_t N = Text.size(), I = 0;
    switch (FSource) {
    case TKanjiCode::kcJis:
    case TKanjiCode::kcJisOld:
        while (I < N) {
            unsigned char B = S[I];
            if (B == 0x1B) {
                // ESC $ F, ESC ( F and ESC $ ( F: the final byte is the first at or
                // above 0x30.
                std::size_t E = I + 1;
                while (E < N && E < I + 4 && S[E] < 0x30)
                    ++E;
                if (E >= N) break;
                Shift.Designation.assign(Text, I, E + 1 - I);
                I = E + 1;
            } else if (B == 0x0E || B == 0x0F) {
                Shift.ShiftOut = B == 0x0E;
                ++I;
            } else if (Shift.TwoByte() && !Shift.ShiftOut && B >= 0x21 && B <= 0x7E) {
                if (I + 1 >= N) break;
                I += (S[I + 1] >= 0x21 && S[I + 1] <= 0x7E) ? 2 : 1;
            } else {
                ++I;
            }
        }
        return I;
    case TKanjiCode::kcEuc:
        while (I < N) {
            unsigned char B = S[I];
            // SS3 (0x8F) starts a three-byte character, every other byte from 0x81 on
            // (SS2 included) a two-byte one.
            std::size_t Width = B < 0x81 || B == 0xFF ? 1 : B == 0x8F ? 3 : 2;
            if (I + Width > N) break;
            I += Width;
        }
        return I;
    case TKanjiCode::kcSjis:
        while (I < N) {
            unsigned char B = S[I];
            if (IsSjisLeadByte(B)) {
                if (I + 1 >= N) break;
                I += 2;
            } else {
                ++I;
            }
        }
        return I;
    default:
        return N;
    }
}

bool TNkfStream::Convert(const std::string& Piece, std::string& Out) {
    std::string Converted;
    if (!FNkf.NkfConvertString(Piece, FOption, Converted)) return false;
    Out += Converted;
    return true;
}

bool TNkfStream::Feed(const char* Data, std::size_t Length, std::string& Out) {
    FHeld.append(Data, Length);
    TJisShift Shift = FShift;
    std::size_t Complete = CompleteLength(FHeld, Shift);
    if (Complete == 0) return true;
    std::string Piece = FShift.Prefix();
    Piece.append(FHeld, 0, Complete);
    FHeld.erase(0, Complete);
    FShift = Shift;
    return Convert(Piece, Out);
}

bool TNkfStream::Finish(std::string& Out) {
    if (FHeld.empty()) return true;
    std::string Piece = FShift.Prefix() + FHeld;
    FHeld.clear();
    FShift = TJisShift();
    return Convert(Piece, Out);
}

bool NkfConverts(TNkf* Nkf) {
    if (!Nkf || !Nkf->NkfLoaded()) return false;
    if (Nkf->CanConvert()) return true;
    Nkf->NkfConvert(nullptr, nullptr);
    return false;
}
