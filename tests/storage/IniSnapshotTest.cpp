// A snapshot must answer exactly what key-by-key reads of the same text answer.
#include "storage/IniSnapshot.h"

#include <gtest/gtest.h>

#include <random>

#include "IniCorpus.h"
#include "storage/IniText.h"

using namespace sequora::storage;
using namespace sequora::testing;

namespace {

void ExpectSameAnswers(const std::string& text, const std::string& label) {
  IniSnapshot snapshot(text);
  for (const auto& section : CorpusSections())
    for (const auto& key : CorpusKeys())
      ASSERT_EQ(snapshot.Lookup(section, key), LookupIniValue(text, section, key))
          << label << " [" << section << "] " << key;
}

// Files spliced from the corpus lines and a few hostile pieces.
std::string RandomFile(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "[Main]", "[main]", "[ Main ]", "[Second", "[Second]x]", "Key=1", "key = 2", "KEY=\"3\"", "Other='4'",
      "Other", ";Key=5", "A=", "A=\"", "=x", "\xEF\xBB\xBF", "\t", " ", "Key=" + std::string(150, 'z'),
      std::string("Ke\0y=6", 6), "B=\"b\"", "[Missing]", "[]", "[", "]"};
  static const std::vector<std::string> endings = {"\r\n", "\n", "\r", ""};
  std::string text;
  std::uniform_int_distribution<std::size_t> count(0, 12), piece(0, pieces.size() - 1), ending(0, 3);
  for (std::size_t i = count(rng); i > 0; --i) text += pieces[piece(rng)] + endings[ending(rng)];
  return text;
}

}  // namespace

TEST(IniSnapshot, AnswersAsKeyByKeyReadsOnTheCorpus) {
  for (const auto& file : IniCorpus()) ExpectSameAnswers(file.text, file.name);
}

TEST(IniSnapshot, AnswersAsKeyByKeyReadsOnSplicedFiles) {
  std::mt19937 rng(20261206);
  for (int i = 0; i < 3000; ++i) ExpectSameAnswers(RandomFile(rng), "spliced #" + std::to_string(i));
}

TEST(IniSnapshot, ReadIniAppliesTheDefaultRule) {
  IniSnapshot snapshot("[S]\r\nEmpty=\r\nBlank=\" \"\r\nPadded=\"  x \"\r\n");
  EXPECT_EQ(snapshot.ReadIni("S", "Empty", "d"), "d");
  EXPECT_EQ(snapshot.ReadIni("S", "Blank", "d"), "d");
  EXPECT_EQ(snapshot.ReadIni("S", "Padded", "d"), "x ");
  EXPECT_EQ(snapshot.ReadIni("S", "Missing", "d"), "d");
}
