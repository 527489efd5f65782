#pragma once
// Starting files and sequences of reads and writes that the engine and the platform's
// profile functions run side by side.
#include <optional>
#include <string>
#include <vector>

struct Operation {
    enum Kind { Read, Write } kind;
    std::string section;
    std::string key;
    std::string text;  // the default of a read, the value of a write
};

struct DifferentialCase {
    std::string name;
    std::optional<std::string> start;  // the file's bytes; none: the file does not exist
    std::vector<Operation> operations;
};

// Files as people and other editors leave them: spacing, comments, duplicates, quotes, line
// breaks, Japanese text in code page 932 and UTF-16LE.
std::vector<DifferentialCase> HandEditedCases();

// Random sequences over a small set of names (spellings differing in case and blanks) and
// values, on the hand-edited starting files; the same every run.
std::vector<DifferentialCase> RandomCases(int count);

// Text in the ANSI code page, and in UTF-16LE with byte-order mark.
std::string Ansi(const std::string& utf8);
std::string Utf16File(const std::string& utf8);
