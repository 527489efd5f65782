#include "SettingStore.h"

#include <algorithm>
#include <utility>

#include "Conversions.h"
#include "IniFileRelatedLibrary.h"

using namespace IniFileRelatedLibrary;

namespace {

// Reads one key's text into a record field. A missing or empty key keeps the value of a new
// setting: the keys are always written together, so only a hand-made section lacks one.
template <typename T, typename Convert>
bool ReadInto(T& field, const std::string& text, Convert convert) {
    if (text.empty())
        return true;
    auto value = convert(text);
    if (!value)
        return false;
    field = *value;
    return true;
}

// Fills the record's fields from the eleven texts (in key order); the first key that cannot
// be read, or nullptr.
const char* FillRecord(SettingRecord& r, const std::string (&texts)[11]) {
    bool ok[11] = {
        ReadInto(r.WindowPosition, texts[0], TextToInt16),     true,
        ReadInto(r.LastWindowTop, texts[2], TextToInt32),      ReadInto(r.LastWindowLeft, texts[3], TextToInt32),
        ReadInto(r.LastWindowBorder, texts[4], TextToInt16),   true,
        ReadInto(r.PimmoBirthDay, texts[6], ParseDate),        ReadInto(r.IsStretched, texts[7], TextToInt16),
        ReadInto(r.PictureSize, texts[8], TextToInt16),        ReadInto(r.StretchMode, texts[9], TextToInt16),
        ReadInto(r.IsStretchBmpCashed, texts[10], TextToInt16)};
    r.PictureFile = texts[1];
    r.PimmoName = texts[5];
    for (int i = 0; i < 11; ++i)
        if (!ok[i])
            return kSettingKeys[i];
    return nullptr;
}

}  // namespace

SettingStore::SettingStore(std::string profileFile, std::string section)
    : m_profileFile(std::move(profileFile)), m_section(std::move(section)) {}

void SettingStore::Select() const {
    SelectProfile(m_profileFile, m_section);
}

SettingLoadResult SettingStore::Load(SettingRecord& record) const {
    Select();
    if (ReadProfileValue("PimmoName", "").empty())
        return {};
    std::string texts[11];
    for (int i = 0; i < 11; ++i)
        texts[i] = ReadProfileValue(kSettingKeys[i], "");
    SettingRecord loaded = NewSettingRecord(Today());
    loaded.CurrentBorder = record.CurrentBorder;
    if (const char* badKey = FillRecord(loaded, texts)) {
        const auto index = static_cast<size_t>(std::find(kSettingKeys, kSettingKeys + 11, badKey) - kSettingKeys);
        return {SettingLoadResult::Outcome::Unreadable, badKey, texts[index]};
    }
    record = loaded;
    return {SettingLoadResult::Outcome::Loaded, {}, {}};
}

void SettingStore::Save(const SettingRecord& record) const {
    Select();
    const std::string values[11] = {std::to_string(record.WindowPosition),    record.PictureFile,
                                    std::to_string(record.LastWindowTop),     std::to_string(record.LastWindowLeft),
                                    std::to_string(record.LastWindowBorder),  record.PimmoName,
                                    FormatDate(record.PimmoBirthDay),         std::to_string(record.IsStretched),
                                    std::to_string(record.PictureSize),       std::to_string(record.StretchMode),
                                    std::to_string(record.IsStretchBmpCashed)};
    for (int i = 0; i < 11; ++i)
        WriteProfileValue(kSettingKeys[i], values[i]);
}

void SettingStore::Clear() const {
    Select();
    for (const char* key : kSettingKeys)
        WriteProfileValue(key, "");
}

bool SettingStore::IsStartLocked() const {
    Select();
    return !ReadProfileValue(kLockKey, "").empty();
}

void SettingStore::SetStartLock() const {
    Select();
    WriteProfileValue(kLockKey, "locked");
}

void SettingStore::ReleaseStartLock() const {
    Select();
    WriteProfileValue(kLockKey, "");
}
