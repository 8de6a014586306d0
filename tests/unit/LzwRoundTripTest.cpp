#include "PayloadArchiveReader.h"
#include "PayloadArchiveWriter.h"
#include "PayloadTestFiles.h"

#include "LzwEncoder.h"

#include <random>

namespace {

struct Shape {
    const char* name;
    Bytes bytes;
};

std::vector<Shape> Shapes()
{
    std::mt19937 random(7);
    auto noise = [&](size_t n, int values) {
        Bytes bytes(n);
        for (auto& b : bytes)
            b = (unsigned char)(random() % values);
        return bytes;
    };
    Bytes words;
    const char* vocabulary[] = {"mail ", "server ", "proxy ", "<td>", "</td>\r\n", "the ", "queue ", "relay "};
    while (words.size() < 300000) {
        const char* w = vocabulary[random() % 8];
        words.insert(words.end(), w, w + strlen(w));
    }
    Bytes ramps;
    for (int i = 0; i < 200000; ++i)
        ramps.push_back((unsigned char)(i % 256 + i / 4096));
    Bytes mixed = noise(100000, 256);
    mixed.insert(mixed.end(), words.begin(), words.begin() + 100000);
    mixed.resize(mixed.size() + 100000, 0);
    Bytes periods;
    for (int i = 0; i < 120000; ++i)
        periods.push_back((unsigned char)"ab"[i % 2] + (unsigned char)(i / 40000));
    return {
        {"empty", {}},
        {"one byte", {0x4D}},
        {"every byte value", [] { Bytes b(256); for (int i = 0; i < 256; ++i) b[i] = (unsigned char)i; return b; }()},
        {"zeros across many clears", Bytes(3000000, 0)},
        {"noise", noise(150000, 256)},
        {"four symbols", noise(200000, 4)},
        {"words", words},
        {"ramps", ramps},
        {"noise, words and zeros", mixed},
        {"short periods", periods},
        {"one chunk less one", noise(64511, 3)},
        {"one chunk", noise(64512, 3)},
        {"two chunks", noise(2 * 64512, 3)},
    };
}

}

TEST(LzwRoundTrip, PackedFilesExtractByteForByte)
{
    ScratchFolder source, out;
    std::vector<Shape> shapes = Shapes();
    std::vector<std::string> files;
    for (size_t i = 0; i < shapes.size(); ++i) {
        files.push_back(source.File("file" + std::to_string(i)));
        WriteFile(files.back(), shapes[i].bytes);
    }
    WritePayloadArchive(source.File("archive"), files);

    PayloadArchiveReader reader;
    ASSERT_EQ(1, reader.ExtractArchive(source.File("archive").c_str(), out.Folder().c_str(), nullptr));
    for (size_t i = 0; i < shapes.size(); ++i)
        EXPECT_TRUE(shapes[i].bytes == ReadFile(out.File("file" + std::to_string(i)))) << shapes[i].name;
}

TEST(LzwRoundTrip, StreamsStartWithAClearAndKeepCodesBelow8190)
{
    // Walks the codes with the format's width rule, as any reader of the
    // format would, and looks at the ones the writer chose.
    for (const Shape& shape : Shapes()) {
        Bytes stream = LzwEncode(shape.bytes.data(), shape.bytes.size());
        size_t bit = 0;
        auto read = [&](unsigned width) {
            unsigned code = 0;
            for (unsigned i = 0; i < width; ++i, ++bit)
                code = code << 1 | (bit / 8 < stream.size() ? stream[bit / 8] >> (7 - bit % 8) & 1 : 0);
            return code;
        };
        unsigned width = 9, next = 0, codes = 0, maxCode = 0;
        bool first = true;
        ASSERT_EQ(unsigned(LZW_CLEAR_CODE), read(9)) << shape.name;
        next = LZW_FIRST_CODE;
        for (unsigned code; (code = read(width)) != LZW_END_CODE; ++codes) {
            ASSERT_LE(bit, stream.size() * 8) << shape.name;
            if (code == LZW_CLEAR_CODE) {
                width = 9, next = LZW_FIRST_CODE, first = true;
                continue;
            }
            maxCode = std::max(maxCode, code);
            if (!first && ++next == 1u << width)
                ++width;
            first = false;
            ASSERT_LT(next, unsigned(LZW_CLEAR_AT + 1)) << shape.name;
        }
        EXPECT_LE(maxCode, 8189u) << shape.name;
        // The padding: one to eight zero bits up to the stream's last byte.
        EXPECT_EQ(stream.size(), bit / 8 + 1) << shape.name;
    }
}
