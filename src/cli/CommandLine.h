#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::cli {

// The arguments after the program name, as UTF-8. On Windows they are taken
// from the wide command line, so names outside the ANSI code page survive.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// "--opt=value" and "-o=value" become "--opt" "value" and "-o" "value";
// everything else stays as it is.
std::vector<std::string> SplitOptionValues(const std::vector<std::string>& args);

// For commands that take no options: an argument that is one ("-x", "--x";
// "-" alone names standard input or output) is a usage error, said with the
// command's usage line. True when there was one.
bool RefusedOption(const char* command, const char* usage, const std::vector<std::string>& args);

// An argument no option of a command took: the command's one mission file,
// stored in `file`. Returns what is wrong with it as a usage error ("unknown
// option '-x'", "more than one mission file given"), or empty when taken.
std::string TakeMissionFile(const std::string& arg, std::string& file);

// Standard input and output carry bytes (a mission, a picture) and text in
// UTF-8; on Windows this turns off the CR LF translation and tells the
// console the output is UTF-8 until the program ends, when the console gets
// its code page back. Elsewhere it does nothing.
void PrepareStandardStreams();

// The folder holding this program, or empty when the platform cannot say.
std::filesystem::path ProgramFolder();

}  // namespace vantorel::cli
