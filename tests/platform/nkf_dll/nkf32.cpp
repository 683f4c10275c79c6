// A stand-in for NKF32.DLL built from our own converters, so that the program's
// dynamic-loading path can be exercised for real.  The variant built without
// NKF_STAND_IN_CONVERT lacks the NkfConvert entry point.
#include "nkf_stand_in.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {
std::string Option = "s";
}

extern "C" {

void __stdcall GetNkfVersion(char* Version) {
    std::strcpy(Version, "Zefnote stand-in 1.0");
}

int __stdcall SetNkfOption(const char* Options) {
    Option = Options ? Options : "";
    return 0;
}

#ifdef NKF_STAND_IN_CONVERT
void __stdcall NkfConvert(char* Output, const char* Input) {
    std::string Result = NkfStandInConvert(Option, Input);
    std::memcpy(Output, Result.c_str(), Result.size() + 1);
}
#endif
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
