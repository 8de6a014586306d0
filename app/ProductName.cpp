#include "ProductName.h"

#include <string.h>

const char builtInProductName[] = "MailWarden";

bool ReplaceBuiltInName(const char* text, const char* productName, CString& result)
{
    const int builtInLength = (int)strlen(builtInProductName);
    CString rest(text);
    bool replaced = false;
    result.Empty();
    for (int at; (at = rest.Find(builtInProductName)) >= 0;) {
        result += rest.Left(at);
        result += productName;
        rest = rest.Mid(at + builtInLength);
        replaced = true;
    }
    result += rest;
    return replaced;
}
