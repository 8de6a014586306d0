#include "InstallSteps.h"

#include "File.h"
#include "JoinPath.h"

#include <windows.h>

namespace {

bool WriteMessage(const char* folder, const char* name, const char* subject)
{
    CString text;
    text.Format("From: postmaster@example.com\r\nTo: staff@example.com\r\nSubject: %s\r\n\r\nSample message.\r\n",
                subject);
    CFile file;
    return file.CreateAlways(JoinPath(folder, name)) == 0 && file.Write(text, text.GetLength()) == 0 &&
           file.Close() == 0;
}

}

bool WriteMessageStore(const char* cacheFolder)
{
    CString held = JoinPath(cacheFolder, "held");
    return CreateFolderPath(held) && WriteMessage(cacheFolder, "00000001.msg", "Welcome") &&
           WriteMessage(cacheFolder, "00000002.msg", "Queue report") &&
           WriteMessage(held, "00000003.msg", "Held for review");
}
