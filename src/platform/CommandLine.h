#pragma once
// Command lines for starting a program: the program's path, cleaned of stray quotes and quoted
// when it holds a blank, then the parameters as written. A double quote can never be part of a
// Windows file or folder name, so any quote in a program or folder text is stray: left in, it
// would end the quoting early and let the system read "C:\Program Files\x.exe" as
// "C:\Program.exe" with arguments.
#include <string>
#include <string_view>

namespace sequora::platform {

// The text without any double quote, trimmed of blanks: "\"C:\My Tools\"\app.exe" gives
// C:\My Tools\app.exe.
std::string RemoveQuotes(std::string_view path);

// The path for the head of a command line: RemoveQuotes, then enclosed in double quotes when it
// holds a blank or a tab. "" stays "".
std::string QuoteProgramPath(std::string_view path);

// QuoteProgramPath(program), then one blank and the parameters trimmed of blanks, when there
// are any. The parameters are not touched otherwise: the started program parses its own line.
std::string BuildCommandLine(std::string_view program, std::string_view parameters);

// A stored program text split where a quoted program is followed by parameters: the program
// ends at a closing quote that a blank follows. So  "app.exe" -x  gives the program  "app.exe"
// and the parameters  -x , and  C:\Tools\"my app.exe" /a "b c"  gives  C:\Tools\"my app.exe"  and
// /a "b c" . Text without such a quote is all program. The program keeps its quotes
// (RemoveQuotes takes them out); both parts are trimmed.
struct ProgramText {
  std::string program;
  std::string parameters;
};
ProgramText SplitProgramText(std::string_view text);

// Whether the path names an executable image by its extension: ".exe" or ".com", case ignored.
// The extension decides, not the file's content, because the shell decides by extension too:
// every other file (a script, a shortcut, a document, a name without extension) is handed to
// the shell and opens as it would from Explorer.
bool IsExecutableImage(std::string_view path);

}  // namespace sequora::platform
