#include "widget/core/PhotoFolderIndex.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <map>
#include <utility>

#include "widget/core/ExifReader.h"

namespace {

constexpr std::string_view kFormat = "Pimmo photo index 1\n";
constexpr std::string_view kEnd = "end ";
constexpr std::string_view kLogFormat = "Pimmo photo index log 1\t";

uint64_t Checksum(std::string_view bytes) {  // FNV-1a: a damaged byte changes it
    uint64_t hash = 0xCBF29CE484222325ull;
    for (char c : bytes)
        hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
    return hash;
}

bool ByName(const PhotoEntry& a, const PhotoEntry& b) {
    return a.name < b.name;
}

// Reads the fields of one stored line, separated by tabs, without copying them; a start reads
// every line of the index, so each one costs its name's copy and nothing more.
class LineReader {
public:
    explicit LineReader(std::string_view line) : m_rest(line) {}

    std::string_view Field() {
        const size_t tab = m_rest.find('\t');
        const std::string_view field = m_rest.substr(0, tab);
        m_ended = tab == std::string_view::npos;
        m_rest = m_ended ? std::string_view() : m_rest.substr(tab + 1);
        return field;
    }
    template <typename Value>
    bool Number(Value& out) {
        if (m_ended)
            return false;
        const std::string_view text = Field();
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
        return !text.empty() && error == std::errc() && end == text.data() + text.size();
    }
    bool Done() const { return m_ended; }

private:
    std::string_view m_rest;
    bool m_ended = false;
};

std::optional<PhotoEntry> DecodeEntry(std::string_view line) {
    PhotoEntry entry;
    LineReader reader(line);
    const std::string_view name = reader.Field();
    int exif = 0;
    if (name.empty() || !reader.Number(entry.taken) || !reader.Number(exif) || !reader.Number(entry.size) ||
        !reader.Number(entry.written) || !reader.Done() || (exif != 0 && exif != 1))
        return std::nullopt;
    entry.name.assign(name);
    entry.takenFromExif = exif == 1;
    return entry;
}

std::string EntryFields(const PhotoEntry& photo) {
    char numbers[96];
    const int length =
        std::snprintf(numbers, sizeof numbers, "\t%lld\t%d\t%llu\t%lld", static_cast<long long>(photo.taken),
                      photo.takenFromExif ? 1 : 0, static_cast<unsigned long long>(photo.size),
                      static_cast<long long>(photo.written));
    return photo.name + std::string(numbers, static_cast<size_t>(length));
}

// One line of the log, its checksum last: "<text>\t<16 hex digits>\n".
std::string Sealed(const std::string& text) {
    char sum[24];
    std::snprintf(sum, sizeof sum, "\t%016llx\n", static_cast<unsigned long long>(Checksum(text)));
    return text + sum;
}

// The text of a sealed line, nullopt when its checksum does not match.
std::optional<std::string_view> Unsealed(std::string_view line) {
    const size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos)
        return std::nullopt;
    uint64_t stored = 0;
    const std::string_view sum = line.substr(tab + 1);
    const auto [end, error] = std::from_chars(sum.data(), sum.data() + sum.size(), stored, 16);
    if (sum.size() != 16 || error != std::errc() || end != sum.data() + sum.size() ||
        stored != Checksum(line.substr(0, tab)))
        return std::nullopt;
    return line.substr(0, tab);
}

std::string Header(const std::string& folder, bool subfolders) {
    return std::string(kFormat) + folder + "\n" + (subfolders ? "1" : "0") + "\n";
}

}  // namespace

PhotoEntry MakePhotoEntry(std::string name,
                          LocalSeconds lastWrite,
                          const uint8_t* head,
                          size_t size,
                          uint64_t fileSize,
                          int64_t written) {
    const auto taken = ReadExifDateTaken(head, size);
    return {std::move(name), taken.value_or(lastWrite), taken.has_value(), fileSize, written};
}

void SortPhotoIndex(PhotoIndex& photos) {
    std::sort(photos.begin(), photos.end(), ByName);
}

const PhotoEntry* FindUnchangedPhoto(const PhotoIndex& index, std::string_view name, uint64_t size, int64_t written) {
    const auto at = std::lower_bound(index.begin(), index.end(), name,
                                     [](const PhotoEntry& entry, std::string_view key) { return entry.name < key; });
    if (at == index.end() || at->name != name || at->size != size || at->written != written)
        return nullptr;
    return &*at;
}

PhotoIndex MergePartialScan(const PhotoIndex& index, PhotoIndex learned) {
    SortPhotoIndex(learned);
    PhotoIndex merged;
    merged.reserve(index.size() + learned.size());
    auto old = index.begin();
    for (PhotoEntry& entry : learned) {
        for (; old != index.end() && old->name < entry.name; ++old)
            merged.push_back(*old);
        if (old != index.end() && old->name == entry.name)
            ++old;
        merged.push_back(std::move(entry));
    }
    merged.insert(merged.end(), old, index.end());
    return merged;
}

