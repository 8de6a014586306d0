#include "BrandingProfile.h"

namespace {

unsigned char SwapHalves(unsigned char b) { return (unsigned char)((b << 4) | (b >> 4)); }

}

// Each byte depends only on its own position: the index wraps every 256
// bytes, and no key of any kind enters.
void BrandingProfile::ScrambleBytes(unsigned char* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        bytes[i] = (unsigned char)(SwapHalves(bytes[i]) ^ (i & 0xFF));
}

void BrandingProfile::UnscrambleBytes(unsigned char* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        bytes[i] = SwapHalves((unsigned char)(bytes[i] ^ (i & 0xFF)));
}
