#include "PayloadArchiveReader.h"
#include "PayloadTestFiles.h"

#include "LzwEncoder.h"
#include "Message.h"

namespace {

struct Decoded {
    Bytes bytes;
    std::vector<unsigned long> results;   // of each DecodeChunk call
    PayloadArchiveReader::Fault fault;
};

// Decodes one code stream, on its own in a file, in chunks of capacity.
Decoded Decode(const Bytes& stream, unsigned long capacity)
{
    ScratchFolder scratch;
    WriteFile(scratch.File("stream"), stream);
    PayloadArchiveReader reader;
    Decoded decoded;
    EXPECT_TRUE(reader.OpenArchive(scratch.File("stream").c_str()));
    reader.BeginEntry();
    Bytes chunk(capacity);
    unsigned long n;
    do {
        n = reader.DecodeChunk(chunk.data(), capacity);
        decoded.results.push_back(n);
        decoded.bytes.insert(decoded.bytes.end(), chunk.begin(), chunk.begin() + n);
    } while (n == capacity && decoded.results.size() < 100000);
    decoded.fault = reader.GetFault();
    return decoded;
}

unsigned char Literal(unsigned j) { return (unsigned char)(j * 37 + 11); }

// After a clear code, n literals, each but the first adding an entry.
void PutLiterals(CodeStream& stream, Bytes& expected, unsigned n)
{
    for (unsigned j = 1; j <= n; ++j) {
        stream.Code(Literal(j), WidthOfCode(j));
        expected.push_back(Literal(j));
    }
}

}

TEST(LzwDecoder, WidthGrowsWhenNextCodeReachesEachPowerOfTwo)
{
    // Literals until the entry just below the limit has been added; the code
    // after that is read one bit wider, and is the code just defined.
    for (unsigned limit : {512u, 1024u, 2048u, 4096u}) {
        unsigned literals = limit - LZW_FIRST_CODE + 1;
        unsigned wider = WidthOfCode(literals + 1);
        ASSERT_EQ(WidthOfCode(literals) + 1, wider);

        CodeStream stream;
        Bytes expected;
        stream.Code(LZW_CLEAR_CODE, 9);
        PutLiterals(stream, expected, literals);
        stream.Code(limit, wider);   // the last literal twice
        expected.push_back(Literal(literals));
        expected.push_back(Literal(literals));
        stream.Code('z', wider);
        expected.push_back('z');

        Decoded decoded = Decode(stream.End(wider), PayloadArchiveReader::CHUNK_CAPACITY);
        EXPECT_EQ(PayloadArchiveReader::FAULT_NONE, decoded.fault) << "limit " << limit;
        EXPECT_EQ(expected, decoded.bytes) << "limit " << limit;
    }
}

TEST(LzwDecoder, ClearCodeMidStreamRestartsAtNineBitsWithoutRealigning)
{
    CodeStream stream;
    Bytes expected;
    stream.Code(LZW_CLEAR_CODE, 9);
    PutLiterals(stream, expected, 300);   // up to 10-bit codes
    stream.Code(LZW_CLEAR_CODE, 10);
    // 'x' is a literal that adds nothing; 258 is then the code just defined
    // ("xx"), not the 258 of before the clear; 'y' adds 259.
    stream.Code('x', 9).Code(258, 9).Code('y', 9).Code(259, 9);
    for (char c : std::string("xxxyxxy"))
        expected.push_back((unsigned char)c);

    Decoded decoded = Decode(stream.End(9), PayloadArchiveReader::CHUNK_CAPACITY);
    EXPECT_EQ(PayloadArchiveReader::FAULT_NONE, decoded.fault);
    EXPECT_EQ(expected, decoded.bytes);
}

