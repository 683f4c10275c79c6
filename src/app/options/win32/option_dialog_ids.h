#pragma once
// The ids of the options dialog's and the tool entry dialog's controls, for the windows
// and for tests that drive them: control i of OptionFormControls() has the id
// OptionFirstId + i, its up-down that id + OptionUpDownOffset.
enum : int {
    OptionTabId = 900,
    OptionApplyId = 901,
    OptionFirstId = 1000,
    OptionUpDownOffset = 500,
};

enum : int {
    ToolNameId = 100, ToolExeId, ToolExeBrowseId, ToolOptionId, ToolPlaceholderId, ToolTempId, ToolTempBrowseId,
    ToolSaveId, ToolKeyId,
};
