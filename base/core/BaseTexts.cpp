#include "base/core/BaseTexts.h"

namespace {

constexpr CatalogueRow<BaseText> kTexts[] = {
    {BaseText::HelpWordNotFound, {"「{0}」は見つかりません", "Could not find \"{0}\"."}},
};
static_assert(IsCompleteCatalogue(kTexts));

}  // namespace

std::string_view Text(BaseText id, Language language) {
    return kTexts[static_cast<size_t>(id)].text.In(language);
}
