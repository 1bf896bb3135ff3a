// The decoders on hand-made and zlib-made streams: results, result codes on damaged input.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/memory_port.h"
#include "unzip/crc32.h"
#include "unzip/explode.h"
#include "unzip/inflate.h"
#include "unzip/unshrink.h"

namespace {

using testing_support::MemoryPort;

// Packs values least significant bit first, as every ZIP method reads them.
class BitWriter {
 public:
  BitWriter& Put(uint32_t value, uint32_t bits) {
    for (uint32_t i = 0; i < bits; ++i) {
      if (count_ % 8 == 0) out_ += '\0';
      if (value >> i & 1) out_.back() = static_cast<char>(out_.back() | 1 << (count_ % 8));
      ++count_;
    }
    return *this;
  }
  // A Huffman code goes most significant bit first.
  BitWriter& Code(uint32_t code, uint32_t bits) {
    for (uint32_t i = bits; i-- > 0;) Put(code >> i & 1, 1);
    return *this;
  }
  std::string str() const { return out_; }

 private:
  std::string out_;
  uint32_t count_ = 0;
};

using unzip::DecodeResult;

struct Result {
  DecodeResult code;
  std::string output;
};

Result RunInflate(const std::string& input) {
  MemoryPort port(input);
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  const DecodeResult code = unzip::Inflate(stream);
  return {code, port.output};
}

std::string ZlibDeflate(const std::string& data, int level, int strategy = Z_DEFAULT_STRATEGY) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, -15, 9, strategy);
  std::string out(deflateBound(&z, data.size()) + 16, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(Inflate, AgreesWithZlibOnVariedDataLevelsAndStrategies) {
  std::mt19937 rng(7);
  std::vector<std::string> samples = {"", "a", std::string(100000, 'z')};
  std::string text, mixed;
  const char* words[] = {"setup ", "vortel ", "database ", "\r\n", "alias ", "0123 "};
  while (text.size() < 300000) text += words[rng() % 6];
  for (int i = 0; i < 200000; ++i) mixed += static_cast<char>(i % 3 ? rng() : i / 100);
  samples.push_back(text);
  samples.push_back(mixed);
  for (const std::string& data : samples) {
    for (int level : {0, 1, 6, 9}) {
      for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE}) {
        const Result r = RunInflate(ZlibDeflate(data, level, strategy));
        ASSERT_EQ(r.code, DecodeResult::kOk) << data.size() << " " << level << " " << strategy;
        ASSERT_TRUE(r.output == data) << data.size() << " " << level << " " << strategy;
      }
    }
  }
}

TEST(Inflate, FlushesWholeWorkBuffersThenTheRest) {
  const std::string data(100000, 'q');
  MemoryPort port(ZlibDeflate(data, 9) + "trailing bytes are left alone");
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  ASSERT_EQ(unzip::Inflate(stream), DecodeResult::kOk);
  EXPECT_EQ(port.flushes, (std::vector<uint32_t>{32768, 32768, 32768, 1696}));
}

// Word copies of a match write past its end and put those bytes back: a match reaching back the
// whole window right after one must still find the older history there. (zlib never reaches
// back further than 32,506 bytes; other compressors do.)
TEST(Inflate, MatchesReachingBackTheWholeWindowSeeTheHistoryIntact) {
  BitWriter w;
  w.Put(1, 1).Put(1, 2);                                           // last block, fixed codes
  const auto literal = [&w](uint32_t v) { w.Code(0x30 + v, 8); };  // values below 144
  std::string expected;
  for (uint32_t i = 0; i < 32768; ++i) {
    expected += static_cast<char>((i * 31 + (i >> 8)) % 144);
    literal(static_cast<uint8_t>(expected.back()));
  }
  for (uint32_t i = 0; i < 20; ++i) {
    expected += static_cast<char>((i * 13 + 5) % 144);
    literal(static_cast<uint8_t>(expected.back()));
  }
  w.Code(1, 7).Code(5, 5).Put(1, 1);  // length 3, distance 8
  expected += expected.substr(expected.size() - 8, 3);
  w.Code(8, 7).Code(29, 5).Put(32768 - 24577, 13);  // length 10, distance 32,768
  expected += expected.substr(expected.size() - 32768, 10);
  for (uint32_t i = 0; i < 64; ++i) {
    expected += static_cast<char>(i);
    literal(i);
  }
  w.Code(0, 7);
  const Result r = RunInflate(w.str());
  ASSERT_EQ(r.code, DecodeResult::kOk);
  EXPECT_TRUE(r.output == expected);
}

