// The converter is fed files an artist edits by hand: every fault must come
// back as one "file: message" line, never as a crash or a silently wrong picture.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bitmap_writer.h"
#include "mono_image.h"
#include "picture_converter.h"
#include "picture_list.h"

namespace {

namespace fs = std::filesystem;
using namespace bitmapgen;

// A 3 x 2 picture: ink at (0,0), (2,0) and (1,1).
constexpr char kPlainPbm[] = "P1\n# comment\n3 2\n101\n0 1 0\n";

class SourceDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("bitmapgen_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  // A grey PNG of the given pixels (0 = black), written with libpng itself.
  std::string writePng(const std::string& name, int width, int height, const std::vector<uint8_t>& grey) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_GRAY;
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, grey.data(), 0, nullptr));
    return path;
  }

  std::string errorOf(const std::string& path) {
    try {
      loadMonoImage(path);
    } catch (const SourceError& error) {
      return error.what();
    }
    return "no error";
  }

  fs::path dir_;
};

std::vector<uint8_t> inkOf(const MonoImage& image) { return image.ink; }

TEST_F(SourceDir, PlainRawAndPngSourcesGiveTheSamePicture) {
  const std::vector<uint8_t> expected = {1, 0, 1, 0, 1, 0};
  const MonoImage plain = loadMonoImage(write("a.pbm", kPlainPbm));
  EXPECT_EQ(plain.width, 3);
  EXPECT_EQ(plain.height, 2);
  EXPECT_EQ(inkOf(plain), expected);
  EXPECT_EQ(inkOf(loadMonoImage(write("b.pbm", std::string("P4\n3 2\n\xA0\x40", 10)))), expected);
  EXPECT_EQ(inkOf(loadMonoImage(writePng("c.png", 3, 2, {0, 255, 20, 200, 90, 255}))), expected);
}

TEST_F(SourceDir, MalformedSourcesAreReportedWithTheirFileName) {
  struct Case {
    const char* bytes;
    const char* message;
  };
  const Case cases[] = {
      {"", "neither a PBM (P1/P4) nor a PNG file"},
      {"GIF89a", "neither a PBM (P1/P4) nor a PNG file"},
      {"P1\n3\n", "height missing or not a number"},
      {"P1\n-3 2\n", "width missing or not a number"},
      {"P1\n0 2\n", "width is 0"},
      {"P1\n99999999999999999999 2\n", "width larger than 1024 pixels"},
      {"P1\n3 2\n101\n01", "pixel data ends early, at row 2, column 3"},
      {"P1\n3 2\n101\n0x0\n", "unexpected character 'x' at row 2, column 2"},
      {"P1\n3 2\n101\n010\n1\n", "more pixels than width x height"},
      {"P4\n16 4\n\xFF\xFF", "pixel data ends early"},
      {"P4\n3 2", "no blank after the height"},
      {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", "damaged PNG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::string path =
        write("bad.pbm", std::string(c.bytes, std::strlen(c.bytes) + (c.bytes[0] == '\x89' ? 8 : 0)));
    EXPECT_EQ(errorOf(path).rfind(path + ": ", 0), 0u) << errorOf(path);
    EXPECT_NE(errorOf(path).find(c.message), std::string::npos) << errorOf(path);
  }
  EXPECT_EQ(errorOf((dir_ / "missing.pbm").string()),
            (dir_ / "missing.pbm").string() + ": cannot open the file");
}

TEST_F(SourceDir, EverySourceOfTheWrongSizeIsReportedAndNothingIsConverted) {
  write("ok.pbm", kPlainPbm);
  write("small.pbm", kPlainPbm);
  write("broken.pbm", "P1\n3 2\n1");
  const std::string list = write("pictures.list",
                                 "[Group]\n"
                                 "SYM_Ok3x2      3x2  ok.pbm      fine\n"
                                 "SYM_Wide4x2    4x2  small.pbm   too narrow\n"
                                 "SYM_Broken3x2  3x2  broken.pbm  damaged\n");
  const Conversion result = convertPictures(list);
  ASSERT_EQ(result.errors.size(), 2u);
  EXPECT_EQ(result.errors[0], (dir_ / "small.pbm").string() + ": is 3 x 2 pixels, SYM_Wide4x2 must be 4 x 2");
  EXPECT_EQ(result.errors[1].rfind((dir_ / "broken.pbm").string() + ": pixel data ends early", 0), 0u);
}

TEST(PictureList, FaultyLinesNameTheListAndLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"# only a comment\n", "p.list: lists no picture"},
      {"[Open heading\n", "p.list:1: heading without closing ']'"},
      {"\n9Bad 3x2 a.pbm\n", "p.list:2: '9Bad' is not a C++ name"},
      {"A 3y2 a.pbm\n", "p.list:1: size '3y2' is not WIDTHxHEIGHT within 1..1024"},
      {"A 0x2 a.pbm\n", "p.list:1: size '0x2' is not WIDTHxHEIGHT within 1..1024"},
      {"A 99999x2 a.pbm\n", "p.list:1: size '99999x2' is not WIDTHxHEIGHT within 1..1024"},
      {"A 3x2\n", "p.list:1: no source file for A"},
      {"A 3x2 a.pbm\nA 3x2 b.pbm\n", "p.list:2: A is listed twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      parsePictureList("p.list", c.text);
      ADD_FAILURE() << "accepted";
    } catch (const SourceError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

TEST(BitmapWriter, RowsArePackedLeftmostPixelFirstAndPaddedToWholeBytes) {
  MonoImage image;
  image.width = 10;
  image.height = 2;
  image.ink = {1, 0, 0, 0, 0, 0, 0, 1, 1, 0,  //
               0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(packRows(image), (std::vector<uint8_t>{0x81, 0x80, 0x00, 0x40}));
}

}  // namespace
