#pragma once
// The kinds of picture the widget shows, one list for the drop on the photo, the open-file
// dialog's filter and the folder scan: BMP, JPEG (".jpg" or ".jpeg") and PNG always, and every
// still-picture kind whose decoder the system's imaging component has installed (HEIC, WebP,
// AVIF, TIFF...), in any case. Animated and icon kinds are left out: the photo shows one still
// picture.
#include <string>
#include <string_view>
#include <vector>

// The installed decoders' file extensions, one text per decoder as the imaging component gives
// them (".tiff,.tif"; some list them with ";"). Asked once, at the first use of the list.
using DecoderExtensionSource = std::vector<std::string> (*)();
// Set at the program's start, before any thread asks; without it the list is the four kinds.
void UsePictureDecoders(DecoderExtensionSource source);

// The list from the decoders' texts: the four kinds first, then each other extension once, in
// lower case, without the animated and icon kinds or a text that is no extension.
std::vector<std::string> PictureExtensionsFrom(const std::vector<std::string>& decoderExtensions);
// The list in use.
const std::vector<std::string>& PictureExtensions();

bool IsPictureName(std::string_view name);
bool IsJpegName(std::string_view name);
// Kinds that may carry the date taken in their first bytes: JPEG's Exif segment, TIFF's own tags.
bool HasExifHead(std::string_view name);
// The open-file dialog's pattern of every picture kind: "*.bmp;*.jpg;*.jpeg;*.png;...".
std::string PicturePattern();
