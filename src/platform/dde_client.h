#pragma once
// A DDE client: one conversation at a time with a service on a topic, over which items
// are requested as text.  Running browsers take the documents they are to show this way.
#include <string>

class TDdeClient {
public:
    virtual ~TDdeClient() = default;
    // Opens a conversation with Service on Topic, ending the open one first.  When the
    // service does not answer and ServiceApplication (a command line) is not empty, that
    // program is started and the conversation tried once more.  False when no
    // conversation could be opened.
    virtual bool OpenLink(const std::string& Service, const std::string& Topic,
                          const std::string& ServiceApplication) = 0;
    // Requests Item as text on the open conversation; false when the service gave no
    // answer.  Data receives the answer.
    virtual bool RequestData(const std::string& Item, std::string& Data) = 0;
    // Ends the open conversation, if any.
    virtual void CloseLink() = 0;
};
