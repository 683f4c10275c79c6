#pragma once
// The application title: the caption of every message box and the end of the main
// window's title.
constexpr const char* AppTitle = "Zefnote";
