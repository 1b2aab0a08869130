#include "eds/eds_text_buffer.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Replays every reported change on a copy, as an editor view would; the copy
// must always end up equal to the buffer.
struct MirrorObserver : TextObserver {
  const EdsTextBuffer* buffer = nullptr;
  std::string mirror;
  int changes = 0;
  void TextChanged(std::size_t position, std::size_t removed, std::size_t inserted) override {
    mirror.replace(position, removed, buffer->Text().substr(position, inserted));
    ++changes;
  }
};

TEST(EdsTextBuffer, AppendedLinesAndBlocksEachEndWithLineFeed) {
  EdsTextBuffer text;
  text.AppendLine("[File]");
  text.AppendLine("");
  text.AppendBlock("a\n\nb\n");
  text.AppendBlock("c");  // an unended block gets its line ended
  text.AppendBlock("");
  EXPECT_EQ(text.Text(), "[File]\n\na\n\nb\nc\n");
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"[File]", "", "a", "", "b", "c"}));
}

TEST(EdsTextBuffer, AppendAfterUserTextWithoutLineEndStartsANewLine) {
  EdsTextBuffer text;
  text.Splice(0, 0, "typed");
  text.AppendLine("x");
  text.Splice(text.Size(), 0, "more");
  text.AppendBlock("y\n");
  EXPECT_EQ(text.Text(), "typed\nx\nmore\ny\n");
}

TEST(EdsTextBuffer, LinesTreatAFinalLineFeedAsTheEndOfTheLastLine) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"\n", {""}},
      {"a", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\n\n", {"a", ""}},
      {std::string("n\0l\n", 4), {std::string("n\0l", 3)}},
  };
  for (const Case& c : cases) {
    EdsTextBuffer text;
    text.Splice(0, 0, c.text);
    EXPECT_EQ(text.Lines(), c.lines) << "text: " << c.text;
  }
}

TEST(EdsTextBuffer, SpliceReplacesRangesAndClampsAtTheEnd) {
  struct Case {
    std::size_t position, removeCount;
    std::string insert, expected;
  };
  const std::vector<Case> cases = {
      {0, 0, ">", ">abc\ndef\n"},                                  // insert at start
      {3, 1, " ", "abc def\n"},                                    // line break typed over
      {8, 0, "g", "abc\ndef\ng"},                                  // append at the very end
      {4, 100, "X", "abc\nX"},                                     // removal runs past the end
      {0, 8, "", ""},                                              // select all, delete
      {1, 2, std::string("\0", 1), std::string("a\0\ndef\n", 7)},  // NUL survives
  };
  for (const Case& c : cases) {
    EdsTextBuffer text;
    text.AppendBlock("abc\ndef\n");
    MirrorObserver mirror;
    mirror.buffer = &text;
    mirror.mirror = text.Text();
    Subscription subscription = text.Subscribe(mirror);

    text.Splice(c.position, c.removeCount, c.insert);
    EXPECT_EQ(text.Text(), c.expected) << c.position << "/" << c.removeCount;
    EXPECT_EQ(mirror.mirror, c.expected) << c.position << "/" << c.removeCount;
  }
}

TEST(EdsTextBuffer, SpliceBeyondTheEndIsRefusedAndNoOpsStayQuiet) {
  EdsTextBuffer text;
  text.AppendLine("ab");
  MirrorObserver mirror;
  mirror.buffer = &text;
  mirror.mirror = text.Text();
  Subscription subscription = text.Subscribe(mirror);

  EXPECT_THROW(text.Splice(4, 0, "x"), std::out_of_range);
  text.Splice(3, 5, "");
  text.AppendBlock("");
  EXPECT_EQ(mirror.changes, 0);
  EXPECT_EQ(text.Text(), "ab\n");

  text.Clear();
  EXPECT_TRUE(text.Empty());
  EXPECT_EQ(mirror.mirror, "");
  EXPECT_EQ(mirror.changes, 1);
}

}  // namespace
}  // namespace corvane