// Canonical codes from code lengths, as a compressor assigns them.
std::vector<uint32_t> CanonicalCodesOf(const std::vector<uint32_t>& lengths) {
  uint32_t per_length[16] = {}, next[16] = {};
  for (uint32_t len : lengths) per_length[len] += len ? 1 : 0;
  for (uint32_t len = 1, code = 0; len < 16; ++len)
    next[len] = code = (code + per_length[len - 1]) << 1;
  std::vector<uint32_t> codes(lengths.size());
  for (size_t i = 0; i < lengths.size(); ++i) codes[i] = lengths[i] ? next[lengths[i]]++ : 0;
  return codes;
}

// A dynamic block whose codes are 1 to 15 bits long in both alphabets: lengths whose extra bits
// take them past the first lookup (up to 15 + 5 bits), distances with up to 15 + 13 bits, in
// every order, over a varied history. Each step of the decoder must hold enough bits for them.
TEST(Inflate, LongestCodesWithAllTheirExtraBitsDecode) {
  struct Symbol {
    uint32_t symbol, base, extra;
  };
  // Code lengths 1, 2, ..., 14, 15, 15 in this order: a complete code in each alphabet.
  const Symbol literals[16] = {{'a', 0, 0}, {'b', 0, 0},  {'c', 0, 0},   {257, 3, 0},
                               {'d', 0, 0}, {265, 11, 1}, {'e', 0, 0},   {269, 19, 2},
                               {'f', 0, 0}, {273, 35, 3}, {281, 131, 5}, {277, 67, 4},
                               {256, 0, 0}, {'g', 0, 0},  {284, 227, 5}, {'z', 0, 0}};
  const Symbol distances[16] = {{0, 1, 0},      {3, 4, 0},      {4, 5, 1},       {6, 9, 2},
                                {8, 17, 3},     {10, 33, 4},    {12, 65, 5},     {14, 129, 6},
                                {16, 257, 7},   {18, 513, 8},   {20, 1025, 9},   {22, 2049, 10},
                                {24, 4097, 11}, {26, 8193, 12}, {28, 16385, 13}, {29, 24577, 13}};
  std::vector<uint32_t> lengths(286 + 30);
  for (uint32_t i = 0; i < 16; ++i) {
    lengths[literals[i].symbol] = std::min(i + 1, 15u);
    lengths[286 + distances[i].symbol] = std::min(i + 1, 15u);
  }
  const std::vector<uint32_t> codes = CanonicalCodesOf({lengths.begin(), lengths.begin() + 286});
  const std::vector<uint32_t> distance_codes =
      CanonicalCodesOf({lengths.begin() + 286, lengths.end()});
  BitWriter w;
  w.Put(1, 1).Put(2, 2).Put(286 - 257, 5).Put(30 - 1, 5).Put(19 - 4, 4);
  // The code-length code gives lengths 0 to 15 four bits each, so that length n is code n.
  for (uint32_t s : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15})
    w.Put(s < 16 ? 4 : 0, 3);
  for (uint32_t len : lengths) w.Code(len, 4);

  std::mt19937 rng(11);
  std::string expected;
  const uint32_t literal_at[8] = {0, 1, 2, 4, 6, 8, 13, 15};
  const uint32_t length_at[7] = {3, 5, 7, 9, 10, 11, 14};
  const auto literal = [&] {
    const Symbol& l = literals[literal_at[rng() % 8]];
    w.Code(codes[l.symbol], lengths[l.symbol]);
    expected += static_cast<char>(l.symbol);
  };
  for (int i = 0; i < 40000; ++i) literal();
  for (int i = 0; i < 30000; ++i) {
    if (rng() % 3 == 0) {
      literal();
      continue;
    }
    const Symbol& l = literals[length_at[rng() % 7]];
    // 227 + 31 would be 258, which has a symbol of its own.
    const uint32_t length = l.base + rng() % ((1u << l.extra) - (l.symbol == 284 ? 1 : 0));
    const Symbol& d = distances[rng() % 16];
    const uint32_t distance = d.base + (rng() & ((1u << d.extra) - 1));
    w.Code(codes[l.symbol], lengths[l.symbol]).Put(length - l.base, l.extra);
    w.Code(distance_codes[d.symbol], lengths[286 + d.symbol]).Put(distance - d.base, d.extra);
    for (uint32_t k = 0; k < length; ++k) expected += expected[expected.size() - distance];
  }
  w.Code(codes[256], lengths[256]);
  const Result r = RunInflate(w.str());
  ASSERT_EQ(r.code, DecodeResult::kOk);
  EXPECT_TRUE(r.output == expected);
}

