// Writes the windows' descriptions as the page's script that defines them
// (descriptions.js), for the page to draw before the module is ready. Built as a WASI
// command and run under Node when the site is made (descriptions.mjs).
#include "description_json.h"

#include <cstdio>

int main()
{
    std::printf("// The program's windows as its module describes them, for the page to draw.\n"
                "globalThis.morvaneDescriptions = %s;\n",
                DescriptionJson().c_str());
    return 0;
}
