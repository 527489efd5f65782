// Reads the import and delay-load tables of a program file (PE32 or PE32+) from its bytes.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/support/PruvoDriver.h"

namespace e2e::pruvo {
namespace {

template <typename T>
bool ReadAt(const std::string& image, size_t offset, T& value) {
    if (offset > image.size() || image.size() - offset < sizeof(T)) {
        return false;
    }
    std::memcpy(&value, image.data() + offset, sizeof(T));
    return true;
}

struct Sections {
    std::vector<IMAGE_SECTION_HEADER> headers;

    // File offset of a relative virtual address, or 0 when no section holds it.
    size_t OffsetOf(DWORD rva) const {
        for (const IMAGE_SECTION_HEADER& section : headers) {
            const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + size) {
                return rva - section.VirtualAddress + section.PointerToRawData;
            }
        }
        return 0;
    }
};

std::string NameAt(const std::string& image, size_t offset) {
    if (offset == 0 || offset >= image.size()) {
        return {};
    }
    const size_t end = image.find('\0', offset);
    return image.substr(offset, end == std::string::npos ? std::string::npos : end - offset);
}

// The name field's offset within an import or delay-load descriptor.
template <typename Descriptor>
void CollectNames(const std::string& image,
                  const Sections& sections,
                  DWORD rva,
                  size_t nameField,
                  std::vector<std::string>& names) {
    size_t offset = rva == 0 ? 0 : sections.OffsetOf(rva);
    for (Descriptor descriptor{}; offset != 0 && ReadAt(image, offset, descriptor); offset += sizeof descriptor) {
        DWORD nameRva = 0;
        std::memcpy(&nameRva, reinterpret_cast<const char*>(&descriptor) + nameField, sizeof nameRva);
        if (nameRva == 0) {
            break;
        }
        names.push_back(NameAt(image, sections.OffsetOf(nameRva)));
    }
}

}  // namespace

std::vector<std::string> ImportedDlls(const std::wstring& exe, bool delayLoaded) {
    const std::string image = ReadFileBytes(exe);
    IMAGE_DOS_HEADER dos{};
    DWORD signature = 0;
    IMAGE_FILE_HEADER file{};
    if (!ReadAt(image, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || !ReadAt(image, dos.e_lfanew, signature) ||
        signature != IMAGE_NT_SIGNATURE || !ReadAt(image, dos.e_lfanew + sizeof signature, file)) {
        return {"<no PE file>"};
    }
    const size_t optionalOffset = dos.e_lfanew + sizeof signature + sizeof file;
    WORD magic = 0;
    ReadAt(image, optionalOffset, magic);
    // The data directories sit at the end of the optional header, whose size depends on its kind.
    const size_t directoriesOffset =
        optionalOffset + (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                                                 : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
    IMAGE_DATA_DIRECTORY imports{};
    IMAGE_DATA_DIRECTORY delayed{};
    ReadAt(image, directoriesOffset + IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY), imports);
    ReadAt(image, directoriesOffset + IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY), delayed);
    Sections sections;
    const size_t sectionsOffset = optionalOffset + file.SizeOfOptionalHeader;
    for (WORD i = 0; i < file.NumberOfSections; ++i) {
        IMAGE_SECTION_HEADER section{};
        if (ReadAt(image, sectionsOffset + i * sizeof section, section)) {
            sections.headers.push_back(section);
        }
    }
    std::vector<std::string> names;
    CollectNames<IMAGE_IMPORT_DESCRIPTOR>(image, sections, imports.VirtualAddress,
                                          offsetof(IMAGE_IMPORT_DESCRIPTOR, Name), names);
    if (delayLoaded) {
        CollectNames<IMAGE_DELAYLOAD_DESCRIPTOR>(image, sections, delayed.VirtualAddress,
                                                 offsetof(IMAGE_DELAYLOAD_DESCRIPTOR, DllNameRVA), names);
    }
    return names;
}

}  // namespace e2e::pruvo
