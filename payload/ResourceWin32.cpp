#include "Resource.h"

#include "BrandingBlock.h"
#include "File.h"

#include <windows.h>

int WritePayloadResource(int id, const char* path)
{
    // 1. The resource, straight from the memory that holds it.
    HRSRC resource = FindResourceA(NULL, MAKEINTRESOURCEA(id), "DataFile");
    if (!resource)
        return 0;
    HGLOBAL loaded = LoadResource(NULL, resource);
    const unsigned char* data = loaded ? (const unsigned char*)LockResource(loaded) : NULL;
    if (!data)
        return 0;
    size_t size = SizeofResource(NULL, resource);

    // 2. The branding block gives only the branding file it carries.
    if (id == BRANDING_RESOURCE && !FindBrandingFile(data, size, &data, &size))
        return 0;

    // 3. One write; a file that could not be completed is removed, so that
    // no truncated archive or branding file is taken for a whole one.
    CFile file;
    if (file.CreateAlways(path) != 0)
        return 0;
    FileError error = file.Write(data, (unsigned long)size);
    if (!error)
        error = file.Close();
    if (!error)
        return 1;
    file.Close();
    CFile::Remove(path);
    return 0;
}
