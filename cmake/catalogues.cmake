# Turns the gettext catalogues po/<name>.po into a C++ table inside the program, so that
# every build carries every language and reads no file at run time. Each catalogue must
# pass msgfmt --check, or the build fails; msgattrib then gives its translated texts (fuzzy
# and empty ones left out) one entry each, whose quoted texts, written with C's escapes,
# become the rows' string literals. A text's context (msgctxt) goes with it.
#   cmake -DMSGFMT=<msgfmt> -DMSGATTRIB=<msgattrib> -DPO=<po folder> -DOUT=<catalogues.cpp>
#         -P catalogues.cmake
cmake_minimum_required(VERSION 3.21)
file(STRINGS ${PO}/LINGUAS names REGEX "^[^#]")
set(source "// Made by cmake/catalogues.cmake from the catalogues in po/.\n#include \"catalogue.h\"\n\n")
string(APPEND source "namespace morvane::forms {\nnamespace {\n\n")
set(lookup "")
set(listed "")
foreach(name ${names})
    execute_process(COMMAND ${MSGFMT} --check -o /dev/null ${PO}/${name}.po
        RESULT_VARIABLE failed ERROR_VARIABLE complaint)
    if(failed)
        message(FATAL_ERROR "po/${name}.po cannot be read: ${complaint}")
    endif()
    execute_process(COMMAND ${MSGATTRIB} --translated --no-fuzzy --no-obsolete --no-wrap --no-location
        ${PO}/${name}.po OUTPUT_VARIABLE entries COMMAND_ERROR_IS_FATAL ANY)
    # Each line a list element, with the texts' own semicolons and brackets out of the way.
    string(REPLACE ";" "<semicolon>" entries "${entries}")
    string(REPLACE "[" "<open>" entries "${entries}")
    string(REPLACE "]" "<close>" entries "${entries}")
    string(REPLACE "\n" ";" lines "${entries};")
    set(rows "")
    set(field "")
    set(msgctxt "\"\"")
    foreach(line IN LISTS lines)
        if(line MATCHES "^(msgctxt|msgid|msgstr) (\".*\")$")
            set(field ${CMAKE_MATCH_1})
            set(${field} "${CMAKE_MATCH_2}")
        elseif(line MATCHES "^\".*\"$" AND field)
            string(APPEND ${field} " ${line}") # a text that goes on: adjacent literals join
        elseif(line STREQUAL "" AND field STREQUAL "msgstr")
            if(NOT msgid STREQUAL "\"\"") # the header
                string(APPEND rows "    {${msgctxt}, ${msgid}, ${msgstr}},\n")
            endif()
            set(field "")
            set(msgctxt "\"\"")
        endif()
    endforeach()
    string(REPLACE "<semicolon>" ";" rows "${rows}")
    string(REPLACE "<open>" "[" rows "${rows}")
    string(REPLACE "<close>" "]" rows "${rows}")
    string(APPEND source "constexpr auto k_${name} = Sorted(std::to_array<Translation>({\n${rows}    {\"\", \"\", \"\"},\n}));\n\n")
    string(APPEND lookup "    if (name == \"${name}\")\n        return k_${name};\n")
    string(APPEND listed "\"${name}\", ")
endforeach()
string(APPEND source "} // namespace\n\n")
string(APPEND source "static_assert(ListsEveryCatalogue(std::to_array<std::string_view>({${listed}})),\n")
string(APPEND source "              \"the languages' table and po/LINGUAS name other catalogues\");\n\n")
string(APPEND source "std::span<const Translation> CatalogueNamed(std::string_view name)\n{\n")
string(APPEND source "${lookup}    return {};\n}\n\n} // namespace morvane::forms\n")
file(WRITE ${OUT}.new "${source}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUT}.new ${OUT})
