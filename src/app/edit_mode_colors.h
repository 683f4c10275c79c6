#pragma once
// The colouring each edit mode configures on a settings set: comment markers, quotes,
// bracket pairs, URL and mail recognition, the keyword list and the colours of these.
#include "app/settings/option_record.h"

#include <functional>
#include <string>

class TEditorProp;
class TFileSystem;
class TWordList;

// Loads a keyword file (one word a line) into Words; false, Words untouched, when the
// file cannot be read.
using TKeywordLoader = std::function<bool(const std::string& FileName, TWordList& Words)>;

// Configures Prop for Mode (an available mode, 0 to 8) from the option record's colours;
// the keyword file of the mode is read through Load when the mode has one.
void ConfigureEditMode(TEditorProp& Prop, int Mode, const TOptionRecord& Options,
                       const TKeywordLoader& Load);

// Reads a keyword file through Files.
bool LoadKeywordFile(TFileSystem& Files, const std::string& Path, TWordList& Words);
