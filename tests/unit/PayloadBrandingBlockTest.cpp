#include "BrandingBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(BrandingBlock, UnfilledBlockIsMarkerThenPlusLines)
{
    std::vector<unsigned char> block(BRANDING_BLOCK_SIZE);
    FillUnbrandedBlock(block.data());
    EXPECT_EQ("K.K.MW3RAS.K.K.", std::string(block.begin(), block.begin() + 15));
    int lineBreaks = 0;
    for (size_t i = 15; i < block.size(); ++i) {
        bool breakHere = i >= 30 && (i - 30) % 96 <= 1;
        char expected = !breakHere ? '+' : (i - 30) % 96 == 0 ? '\r' : '\n';
        ASSERT_EQ(expected, block[i]) << "offset " << i;
        lineBreaks += block[i] == '\r';
    }
    EXPECT_EQ('\r', block[8190]);
    EXPECT_EQ('\n', block[8191]);
    EXPECT_EQ(86, lineBreaks);

    const unsigned char* file;
    size_t length;
    EXPECT_FALSE(FindBrandingFile(block.data(), block.size(), &file, &length));
}

TEST(BrandingBlock, FilledBlockCarriesTheFile)
{
    std::vector<unsigned char> block(BRANDING_BLOCK_SIZE);
    std::string branding = "K\x01\x02 scrambled";
    ASSERT_TRUE(FillBrandedBlock(block.data(), (const unsigned char*)branding.data(), branding.size()));
    EXPECT_EQ(std::string("K.K.MW3RAS.K.K.\x0d\0\0\0", 19), std::string(block.begin(), block.begin() + 19));
    const unsigned char* file;
    size_t length;
    ASSERT_TRUE(FindBrandingFile(block.data(), block.size(), &file, &length));
    EXPECT_EQ(branding, std::string(file, file + length));

    std::vector<unsigned char> largest(BRANDING_MAX_FILE, 'K');
    EXPECT_TRUE(FillBrandedBlock(block.data(), largest.data(), largest.size()));
    largest.push_back('K');
    EXPECT_FALSE(FillBrandedBlock(block.data(), largest.data(), largest.size()));
}

TEST(BrandingBlock, FindBrandingFileTrustsOnlyWhatFits)
{
    struct Case {
        const char* description;
        unsigned long length;
        char first;
        size_t size;
        bool found;
    } cases[] = {
        {"length 0 and a K", 0, 'K', BRANDING_BLOCK_SIZE, true},
        {"largest file", BRANDING_MAX_FILE, 'K', BRANDING_BLOCK_SIZE, true},
        {"one byte past the block", BRANDING_MAX_FILE + 1, 'K', BRANDING_BLOCK_SIZE, false},
        {"huge length", 0xFFFFFFFFul, 'K', BRANDING_BLOCK_SIZE, false},
        {"no K at offset 19", 10, 'k', BRANDING_BLOCK_SIZE, false},
        {"block too small for its length", 10, 'K', 25, false},
        {"block without room for offset 19", 0, 'K', 19, false},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> block(BRANDING_BLOCK_SIZE, '+');
        for (int i = 0; i < 4; ++i)
            block[15 + i] = (unsigned char)(c.length >> (8 * i));
        block[19] = (unsigned char)c.first;
        const unsigned char* file = nullptr;
        size_t length = 12345;
        EXPECT_EQ(c.found, FindBrandingFile(block.data(), c.size, &file, &length)) << c.description;
        if (c.found) {
            EXPECT_EQ(block.data() + 19, file) << c.description;
            EXPECT_EQ(c.length, length) << c.description;
        }
    }
}
