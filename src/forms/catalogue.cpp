#include "catalogue.h"

namespace morvane::forms {

std::string_view Translate(std::string_view english, Language language)
{
    const std::span<const Translation> catalogue = CatalogueNamed(NameOf(language).catalogue);
    const auto found = std::ranges::lower_bound(catalogue, english, {}, &Translation::english);
    return found != catalogue.end() && found->english == english ? found->text : english;
}

} // namespace morvane::forms