TEST(LzwDecoder, EmptyEntryAndWholeChunks)
{
    struct Case {
        size_t size;
        std::vector<unsigned long> results;
    } cases[] = {
        {0, {0}},
        {1, {1}},
        {64511, {64511}},
        {64512, {64512, 0}},
        {2 * 64512, {64512, 64512, 0}},
        {2 * 64512 + 1, {64512, 64512, 1}},
    };
    for (const Case& c : cases) {
        Bytes data(c.size);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = (unsigned char)(i * i / 7 + i / 300);
        Decoded decoded = Decode(LzwEncode(data.data(), data.size()), PayloadArchiveReader::CHUNK_CAPACITY);
        EXPECT_EQ(c.results, decoded.results) << "size " << c.size;
        EXPECT_TRUE(data == decoded.bytes) << "size " << c.size;
    }
}

TEST(LzwDecoder, ChunkThatFillsMidStringGoesOnWithTheRest)
{
    // Long repeated strings, so most chunk ends fall inside one.
    Bytes data;
    for (int i = 0; i < 40000; ++i)
        data.push_back((unsigned char)("abcabcabd"[i % 9] + (i / 5000)));
    Bytes stream = LzwEncode(data.data(), data.size());
    for (unsigned long capacity : {1ul, 2ul, 3ul, 7ul, 100ul, 4096ul}) {
        Decoded decoded = Decode(stream, capacity);
        EXPECT_TRUE(data == decoded.bytes) << "capacity " << capacity;
        EXPECT_EQ(PayloadArchiveReader::FAULT_NONE, decoded.fault) << "capacity " << capacity;
    }
}

TEST(LzwDecoder, StreamsThatBreakTheFormatAreDamaged)
{
    const unsigned literalsToFill = LZW_MAX_CODES - LZW_FIRST_CODE + 1;   // adds 258 to 8191
    auto fullDictionary = [&](CodeStream& stream) {
        Bytes ignored;
        stream.Code(LZW_CLEAR_CODE, 9);
        PutLiterals(stream, ignored, literalsToFill);
    };
    struct Case {
        const char* description;
        Bytes stream;
        bool damaged;
    } cases[] = {
        {"no clear code first", CodeStream().Code('a', 9).End(9), true},
        {"end code without clear code", CodeStream().End(9), true},
        {"dictionary code with no previous code",
         CodeStream().Code(LZW_CLEAR_CODE, 9).Code(258, 9).End(9), true},
        {"dictionary code after a clear code mid-stream",
         CodeStream().Code(LZW_CLEAR_CODE, 9).Code('a', 9).Code('b', 9).Code(LZW_CLEAR_CODE, 9).Code(258, 9).End(9),
         true},
        {"code above the next free code",
         CodeStream().Code(LZW_CLEAR_CODE, 9).Code('a', 9).Code(259, 9).End(9), true},
        {"code far above the next free code",
         CodeStream().Code(LZW_CLEAR_CODE, 9).Code('a', 9).Code(511, 9).End(9), true},
        {"truncated stream",
         CodeStream().Code(LZW_CLEAR_CODE, 9).Code('a', 9).Code('b', 9).Code(258, 9).Cut(), true},
        {"padding byte missing", [] {
             Bytes bytes = CodeStream().Code(LZW_CLEAR_CODE, 9).Code('a', 9).Code('b', 9).Code('c', 9)
                               .Code('d', 9).Code('e', 9).Code('f', 9).End(9);
             bytes.pop_back();   // the whole zero byte after a code ending on a byte boundary
             return bytes;
         }(), true},
        {"empty file", Bytes(), true},
        {"new entry when the dictionary is full", [&] {
             CodeStream stream;
             fullDictionary(stream);
             return stream.Code('a', 14).End(14);
         }(), true},
        {"clear code when the dictionary is full", [&] {
             CodeStream stream;
             fullDictionary(stream);
             return stream.Code(LZW_CLEAR_CODE, 14).Code('a', 9).End(9);
         }(), false},
    };
    for (const Case& c : cases) {
        Decoded decoded = Decode(c.stream, PayloadArchiveReader::CHUNK_CAPACITY);
        EXPECT_EQ(c.damaged ? PayloadArchiveReader::FAULT_DAMAGED : PayloadArchiveReader::FAULT_NONE,
                  decoded.fault)
            << c.description;
        EXPECT_LT(decoded.results.back(), PayloadArchiveReader::CHUNK_CAPACITY) << c.description;
    }
}
