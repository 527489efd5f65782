#include "common/core/SettingKeys.h"

#include <optional>
#include <string_view>

#include "common/core/Conversions.h"

namespace {

std::optional<std::string> Verbatim(std::string_view text) {
    return std::string(text);
}

std::string WriteVerbatim(const std::string& text) {
    return text;
}

template <typename Number>
std::string WriteNumber(Number value) {
    return std::to_string(value);
}

std::string WriteDate(const CalendarDate& date) {
    return FormatDate(date);
}

// A key that holds one field: Parse reads the text (std::nullopt when it cannot), Format
// writes the stored form. A missing or empty key keeps the field: the keys are always written
// together, so only a hand-made section lacks one.
template <auto Field, auto Parse, auto Format>
constexpr SettingKey Key(const char* name) {
    return {name, [](const SettingRecord& record) -> std::string { return Format(record.*Field); },
            [](SettingRecord& record, const std::string& text) {
                if (text.empty())
                    return true;
                const auto value = Parse(text);
                if (!value)
                    return false;
                record.*Field = *value;
                return true;
            }};
}

}  // namespace

const std::array<SettingKey, 11> kSettingKeys = {
    Key<&SettingRecord::WindowPosition, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kWindowPosition),
    Key<&SettingRecord::PictureFile, Verbatim, WriteVerbatim>(SettingKeyName::kPictureFile),
    Key<&SettingRecord::LastWindowTop, TextToInt32, WriteNumber<int32_t>>(SettingKeyName::kLastWindowTop),
    Key<&SettingRecord::LastWindowLeft, TextToInt32, WriteNumber<int32_t>>(SettingKeyName::kLastWindowLeft),
    Key<&SettingRecord::LastWindowBorder, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kLastWindowBorder),
    Key<&SettingRecord::PimmoName, Verbatim, WriteVerbatim>(SettingKeyName::kPimmoName),
    Key<&SettingRecord::PimmoBirthDay, ParseDate, WriteDate>(SettingKeyName::kPimmoBirthDay),
    Key<&SettingRecord::IsStretched, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kIsStretched),
    Key<&SettingRecord::PictureSize, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kPictureSize),
    Key<&SettingRecord::StretchMode, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kStretchMode),
    Key<&SettingRecord::IsStretchBmpCashed, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kIsStretchBmpCashed),
};

const std::array<SettingKey, 7> kFolderKeys = {
    Key<&SettingRecord::PictureFolder, Verbatim, WriteVerbatim>(SettingKeyName::kPictureFolder),
    Key<&SettingRecord::PictureOrder, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kPictureOrder),
    Key<&SettingRecord::PictureSubfolders, TextToInt16, WriteNumber<int16_t>>(SettingKeyName::kPictureSubfolders),
    Key<&SettingRecord::PictureDay, Verbatim, WriteVerbatim>(SettingKeyName::kPictureDay),
    Key<&SettingRecord::PictureSeed, Verbatim, WriteVerbatim>(SettingKeyName::kPictureSeed),
    Key<&SettingRecord::PictureRound, Verbatim, WriteVerbatim>(SettingKeyName::kPictureRound),
    Key<&SettingRecord::PictureShown, Verbatim, WriteVerbatim>(SettingKeyName::kPictureShown),
};

// An unset optional key is written empty where the section has it: the key is left behind.
std::string WriteOptionalDate(const CalendarDate& date) {
    return IsValidDate(date) ? FormatDate(date) : std::string();
}

std::string WriteOptionalNumber(int16_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

const std::array<SettingKey, 3> kOptionalKeys = {
    Key<&SettingRecord::PimmoDueDay, ParseDate, WriteOptionalDate>(SettingKeyName::kPimmoDueDay),
    Key<&SettingRecord::PictureInterval, TextToInt16, WriteOptionalNumber>(SettingKeyName::kPictureInterval),
    Key<&SettingRecord::HideFromCapture, TextToInt16, WriteOptionalNumber>(SettingKeyName::kHideFromCapture),
};

bool WritesOptionalKey(const SettingRecord& record, size_t index) {
    return (record.OptionalKeysStored & (1u << index)) != 0 || !kOptionalKeys[index].write(record).empty();
}

const std::array<SettingKey, 1> kRunKeys = {
    Key<&SettingRecord::LastRunDay, Verbatim, WriteVerbatim>(SettingKeyName::kLastRunDay),
};
