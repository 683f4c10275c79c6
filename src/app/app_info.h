#pragma once
// What the program says about itself: its title, version and where to find its makers.
constexpr const char* ApplicationTitle = "Zefnote";
constexpr const char* ApplicationVersion = "Version 0.50";
constexpr const char* HomePageUrl = "https://zefnote.github.io/";
constexpr const char* HelpPageUrl = "https://zefnote.github.io/help/";
constexpr const char* MailAddress = "zefnote@users.sourceforge.jp";
