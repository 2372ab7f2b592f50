#pragma once
// Tricky INI files shared by the native tests and the Wine comparison (tests/win32/IniCompatTest):
// each one is read through every name in kCorpusSections x kCorpusKeys.
#include <string>
#include <vector>

namespace sequora::testing {

struct CorpusFile {
  const char* name;
  std::string text;
};

inline std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

inline std::vector<CorpusFile> IniCorpus() {
  using namespace std::string_literals;
  return {
      {"plain", "[Main]\r\nKey=value\r\nOther=2\r\n\r\n[Second]\r\nKey=second\r\n"},
      {"empty", ""},
      {"only-newlines", "\r\n\r\n\n\r"},
      {"duplicate-keys", "[Main]\r\nKey=first\r\nkey=second\r\nKEY = third\r\n"},
      {"duplicate-sections", "[Main]\r\nKey=first\r\n[Second]\r\nA=1\r\n[MAIN]\r\nKey=again\r\nOther=only-in-copy\r\n"},
      {"blanks-and-tabs", "  [Main]  \r\n\t Key \t=\t  spaced value \t \r\n  Other=  2\r\n[ Second ]\r\nA=1\r\n"},
      {"comments", "; comment\r\n[Main]\r\n;Key=commented\r\nKey=real\r\n# Other=hash\r\n#Hash=yes\r\n  ; Other=indented\r\nOther=2\r\n"},
      {"lines-without-equals", "[Main]\r\nKey\r\nOther=2\r\njust words here\r\nA\r\nA=after\r\n"},
      {"keys-before-section", "Key=orphan\r\nOther=orphan\r\n[Main]\r\nOther=2\r\n"},
      {"quotes", "[Main]\r\nKey=\"quoted value\"\r\nOther='single'\r\nA=\"unbalanced\r\nB=\"mixed'\r\nC=\"\"\r\nD=\"\r\nE= \"  padded  \" \r\nF=\"a\"b\"\r\n"},
      {"lf-only", "[Main]\nKey=value\nOther=2\n\n[Second]\nKey=second\n"},
      {"cr-only", "[Main]\rKey=value\rOther=2\r\r[Second]\rKey=second\r"},
      {"mixed-endings", "[Main]\r\nKey=value\nOther=2\r[Second]\n\rKey=second\r\n"},
      {"utf8-bom", "\xEF\xBB\xBF[Main]\r\nKey=value\r\n[Second]\r\nKey=second\r\n"},
      {"no-final-newline", "[Main]\r\nKey=value\r\nOther=last"},
      {"value-147", "[Main]\r\nKey=" + Repeat('a', 147) + "\r\nOther=2\r\n"},
      {"value-148", "[Main]\r\nKey=" + Repeat('b', 148) + "\r\nOther=2\r\n"},
      {"value-149", "[Main]\r\nKey=" + Repeat('c', 149) + "\r\nOther=2\r\n"},
      {"value-300", "[Main]\r\nKey=" + Repeat('d', 150) + Repeat('e', 150) + "\r\nOther=2\r\n"},
      {"quoted-148", "[Main]\r\nKey=\"" + Repeat('q', 148) + "\"\r\nOther=\"" + Repeat('r', 147) + "\"\r\n"},
      {"header-without-bracket", "[Main]\r\nKey=value\r\n[Second\r\nKey=second\r\n"},
      {"header-two-brackets", "[Main]x]\r\nKey=value\r\n[Second] trailing\r\nKey=second\r\n"},
      {"empty-values", "[Main]\r\nKey=\r\nOther=   \r\nA=\t\r\n"},
      {"equals-in-value", "[Main]\r\nKey=a=b=c\r\n=nokey\r\nOther = x = y\r\n"},
      {"case", "[mAiN]\r\nkEy=Value\r\n[SECOND]\r\nKEY=second\r\n"},
      {"ansi-bytes", "[Main]\r\nKey=C:\\Programme\\M\xFCller\\\xE4pp.exe\r\nOther=\xA9 2\r\n"},
      {"nul-bytes", "[Main]\r\nKey=ab\0cd\r\nOth\0er=x\r\nOther=2\r\n"s},
      {"vertical-tabs", "\v[Main]\v\r\n\vKey\v=\v value\v\r\n\v Other \v= \v\"q\"\v\r\n[Second]\r\nKey=\v\r\n"},
      {"tabs-in-brackets", "[\tMain\t]\r\nKey=tabbed\r\n[ Second ]\r\nKey=second\r\n"},
      {"value-32767", "[Main]\r\nKey=C:\\" + Repeat('p', 32764) + "\r\nOther=\"" + Repeat('q', 40000) + "\"\r\n"},
      {"default-style", "# Max 101 Programs allowed!\r\n\r\n[MainSettings]\r\nStartMinimized=0\r\n\r\n"
                        "[ProgramList]\r\nProgram1=notepad.exe\r\nProgram1Dir=C:\\Windows\\\r\n"
                        "Program1ConfirmMessageBoxNr=-1\r\n\r\n[Groups]\r\n\r\n\r\n[Backup]\r\n\r\n"},
  };
}

inline const std::vector<std::string>& CorpusSections() {
  static const std::vector<std::string> s = {"Main", "main", " Main ", "\tMain\t", "Second", " Second ",
                                             "Second] trailing", "Main]x", "Missing", "MainSettings", "ProgramList",
                                             "Another"};
  return s;
}

inline const std::vector<std::string>& CorpusKeys() {
  static const std::vector<std::string> k = {"Key", "key", " Key\t", "\vKey", "Other", "A", "B", "C", "D", "E", "F",
                                             "Hash", "#Hash", ";Key", "Missing", "StartMinimized",
                                             "Program1", "program1dir", "Program1ConfirmMessageBoxNr",
                                             "Oth", "[Second", "Brand New", "K"};
  return k;
}

}  // namespace sequora::testing
