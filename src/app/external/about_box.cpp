#include "app/external/about_box.h"

#include "app/app_info.h"
#include "search/search_dialogs.h"

TAboutBox::TAboutBox()
    : URLLabel1(HomePageUrl), URLLabel2(std::string("mailto:") + MailAddress) {}

void TAboutBox::FormShow() {
    AppName = ApplicationTitle;
    VerNo = ApplicationVersion;
}

TWindowRect TAboutBox::Placement(int EditorLeft, int EditorTop, int Width, int Height,
                                 const TWindowRect& WorkArea) {
    const int Left = EditorLeft + 24, Top = EditorTop + 24;
    return FitToWorkArea({Left, Top, Left + Width, Top + Height}, WorkArea);
}
