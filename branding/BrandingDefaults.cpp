#include "BrandingProfile.h"

// The maker's addresses. Every default that names them is composed here from
// these texts at compile time, never from the profile's current WS, so a
// branding file that changes WS alone leaves the other addresses as they are.
#define WEBSITE_HOST "www.example.com"
#define WEBSITE "https://" WEBSITE_HOST
#define PRODUCT_FOLDER WEBSITE "/mailwarden"
#define HELP_DESK "support@example.com"
#define HELP_CONTACT "If you need any help with setup, please contact " HELP_DESK

bool BrandingProfile::SetDefaults()
{
    // The order is the order of the walk, and so of a saved file's entries.
    bool stored = SetPN("MailWarden");
    stored &= SetLN("Keltermax MailWarden Mail & Proxy Server");
    stored &= SetHN("MailWarden Mail & Proxy Server");
    stored &= SetHD(HELP_DESK);
    stored &= SetEX("mailwarden");
    stored &= SetWS(WEBSITE);
    stored &= SetMT(HELP_CONTACT);
    stored &= SetMV("Check " WEBSITE_HOST " regularly for MailWarden updates");
    stored &= SetMI(HELP_CONTACT);
    stored &= SetWH(WEBSITE "/help");
    stored &= SetFW(WEBSITE "/welcome.txt");
    stored &= SetFM(WEBSITE "/motd.txt");
    stored &= SetFD(PRODUCT_FOLDER "/Installer.exe");
    stored &= SetFV(PRODUCT_FOLDER "/version.txt");
    return stored;
}
