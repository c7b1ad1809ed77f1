#include "tools/langpack/po_reader.h"

#include <gtest/gtest.h>

#include "tools/langpack/catalog.h"

namespace {

using namespace langpack;

TEST(PoReader, ReadsEntriesHeaderAndEscapes) {
  const PoFile po = parsePo(
      "# translator comment\n"
      "msgid \"\"\n"
      "msgstr \"\"\n"
      "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
      "\"X-Kalvero-Language-Index: 3\\n\"\n"
      "\n"
      "#. extracted\n"
      "msgctxt \"358\"\n"
      "msgid \"Bezeichnung der \\n\"\n"
      "\"Heizkreise\"\n"
      "msgstr \"\"\n"
      "\"Name the \\\"circuits\\\"\\t\\\\ \\n\"\n"
      "  \"with ♬HK♭\"\n"
      "msgctxt \"7\"\r\n"
      "msgid \"Abgastemperatur\"\r\n"
      "msgstr \"Flue gas temperature\"\r\n"
      "\n"
      "#, fuzzy\n"
      "msgctxt \"8\"\n"
      "msgid \"Abreisetag\"\n"
      "msgstr \"\"\n",
      "en.po");
  EXPECT_EQ(po.headerLine, 2);
  EXPECT_EQ(po.header.at("X-Kalvero-Language-Index"), "3");
  ASSERT_EQ(po.entries.size(), 3u);
  EXPECT_EQ(po.entries[0].context, "358");
  EXPECT_EQ(po.entries[0].id, "Bezeichnung der \nHeizkreise");
  EXPECT_EQ(po.entries[0].str, "Name the \"circuits\"\t\\ \nwith ♬HK♭");
  EXPECT_EQ(po.entries[0].line, 8);
  EXPECT_EQ(po.entries[1].str, "Flue gas temperature") << "entries may follow without a blank line";
  EXPECT_EQ(po.entries[1].line, 14);
  EXPECT_FALSE(po.entries[1].fuzzy);
  EXPECT_TRUE(po.entries[2].fuzzy);
}

struct Malformed {
  const char* text;
  const char* message;  // whole "file:line: message"
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.message; }

class PoReaderErrors : public ::testing::TestWithParam<Malformed> {};

TEST_P(PoReaderErrors, NameFileAndLine) {
  try {
    parsePo(GetParam().text, "xx.po");
    FAIL() << "accepted: " << GetParam().text;
  } catch (const PoError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PoReaderErrors,
    ::testing::Values(
        Malformed{"msgctxt \"1\"\nmsgid \"a\nmsgstr \"\"\n", "xx.po:2: missing closing quote"},
        Malformed{"msgid \"a\\x\"\nmsgstr \"\"\n", "xx.po:1: unknown escape sequence \\x"},
        Malformed{"msgid \"a\" b\nmsgstr \"\"\n", "xx.po:1: text after the closing quote"},
        Malformed{"\n\nmsgctxt \"1\"\nmsgid \"a\"\n\n", "xx.po:3: entry without msgstr"},
        Malformed{"msgstr \"a\"\n", "xx.po:1: msgstr without msgid"},
        Malformed{"msgid \"a\"\nmsgid \"b\"\nmsgstr \"\"\n", "xx.po:2: duplicate msgid in one entry"},
        Malformed{"msgid \"a\"\nmsgctxt \"1\"\n", "xx.po:2: msgctxt must come before msgid"},
        Malformed{"\"dangling\"\n", "xx.po:1: string without a keyword before it"},
        Malformed{"msgid \"a\"\nmsgid_plural \"as\"\n", "xx.po:2: plural forms are not supported"},
        Malformed{"msgid \"a\"\nmsgstr[0] \"b\"\n", "xx.po:2: plural forms are not supported"},
        Malformed{"msgid \"a\"\nmsgtxt \"b\"\n", "xx.po:2: unknown keyword 'msgtxt'"},
        Malformed{"msgid\nmsgstr \"\"\n", "xx.po:1: missing string after msgid"},
        Malformed{"msgid \"a\"\nmsgstr \"\xC3\"\n", "xx.po:2: string is not valid UTF-8"},
        Malformed{"msgid \"\"\nmsgstr \"A: 1\"\n\nmsgid \"\"\nmsgstr \"B: 2\"\n",
                  "xx.po:4: second header entry"}));

struct BadId {
  const char* context;
  const char* message;
};

TEST(Catalog, RejectsTextIdsOutsideTheTableAndTwins) {
  const PoFile po = parsePo(
      "msgctxt \"395\"\nmsgid \"a\"\nmsgstr \"\"\n\n"
      "msgctxt \"-1\"\nmsgid \"a\"\nmsgstr \"\"\n\n"
      "msgctxt \"12a\"\nmsgid \"a\"\nmsgstr \"\"\n\n"
      "msgid \"a\"\nmsgstr \"\"\n",
      "xx.po");
  const char* const messages[] = {
      "xx.po:1: msgctxt '395' is not a text id 0..394", "xx.po:5: msgctxt '-1' is not a text id 0..394",
      "xx.po:9: msgctxt '12a' is not a text id 0..394", "xx.po:13: entry without msgctxt (the text id)"};
  for (size_t i = 0; i < po.entries.size(); ++i) {
    try {
      textIdOf(po, po.entries[i]);
      FAIL() << messages[i];
    } catch (const PoError& e) {
      EXPECT_STREQ(e.what(), messages[i]);
    }
  }

  const PoFile twins = parsePo(
      "msgid \"\"\nmsgstr \"X-Kalvero-Language-Index: 3\\nX-Kalvero-Country-Code: GB\\n\"\n\n"
      "msgctxt \"5\"\nmsgid \"a\"\nmsgstr \"b\"\n\nmsgctxt \"5\"\nmsgid \"a\"\nmsgstr \"c\"\n",
      "gb.po");
  TextArray german;
  EXPECT_THROW(
      {
        try {
          loadTranslation(twins, german);
        } catch (const PoError& e) {
          EXPECT_STREQ(e.what(), "gb.po:8: text id 5 already defined at line 4");
          throw;
        }
      },
      PoError);
}

TEST(Catalog, HeaderNamesTheLanguage) {
  const auto header = [](const std::string& index, const std::string& code) {
    return parsePo("msgid \"\"\nmsgstr \"X-Kalvero-Language-Index: " + index +
                       "\\nX-Kalvero-Country-Code: " + code + "\\n\"\n",
                   "p.po");
  };
  EXPECT_EQ(languageOf(header("3", "GB")).index, 3);
  EXPECT_EQ(languageOf(header("1", "cz")).index, 1);
  EXPECT_THROW(languageOf(header("3", "DE")), PoError);
  EXPECT_THROW(languageOf(header("0", "DE")), PoError);
  EXPECT_THROW(languageOf(header("19", "XX")), PoError);
  EXPECT_THROW(languageOf(header("", "GB")), PoError);
}

}  // namespace