TEST(Inflate, DamagedStreamsGiveTheirCodes) {
  // Reserved block type.
  EXPECT_EQ(RunInflate(BitWriter().Put(1, 1).Put(3, 2).str()).code, DecodeResult::kDataError);
  // Stored block whose length and complement disagree.
  EXPECT_EQ(RunInflate(BitWriter().Put(1, 1).Put(0, 2).Put(0, 5).Put(5, 16).Put(5, 16).str()).code,
            DecodeResult::kDataError);
  // A stored block cut short, and a fixed block without its end code.
  EXPECT_EQ(
      RunInflate(BitWriter().Put(1, 1).Put(0, 2).Put(0, 5).Put(5, 16).Put(~5u, 16).str()).code,
      DecodeResult::kInputEnded);
  EXPECT_EQ(RunInflate(BitWriter().Put(1, 1).Put(1, 2).Code(0x30 + 'A', 8).str()).code,
            DecodeResult::kInputEnded);
  // Fixed block using distance code 30.
  EXPECT_EQ(RunInflate(BitWriter()
                           .Put(1, 1)
                           .Put(1, 2)
                           .Code(0x30 + 'A', 8)
                           .Code(1, 7)  // length 3
                           .Code(30, 5)
                           .Code(0, 7)
                           .str())
                .code,
            DecodeResult::kDataError);

  // Dynamic headers: code-length codes for symbols 16, 17, 18 and 0, then repeats that run
  // past the 258 announced lengths.
  const auto dynamic = [](uint32_t l16, uint32_t l17, uint32_t l18) {
    BitWriter w;
    w.Put(1, 1).Put(2, 2).Put(0, 5).Put(0, 5).Put(0, 4);
    w.Put(l16, 3).Put(l17, 3).Put(l18, 3).Put(1, 3);
    return w;
  };
  BitWriter w16 = dynamic(1, 0, 0);  // symbol 0 = "0", 16 = "1"
  for (int i = 0; i < 257; ++i) w16.Code(0, 1);
  w16.Code(1, 1).Put(0, 2);
  EXPECT_EQ(RunInflate(w16.str()).code, DecodeResult::kOversizedHeader);
  BitWriter w17 = dynamic(0, 1, 0);  // 0 = "0", 17 = "1"
  for (int i = 0; i < 256; ++i) w17.Code(0, 1);
  w17.Code(1, 1).Put(7, 3);
  EXPECT_EQ(RunInflate(w17.str()).code, DecodeResult::kOversizedHeader);
  BitWriter w18 = dynamic(0, 0, 1);  // 0 = "0", 18 = "1"
  w18.Code(1, 1).Put(127, 7).Code(1, 1).Put(127, 7);
  EXPECT_EQ(RunInflate(w18.str()).code, DecodeResult::kDataError);
  // Code 16 with nothing to repeat.
  EXPECT_EQ(RunInflate(dynamic(1, 0, 0).Code(1, 1).Put(0, 2).str()).code, DecodeResult::kDataError);
}

TEST(Crc32, AgreesWithZlibAtEveryLengthAlignmentAndSplit) {
  std::mt19937 rng(3);
  std::vector<uint8_t> data(5000);
  for (uint8_t& b : data) b = static_cast<uint8_t>(rng());
  for (size_t offset = 0; offset < 16; ++offset) {
    for (size_t size = 0; offset + size <= data.size(); size += size < 300 ? 1 : 97) {
      const uint8_t* p = data.data() + offset;
      const uint32_t expected = static_cast<uint32_t>(crc32(0, p, static_cast<uInt>(size)));
      ASSERT_EQ(unzip::Crc32(p, size), expected) << offset << " " << size;
      const size_t cut = size / 3;
      const uint32_t running = unzip::UpdateCrc32(unzip::kCrcInitial, p, cut);
      ASSERT_EQ(~unzip::UpdateCrc32(running, p + cut, size - cut), expected)
          << offset << " " << size;
    }
  }
}

DecodeResult RunExplode(const std::string& input, bool literals, uint32_t size, std::string* out) {
  MemoryPort port(input);
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  const DecodeResult code =
      unzip::Explode(stream, {false, literals, static_cast<uint32_t>(input.size()), size});
  if (out) *out = port.output;
  return code;
}

// 64 codes of length 6: one byte 0xF5 (16 codes, length 6) four times.
std::string EvenTree() {
  return std::string("\x03\xF5\xF5\xF5\xF5", 5);
}

