#pragma once
// A message box for tests: records every message and answers with a set result.
#include "platform/message_box.h"

#include <string>
#include <vector>

class TRecordingMessageBox : public TMessageBox {
public:
    struct TMessage {
        std::string Text, Caption;
        TMessageButtons Buttons;
        TMessageIcon Icon;
    };

    TMessageResult Show(const std::string& Text, const std::string& Caption,
                        TMessageButtons Buttons, TMessageIcon Icon) override {
        Messages.push_back(TMessage{Text, Caption, Buttons, Icon});
        return Answer;
    }

    std::vector<TMessage> Messages;
    TMessageResult Answer = TMessageResult::mrOk;
};
