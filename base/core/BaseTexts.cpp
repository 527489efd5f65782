#include "base/core/BaseTexts.h"

namespace {

constexpr CatalogueRow<BaseText> kTexts[] = {
    {BaseText::HelpWordNotFound, {"「{0}」は見つかりません", "Cannot find \"{0}\"."}},
    {BaseText::HelpMissing, {"ヘルプファイルが見つかりません", "Cannot find the help file."}},
    {BaseText::HelpUnreadable, {"ヘルプファイルを読み込めません", "Cannot read the help file."}},
    {BaseText::HelpCaption, {"{0} ヘルプ", "{0} Help"}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(BaseText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}
