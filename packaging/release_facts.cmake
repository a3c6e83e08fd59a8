# The release facts, each written once. The version and the date come from the newest
# entry of packaging/debian/changelog: the project version, the package version, the
# manual page, the AppStream release, the application's version and the Windows resources
# all follow it. Sets
#   MORVANE_PRODUCT            Morvane, the product's name
#   MORVANE_APP_ID             example.orrindale.Morvane, the desktop entry's and Wayland's name for it
#   MORVANE_CHANGELOG          the changelog's path
#   MORVANE_RELEASE_VERSION    1.0.0
#   MORVANE_RELEASE_DATE       2026-12-07, the day as the entry's trailer gives it
#   MORVANE_RELEASE_YEAR       2026
#   MORVANE_VERSION_TEXT       1.00
#   MORVANE_MAKER              Orrindale
#   MORVANE_MAKER_ADDRESS      https://www.orrindale.example
set(MORVANE_PRODUCT Morvane)
set(MORVANE_APP_ID example.orrindale.${MORVANE_PRODUCT})
set(MORVANE_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MORVANE_CHANGELOG})

function(morvane_read_changelog path)
    # file(READ) rather than file(STRINGS): the heading holds a ';', which would split it.
    file(READ ${path} changelog)

    # Heading: "morvane (1.0.0) unstable; urgency=medium". A native package's version has
    # no Debian revision, and project() takes only dotted numbers.
    if(NOT changelog MATCHES "^morvane \\(([0-9]+(\\.[0-9]+)*)\\) [a-z-]+; urgency=[a-z]+\n")
        message(FATAL_ERROR "${path}: the first line is not "
            "\"morvane (<dotted version>) <distribution>; urgency=<urgency>\"")
    endif()
    set(MORVANE_RELEASE_VERSION ${CMAKE_MATCH_1} PARENT_SCOPE)

    # Trailer: " -- Name <address>  Mon, 07 Dec 2026 00:52:36 +0000", as date -R writes
    # the date. The first one in the file closes the newest entry.
    if(NOT changelog MATCHES "\n -- [^\n]+ <[^\n]+>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [+-][0-9][0-9][0-9][0-9]\n")
        message(FATAL_ERROR "${path}: the newest entry has no trailer line "
            "\" -- Name <address>  <date as date -R writes it>\"")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month EQUAL -1)
        message(FATAL_ERROR "${path}: '${CMAKE_MATCH_2}' in the newest trailer is not a month")
    endif()
    math(EXPR month "${month} + 1")
    string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
    string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
    set(MORVANE_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE)
endfunction()

morvane_read_changelog(${MORVANE_CHANGELOG})

# Who makes the program, as the windows, the packages and the Windows resources name it.
# The site lives under the reserved .example domain so that no real party's is implied.
set(MORVANE_MAKER Orrindale)
set(MORVANE_MAKER_ADDRESS https://www.orrindale.example)
string(SUBSTRING ${MORVANE_RELEASE_DATE} 0 4 MORVANE_RELEASE_YEAR)

# The version as Windows' resources and the application's own version give it: 1.0.0 is
# 1.0.0.0 in numbers and "1.00" in text.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)" _ ${MORVANE_RELEASE_VERSION})
math(EXPR _minor_hundredths "100 + ${CMAKE_MATCH_2}")
string(SUBSTRING ${_minor_hundredths} 1 2 _minor_text)
set(MORVANE_VERSION_TEXT ${CMAKE_MATCH_1}.${_minor_text})
