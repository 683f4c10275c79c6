#pragma once
// What an edit box does when text is inserted at its selection.
#include <string>

// Replaces the selection of Text (SelStart and SelLength in bytes, kept inside the text)
// by Insert; returns the caret after the inserted text.
int ReplaceSelectedText(std::string& Text, int SelStart, int SelLength, const std::string& Insert);
