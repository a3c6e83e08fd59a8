// Prints the windows' descriptions and the page's texts in every language, as JSON, for the
// site to be made from (descriptions.mjs). Built as a WASI command and run under Node when
// the site is made, so that the module the page loads carries none of it.
#include "description_json.h"

#include <cstdio>

int main()
{
    std::puts(DescriptionJson().c_str());
    return 0;
}
