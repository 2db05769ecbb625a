#include "platform/utf16_text.h"

#include <gtest/gtest.h>

namespace haltwise {
namespace {

// Both directions of well-formed text: every length of UTF-8 sequence, a
// surrogate pair, an embedded zero and the extremes of each range.
TEST(Utf16Text, WellFormedTextRoundTrips) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"", u""},
      {"Haltwise.ini", u"Haltwise.ini"},
      {"\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82 \xE6\xB8\xAC\xE8\xA9\xA6", u"Тест 測試"},
      {"\xC5\x81ukasz", u"Łukasz"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF", u"\u007F\u0080\u07FF\u0800\uFFFF"},
      {"\xED\x9F\xBF\xEE\x80\x80", u"\uD7FF\uE000"},  // either side of the surrogates
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", u"\U00010000\U0010FFFF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

// Each malformed part becomes one U+FFFD and the text after it is kept.
TEST(Utf16Text, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    const char* what;
    std::string utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"lone continuation byte", "a\x80z", u"a\uFFFDz"},
      {"bytes that never start a sequence", "\xC0\xC1\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut off before an ASCII letter", "\xE6\xB8z", u"\uFFFDz"},
      {"cut off by a new sequence", "\xF0\x9F\x98\xD0\xA2", u"\uFFFD\u0422"},
      {"cut off at the end", "ok\xE6\xB8", u"ok\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.what;
}

TEST(Utf16Text, UnpairedSurrogatesBecomeReplacementCharacters) {
  struct Case {
    const char* what;
    std::u16string utf16;
    std::string utf8;
  };
  const Case cases[] = {
      {"high surrogate at the end", u"a\xD83D", "a\xEF\xBF\xBD"},
      {"low surrogate alone", u"\xDE00z", "\xEF\xBF\xBDz"},
      {"two high surrogates, then a pair", u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
      {"reversed pair", u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.what;
}

}  // namespace
}  // namespace haltwise
