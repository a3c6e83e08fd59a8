#include "catalogue.h"

namespace morvane::forms {

std::string_view Translate(std::string_view english, Language language, std::string_view context)
{
    const std::span<const Translation> catalogue = CatalogueNamed(NameOf(language).catalogue);
    const auto key = std::pair(context, english);
    const auto found = std::ranges::lower_bound(catalogue, key, {}, kTranslationKey);
    return found != catalogue.end() && kTranslationKey(*found) == key ? found->text : english;
}

} // namespace morvane::forms
