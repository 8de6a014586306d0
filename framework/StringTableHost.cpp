// Host builds have no resources: texts come straight from the table that
// the resource script is built from.
#include "String.h"
#include "Texts.h"

const char* FindText(unsigned id)
{
#define INSTALLER_TEXT_CASE(number, name, text) \
    if (id == number)                           \
        return text;
    INSTALLER_TEXTS(INSTALLER_TEXT_CASE)
#undef INSTALLER_TEXT_CASE
    return nullptr;
}

bool CString::LoadText(unsigned id)
{
    const char* text = FindText(id);
    if (!text)
        return false;
    *this = text;
    return true;
}
