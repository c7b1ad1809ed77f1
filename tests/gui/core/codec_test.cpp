#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gui/core/gui.h"
#include "gui/core/gui_codec.h"
#include "tests/gui/core/gfx_fixture.h"

namespace {

using CodecTest = GfxTest;

const char* const kIllegal = "Illegal character during UTF-8 decoding!";

TEST_F(CodecTest, Utf8DecodesOneToThreeBytesAndResynchronisesAfterIllegalLeads) {
  struct Case {
    std::string bytes;
    std::vector<uint16_t> codes;
    size_t errors;
  };
  const Case cases[] = {
      {"Az", {'A', 'z'}, 0},
      {"\xC3\xA9\xC3\x84", {0xE9, 0xC4}, 0},
      {"\xE2\x99\xB0!", {0x2670, '!'}, 0},
      {"\x80"
       "A",
       {1, 'A'},
       1},                                    // continuation byte in lead position
      {"\xF0\x9F\x98\x80", {1, 1, 1, 1}, 4},  // four-byte sequence: one error per byte
  };
  for (const Case& c : cases) {
    host.errors.clear();
    uint16_t out[8] = {};
    const int n = GUI_DecodeUtf8Text(c.bytes.data(), static_cast<int>(c.bytes.size()), out, 8);
    EXPECT_EQ(std::vector<uint16_t>(out, out + n), c.codes) << c.bytes;
    EXPECT_EQ(host.errors.size(), c.errors) << c.bytes;
  }
}

TEST_F(CodecTest, DecodeStopsAtTheMaximumAndAtACutSequence) {
  uint16_t out[4] = {};
  EXPECT_EQ(GUI_DecodeUtf8Text("abcdef", 6, out, 2), 2);
  EXPECT_EQ(GUI_DecodeUtf8Text("a\xE2\x99", 3, out, 4), 1);
  // Zero-terminated text: a sequence cut by the zero ends the text there.
  GUI_SelectUtf8();
  EXPECT_EQ(GUI_DecodeChar("\xC3"), 0);
  EXPECT_EQ(GUI_CharLength("\xE2\x99"), 2);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(CodecTest, IllegalLeadIsReportedByDecodeAndByLength) {
  GUI_SelectUtf8();
  EXPECT_EQ(GUI_DecodeChar("\xBF"), 1);
  EXPECT_EQ(GUI_CharLength("\xBF"), 1);
  EXPECT_EQ(host.errors, (std::vector<std::string>{kIllegal, kIllegal}));
}

TEST_F(CodecTest, EncodeKeepsToTheByteLimit) {
  char out[80];
  std::memset(out, '#', sizeof out);
  const std::vector<uint16_t> keys(25, 0x2670);
  EXPECT_EQ(GUI_EncodeUtf8Text(keys.data(), 20, out, 61), 60);
  EXPECT_EQ(GUI_EncodeUtf8Text(keys.data(), 25, out, 61), 60);
  EXPECT_EQ(out[60], '#');
  const uint16_t mixed[] = {'a', 0, 0xE9, 0x2670};
  EXPECT_EQ(GUI_EncodeUtf8Text(mixed, 4, out, 61), 7);
  EXPECT_EQ(std::string(out, 7), std::string("a\0\xC3\xA9\xE2\x99\xB0", 7));
  EXPECT_EQ(GUI_EncodeUtf8Text(mixed, 4, out, 3), 2);  // stops before U+00E9
}

TEST_F(CodecTest, OneByteCodecTakesEveryByteAsItsCode) {
  EXPECT_EQ(GUI_CodecOneByte.decode("\xE9"), 0xE9);
  EXPECT_EQ(GUI_CodecOneByte.charLength("\xE9"), 1);
  char out[2];
  EXPECT_EQ(GUI_CodecOneByte.encode(out, 0x2670), 1);
  EXPECT_EQ(static_cast<uint8_t>(out[0]), 0x70);
}

}  // namespace
