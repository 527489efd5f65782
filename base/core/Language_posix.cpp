#include "base/core/Language.h"

Language UserLanguage() {
    return Language::Japanese;
}
