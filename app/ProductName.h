#pragma once

#include "String.h"

// The built-in product name that the upgrade prompt's texts carry.
extern const char builtInProductName[];

// text with every occurrence of the built-in product name replaced by
// productName, left to right over the original text only (an inserted name
// is never searched again); false when text holds no occurrence.
bool ReplaceBuiltInName(const char* text, const char* productName, CString& result);
