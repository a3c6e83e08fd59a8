# Turns the gettext catalogues po/<name>.po into a C++ table inside the program, so that
# every build carries every language and reads no file at run time: msgfmt compiles each
# catalogue as it would for Tcl, one line for each translated text (fuzzy and empty ones
# left out), and each line becomes a row. A catalogue msgfmt cannot read gives no rows,
# and its texts are shown in English; the catalogue test says why.
#   cmake -DMSGFMT=<msgfmt> -DPO=<po folder> -DNAMES=zh_CN,zh_TW -DOUT=<catalogues.cpp>
#         -P catalogues.cmake
string(REPLACE "," ";" NAMES "${NAMES}")
set(source "// Made by cmake/catalogues.cmake from the catalogues in po/.\n#include \"catalogue.h\"\n\n")
string(APPEND source "namespace morvane::forms {\nnamespace {\n\n")
set(lookup "")
get_filename_component(work ${OUT} DIRECTORY)
foreach(name ${NAMES})
    string(TOLOWER ${name} tcl_name)
    file(REMOVE ${work}/${tcl_name}.msg)
    execute_process(COMMAND ${MSGFMT} --tcl -l ${name} -d ${work} ${PO}/${name}.po RESULT_VARIABLE failed)
    set(rows "")
    if(NOT failed AND EXISTS ${work}/${tcl_name}.msg)
        file(READ ${work}/${tcl_name}.msg tcl)
        # Each line a list element, with the texts' own semicolons kept out of the way.
        string(REPLACE ";" "<semicolon>" tcl "${tcl}")
        string(REPLACE "\n" ";" lines "${tcl}")
        foreach(line IN LISTS lines)
            if(line MATCHES "^::msgcat::mcset [^ ]+ (\".*\") (\".*\")$")
                string(APPEND rows "    {${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}},\n")
            endif()
        endforeach()
        # Tcl's escapes that C++ does not have.
        foreach(character "$" "[" "]")
            string(REPLACE "\\${character}" "${character}" rows "${rows}")
        endforeach()
        string(REPLACE "<semicolon>" ";" rows "${rows}")
    endif()
    string(APPEND source "constexpr auto k_${name} = Sorted(std::to_array<Translation>({\n${rows}    {\"\", \"\"},\n}));\n\n")
    string(APPEND lookup "    if (name == \"${name}\")\n        return k_${name};\n")
endforeach()
string(APPEND source "} // namespace\n\nstd::span<const Translation> CatalogueNamed(std::string_view name)\n{\n")
string(APPEND source "${lookup}    return {};\n}\n\n} // namespace morvane::forms\n")
file(WRITE ${OUT}.new "${source}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUT}.new ${OUT})