std::string EncodePhotoIndex(const std::string& folder, bool subfolders, const PhotoIndex& photos) {
    std::string bytes = Header(folder, subfolders);
    bytes.reserve(bytes.size() + photos.size() * 64);
    for (const PhotoEntry& photo : photos)
        bytes += EntryFields(photo) + "\n";
    char end[32];
    std::snprintf(end, sizeof end, "%016llx\n", static_cast<unsigned long long>(Checksum(bytes)));
    return bytes + std::string(kEnd) + end;
}

std::optional<PhotoIndex> DecodePhotoIndex(std::string_view bytes, const std::string& folder, bool subfolders) {
    const std::string header = Header(folder, subfolders);
    const size_t endAt = bytes.rfind(kEnd);
    if (bytes.substr(0, header.size()) != header || endAt == std::string_view::npos || endAt < header.size())
        return std::nullopt;
    uint64_t stored = 0;
    const std::string_view sum = bytes.substr(endAt + kEnd.size());
    const auto [sumEnd, error] = std::from_chars(sum.data(), sum.data() + sum.size(), stored, 16);
    if (error != std::errc() || std::string_view(sumEnd, sum.data() + sum.size() - sumEnd) != "\n" ||
        stored != Checksum(bytes.substr(0, endAt)))
        return std::nullopt;
    PhotoIndex photos;
    photos.reserve(static_cast<size_t>(std::count(bytes.begin() + header.size(), bytes.begin() + endAt, '\n')));
    for (size_t at = header.size(); at < endAt;) {
        const size_t newline = bytes.find('\n', at);
        std::optional<PhotoEntry> entry = DecodeEntry(bytes.substr(at, newline - at));
        if (!entry || (!photos.empty() && !(photos.back().name < entry->name)))
            return std::nullopt;  // the index is stored sorted, each name once
        photos.push_back(std::move(*entry));
        at = newline + 1;
    }
    return photos;
}

std::string EncodePhotoIndexLogStart(uint64_t indexSum) {
    char sum[24];
    std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(indexSum));
    return Sealed(std::string(kLogFormat) + sum);
}

std::string EncodePhotoIndexChanges(const PhotoIndex& before, const PhotoIndex& after) {
    std::string records;
    auto old = before.begin();
    auto now = after.begin();
    while (old != before.end() || now != after.end()) {
        if (now == after.end() || (old != before.end() && old->name < now->name)) {
            records += Sealed("-\t" + old++->name);
        } else {
            const bool same = old != before.end() && old->name == now->name;
            if (!same || *old != *now)
                records += Sealed("+\t" + EntryFields(*now));
            old += same ? 1 : 0;
            ++now;
        }
    }
    return records;
}

uint64_t StoredPhotoIndexSum(std::string_view stored) {
    const size_t endAt = stored.rfind(kEnd);
    uint64_t sum = 0;
    if (endAt == std::string_view::npos)
        return 0;
    const std::string_view text = stored.substr(endAt + kEnd.size());
    std::from_chars(text.data(), text.data() + text.size(), sum, 16);
    return sum;
}

bool ApplyPhotoIndexLog(std::string_view log, uint64_t indexSum, PhotoIndex& photos) {
    size_t newline = log.find('\n');
    if (newline == std::string_view::npos || log.substr(0, newline + 1) != EncodePhotoIndexLogStart(indexSum))
        return false;
    // The last record of a name wins; all are merged in one pass, as a scan's are.
    std::map<std::string, std::optional<PhotoEntry>, std::less<>> changes;
    for (size_t at = newline + 1; (newline = log.find('\n', at)) != std::string_view::npos; at = newline + 1) {
        const std::optional<std::string_view> text = Unsealed(log.substr(at, newline - at));
        if (!text || text->size() < 3 || (*text)[1] != '\t' || ((*text)[0] != '+' && (*text)[0] != '-'))
            break;  // cut off or damaged: what follows is not taken
        if ((*text)[0] == '-') {
            if (text->find('\t', 2) != std::string_view::npos)
                break;
            changes[std::string(text->substr(2))] = std::nullopt;
        } else if (std::optional<PhotoEntry> entry = DecodeEntry(text->substr(2))) {
            changes[entry->name] = std::move(*entry);
        } else {
            break;
        }
    }
    PhotoIndex merged;
    merged.reserve(photos.size() + changes.size());
    auto old = photos.begin();
    for (auto& [name, entry] : changes) {
        for (; old != photos.end() && old->name < name; ++old)
            merged.push_back(std::move(*old));
        if (old != photos.end() && old->name == name)
            ++old;
        if (entry)
            merged.push_back(std::move(*entry));
    }
    merged.insert(merged.end(), std::make_move_iterator(old), std::make_move_iterator(photos.end()));
    photos = std::move(merged);
    return true;
}

size_t PhotoIndexMemory(const PhotoIndex& photos) {
    size_t bytes = photos.capacity() * sizeof(PhotoEntry);
    for (const PhotoEntry& photo : photos)
        bytes += photo.name.capacity() > 15 ? photo.name.capacity() + 1 : 0;  // longer names leave the string
    return bytes;
}