TEST(Explode, DecodesRawLiteralsAndMatchesBeforeTheStartAsZeros) {
  BitWriter w;
  w.Put(1, 1).Put('A', 8);
  // Codes are handed out from the last symbol down: symbol 63 gets 000000, symbol 0 111111.
  w.Put(0, 1).Put(0, 6).Code(63, 6).Code(63, 6);  // distance 1, length 2
  const std::string trees = EvenTree() + EvenTree();
  std::string out;
  EXPECT_EQ(RunExplode(trees + w.str(), false, 3, &out), DecodeResult::kOk);
  EXPECT_EQ(out, "AAA");
  BitWriter far;
  far.Put(0, 1).Put(9, 6).Code(63, 6).Code(63, 6);  // distance 10, nothing written yet
  EXPECT_EQ(RunExplode(trees + far.str(), false, 2, &out), DecodeResult::kOk);
  EXPECT_EQ(out, std::string(2, '\0'));
}

TEST(Explode, InconsistentTreesAreFormatErrors) {
  // Too few lengths, too many, and lengths that over-subscribe the code space.
  EXPECT_EQ(RunExplode(std::string("\x00\x00", 2) + EvenTree(), false, 1, nullptr),
            DecodeResult::kDataError);
  EXPECT_EQ(RunExplode(std::string("\x04\xF5\xF5\xF5\xF5\xF5", 6) + EvenTree(), false, 1, nullptr),
            DecodeResult::kDataError);
  EXPECT_EQ(RunExplode(std::string("\x03\xF0\xF0\xF0\xF0", 5) + EvenTree(), false, 1, nullptr),
            DecodeResult::kDataError);
  // Input that ends before the output is complete.
  EXPECT_EQ(RunExplode(EvenTree() + EvenTree(), false, 5, nullptr), DecodeResult::kInputEnded);
}

DecodeResult RunUnshrink(const std::string& input, std::string* out) {
  MemoryPort port(input);
  std::vector<uint8_t> window(unzip::DecodeStream::kWindowSize);
  unzip::DecodeStream stream(port, window.data());
  auto area = std::make_unique<unzip::UnshrinkArea>();
  const DecodeResult code = unzip::Unshrink(stream, *area, static_cast<uint32_t>(input.size()));
  if (out) *out = port.output;
  return code;
}

TEST(Unshrink, DecodesCodesWideningAndTheCodeBeingDefined) {
  BitWriter w;
  // "a", "b", 257 ("ab"), then 259, the entry being defined ("ab" + "a"), widen, 'c' at 10 bits.
  w.Put('a', 9).Put('b', 9).Put(257, 9).Put(259, 9).Put(256, 9).Put(1, 9).Put('c', 10);
  std::string out;
  EXPECT_EQ(RunUnshrink(w.str(), &out), DecodeResult::kOk);
  EXPECT_EQ(out, "abababac");
}

TEST(Unshrink, DamagedStreamsAreFormatErrors) {
  EXPECT_EQ(RunUnshrink(BitWriter().Put('a', 9).Put(256, 9).Put(3, 9).str(), nullptr),
            DecodeResult::kDataError);
  EXPECT_EQ(RunUnshrink(BitWriter().Put('a', 9).Put(300, 9).str(), nullptr),
            DecodeResult::kDataError);
  EXPECT_EQ(RunUnshrink(BitWriter().Put(257, 9).str(), nullptr), DecodeResult::kDataError);
  BitWriter wide;
  wide.Put('a', 9);
  for (uint32_t width = 9; width <= 13; ++width) wide.Put(256, width).Put(1, width);
  EXPECT_EQ(RunUnshrink(wide.str(), nullptr), DecodeResult::kDataError);
  // After a partial clear the leaf 257 is free again; using it before redefinition fails.
  BitWriter cleared;
  cleared.Put('a', 9).Put('b', 9).Put(256, 9).Put(2, 9).Put(258, 9);
  EXPECT_EQ(RunUnshrink(cleared.str(), nullptr), DecodeResult::kDataError);
  // 257 ("ab") was just written and then freed: the entry being defined may not extend it,
  // though its bytes are still at hand.
  BitWriter extended;
  extended.Put('a', 9).Put('b', 9).Put(257, 9).Put(256, 9).Put(2, 9).Put(257, 9);
  EXPECT_EQ(RunUnshrink(extended.str(), nullptr), DecodeResult::kDataError);
}

}  // namespace
