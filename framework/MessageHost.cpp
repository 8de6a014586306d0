#include "Message.h"

#include "String.h"

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

void ShowMessage(unsigned textId, ...)
{
    CString format, text;
    format.LoadText(textId);
    va_list args;
    va_start(args, textId);
    text.FormatV(format, args);
    va_end(args);
    Shown().push_back(text.GetString());
    if (currentHook)
        currentHook(text);
}

void SetMessageHook(MessageHook hook) { currentHook = hook; }
int MessageCount() { return (int)Shown().size(); }
const char* LastMessage() { return Shown().empty() ? "" : Shown().back().c_str(); }
void ClearMessages() { Shown().clear(); }
