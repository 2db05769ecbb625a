#include "perf/perf_titles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "perf/perf_context.h"
#include "perf_test_bed.h"
#include "platform/error.h"

namespace haltwise::perftest {
namespace {

class PerfTitlesTest : public PerfTestBed {
 protected:
  std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const Error& e) {
      return e.Message();
    }
    return "no error";
  }
};

TEST_F(PerfTitlesTest, RepeatedTitlesBecomeUniqueWithTrailingSpaces) {
  SetTitles("009",
            {{"10", "Bytes"},
             {"20", "Bytes"},
             {"30", "bytes"},
             {"40", "Blank"},
             {"50", " \t"},
             {"60", "Name=Value"},
             {"010", "Leading zero"}},
            {});
  PerfContext& context = Context();
  TPerfTitles titles(context);
  struct Case {
    const char* index;
    const char* title;
  };
  const Case byIndex[] = {{"10", "Bytes"}, {"20", "Bytes "},     {"30", "bytes  "}, {"40", "Blank"},
                          {"50", ""},      {"60", "Name=Value"}, {"70", ""},        {"ten", ""}};
  for (const Case& c : byIndex) EXPECT_EQ(titles.NameByIndex(c.index), c.title) << c.index;
  // "010" is read as the integer 10: its title is that of the first line of index 10.
  EXPECT_EQ(titles.InfoData()->IndexTexts().back(), "10");
  EXPECT_EQ(titles.InfoData()->TitleTexts().back(), "Bytes   ");

  EXPECT_EQ(titles.IndexByName("Bytes"), "10");
  EXPECT_EQ(titles.IndexByName("BYTES "), "20") << "titles compare without regard to case";
  EXPECT_EQ(titles.IndexByName("bytes  "), "30");
  EXPECT_EQ(titles.IndexByName("Nothing"), "-1");
}

TEST_F(PerfTitlesTest, ComponentsOfOneLanguageAndTableShareOneLoadedTable) {
  PerfContext& context = Context();
  TPerfTitles first(context), second(context);
  TPerfHelps helps(context);
  EXPECT_EQ(first.InfoData(), nullptr) << "loaded on the first lookup only";
  EXPECT_EQ(first.NameByIndex("238"), "Processor");
  EXPECT_EQ(second.NameByIndex("230"), "Process");
  EXPECT_EQ(helps.NameByIndex("239").substr(0, 13), "The Processor");
  EXPECT_EQ(first.InfoData(), second.InfoData());
  EXPECT_EQ(first.InfoData()->RefCount(), 2);
  EXPECT_NE(static_cast<const void*>(first.InfoData()), helps.InfoData());
  EXPECT_EQ(context.TitleTables().LoadedTables().size(), 2u);
}

TEST_F(PerfTitlesTest, TheLanguageFallsBackToTheFirstAndAChangeGivesTheTableBack) {
  // Windows enumerates subkeys sorted: a German machine lists "007" first.
  SetTitles("007", {{"238", "Prozessor"}}, {});
  PerfContext& context = Context();
  TPerfTitles titles(context);
  EXPECT_EQ(titles.Languages(), (std::vector<std::string>{"007", "009"}));
  EXPECT_EQ(titles.LocaleID(), "007");
  EXPECT_EQ(titles.NameByIndex("238"), "Prozessor");

  titles.SetLocaleID("007");  // unchanged: the table stays
  EXPECT_NE(titles.InfoData(), nullptr);
  titles.SetLocaleID("009");
  EXPECT_EQ(titles.InfoData(), nullptr);
  EXPECT_TRUE(context.TitleTables().LoadedTables().empty());
  EXPECT_EQ(titles.NameByIndex("238"), "Processor");
  titles.SetLocaleID("xyz");
  EXPECT_EQ(titles.LocaleID(), "007");
}

TEST_F(PerfTitlesTest, LongSubkeyNamesAreLanguagesToo) {
  // Current Windows has "CurrentLanguage" beside "009".
  registry.CreateKey(std::string(kPerflib) + "\\CurrentLanguage");
  PerfContext& context = Context();
  TPerfTitles titles(context);
  EXPECT_EQ(titles.Languages(), (std::vector<std::string>{"009", "CurrentLanguage"}));
}

TEST_F(PerfTitlesTest, FailuresOfThePerflibKey) {
  registry.FailCall("RegEnumKeyEx", win::kErrorAccessDenied, 1);
  PerfContext& context = Context();
  EXPECT_EQ(ErrorOf([&] { TPerfTitles titles(context); }), "Access is denied.");
  EXPECT_EQ(registry.OpenHandleCount(), 0);
  // The enumeration is not tried again; the list stays as far as it got.
  EXPECT_EQ(ErrorOf([&] { TPerfTitles titles(context); }), "List index out of bounds (0)");

  fake::FakeRegistry empty;
  fake::FakeClock clock;
  PerfContext withoutPerflib(empty, clock);
  EXPECT_EQ(ErrorOf([&] { TPerfHelps helps(withoutPerflib); }), "List index out of bounds (0)");
}

TEST_F(PerfTitlesTest, AnUnreadableTableIsEmptyAndABadIndexFailsTheLoad) {
  registry.FailCall("RegQueryValueEx", win::kErrorAccessDenied, 1, "Counter");
  PerfContext& context = Context();
  {
    TPerfTitles titles(context);
    EXPECT_EQ(titles.NameByIndex("238"), "");
    EXPECT_EQ(titles.IndexByName("Processor"), "-1");
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0);

  SetTitles("009", {{"238", "Processor"}, {"1a", "Bad"}}, {});
  TPerfTitles titles(context);
  EXPECT_EQ(ErrorOf([&] { titles.NameByIndex("238"); }), "'1a' is not a valid integer value");
  EXPECT_TRUE(context.TitleTables().LoadedTables().empty());
  SetTitles("009", {{"238", "Processor"}}, {});
  EXPECT_EQ(titles.NameByIndex("238"), "Processor") << "the next lookup loads again";
}

TEST_F(PerfTitlesTest, AReplayFileGivesItsTablesToEveryLanguage) {
  TempReplayFile file;
  {
    std::ofstream out(file.Path(), std::ios::binary);
    ReplayWriter writer(out, {{"238", "CPU"}, {"238", "Twice"}, {"x", "Not a number"}},
                        {{"239", "The CPU."}});
  }
  SetTitles("007", {{"238", "Prozessor"}}, {});
  PerfContext& context = Context(file.Path());
  TPerfTitles english(context), german(context);
  TPerfHelps helps(context);
  english.SetLocaleID("009");
  EXPECT_EQ(english.NameByIndex("238"), "CPU");
  EXPECT_EQ(german.NameByIndex("238"), "CPU");
  EXPECT_EQ(english.IndexByName("Twice"), "238") << "replayed titles are taken unchanged";
  EXPECT_EQ(english.IndexByName("Not a number"), "x");
  EXPECT_EQ(helps.NameByIndex("239"), "The CPU.");
  EXPECT_EQ(english.InfoData()->RefCount(), 1) << "one copy per language";
}

}  // namespace
}  // namespace haltwise::perftest
