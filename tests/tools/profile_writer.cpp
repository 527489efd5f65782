// Test tool: writes into a profile file through the profile engine, as one of several
// processes that share the file.
//   profile_writer <file> <section> <first> <count> [<log file>]
//     writes Key<i>=value<i> for i = first .. first+count-1, one key at a time;
//   profile_writer --settings <file> <sections> <first> <count> <log file>
//     saves GenerationRecord(i) as the setting GenerationSetting(i, sections), a whole section
//     at a time, for i = first .. first+count-1.
// After each write has returned, the index is appended to the log file, so that a test that
// kills this process knows which writes returned before the kill. Exit status 0 when every
// write succeeded, 2 otherwise.
#include <windows.h>

#include <string>

#include "base/core/Utf16.h"
#include "common/core/ProfileAccess.h"
#include "common/core/SettingSections.h"
#include "common/core/SettingStore.h"
#include "tests/tools/SettingGenerations.h"
#include "widget/core/SettingNames.h"

namespace {

std::string ToUtf8(const wchar_t* text) {
    const std::wstring_view view(text);
    return Utf16ToUtf8(std::u16string(view.begin(), view.end()));
}

class Log {
public:
    explicit Log(const wchar_t* path)
        : m_file(path == nullptr ? INVALID_HANDLE_VALUE
                                 : CreateFileW(path,
                                               FILE_APPEND_DATA,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr,
                                               OPEN_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL,
                                               nullptr)) {}
    ~Log() {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    void Line(const std::string& text) {
        if (m_file == INVALID_HANDLE_VALUE)
            return;
        const std::string line = text + "\r\n";
        DWORD written = 0;
        WriteFile(m_file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

private:
    HANDLE m_file;
};

// One write of index i; true when it succeeded.
using WriteOne = bool (*)(const std::string& file, const std::string& target, long i);

bool WriteKey(const std::string& file, const std::string& section, long i) {
    const std::string index = std::to_string(i);
    return WriteProfileEntry(file, section, "Key" + index, "value" + index);
}

bool SaveSetting(const std::string& file, const std::string& sections, long i) {
    const int generation = static_cast<int>(i);
    const auto setting = static_cast<int16_t>(GenerationSetting(generation, std::stoi(sections)));
    return SettingStore(file, SettingSectionFor(setting)).Save(GenerationRecord(generation));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool settings = argc > 1 && std::wstring_view(argv[1]) == L"--settings";
    if (settings) {
        ++argv;
        --argc;
    }
    if (argc < 5)
        return 1;
    const WriteOne write = settings ? SaveSetting : WriteKey;
    const std::string file = ToUtf8(argv[1]);
    const std::string target = ToUtf8(argv[2]);
    const long first = wcstol(argv[3], nullptr, 10);
    const long count = wcstol(argv[4], nullptr, 10);
    Log log(argc > 5 ? argv[5] : nullptr);
    bool ok = true;
    for (long i = first; i < first + count; ++i) {
        if (write(file, target, i)) {
            log.Line(std::to_string(i));
        } else {
            ok = false;
        }
    }
    return ok ? 0 : 2;
}
