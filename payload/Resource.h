// The installer's data resources of type "DataFile": 129 the branding
// block, 130 the setup archive, 131 the product archive.
#pragma once

enum { BRANDING_RESOURCE = 129, SETUP_ARCHIVE_RESOURCE = 130, PRODUCT_ARCHIVE_RESOURCE = 131 };

// Writes the resource to a new file at path, replacing any file of that
// name: the whole resource, or for the branding block only the branding
// file it carries. Zero, and no file, when the resource is missing, the
// block is unfilled or states a length past its end, or the file cannot be
// created or written; shows no message.
int WritePayloadResource(int id, const char* path);
