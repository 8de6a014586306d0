#include "Message.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string>& Shown()
{
    static std::vector<std::string> texts;
    return texts;
}

MessageHook currentHook = nullptr;

}

void ShowMessageText(const char* text)
{
    Shown().push_back(text);
    if (currentHook)
        currentHook(text);
}

void SetMessageHook(MessageHook hook) { currentHook = hook; }
int MessageCount() { return (int)Shown().size(); }
const char* LastMessage() { return Shown().empty() ? "" : Shown().back().c_str(); }
void ClearMessages() { Shown().clear(); }
