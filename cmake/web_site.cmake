# Puts the site together in SITE: the page and its scripts, the module carried by
# module.js (written by module.mjs, so that the page runs from disk too, where it may not
# fetch it), the windows' descriptions and the page's texts in every language as
# descriptions.js (so that the page draws before the module is ready), a manifest for each
# language, the pictures, the help pages, and the service worker with the list of every
# file and a version from their contents. Run by the web build:
#   cmake -DSOURCE=<src/web/site> -DMODULE=<kestrin.wasm> -DDESCRIPTIONS=<descriptions.wasm>
#         -DWRITE_DESCRIPTIONS=<descriptions.mjs> -DWRITE_MODULE=<module.mjs> -DNODE=<node>
#         -DPICTURES=<resources/pictures> -DHELP=<resources/help> -DSITE=<folder>
#         -P web_site.cmake
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/help)
file(GLOB scripts ${SOURCE}/*.js)
file(COPY ${SOURCE}/kestrin.css ${scripts} DESTINATION ${SITE})
foreach(picture banner.png banner@2x.png morvane-32.png morvane-192.png morvane-512.png)
    file(COPY ${PICTURES}/${picture} DESTINATION ${SITE})
endforeach()
file(GLOB help_pages ${HELP}/*.htm)
file(COPY ${help_pages} DESTINATION ${SITE}/help)

execute_process(COMMAND ${NODE} ${WRITE_DESCRIPTIONS} ${DESCRIPTIONS} ${SOURCE} ${SITE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${NODE} ${WRITE_MODULE} ${MODULE} ${SITE}/module.js COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(hashes "")
set(SITE_FILES "'./'")
foreach(name ${files})
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND hashes ${hash})
    string(APPEND SITE_FILES ", '${name}'")
endforeach()
string(SHA256 SITE_VERSION "${hashes}")
string(SUBSTRING ${SITE_VERSION} 0 12 SITE_VERSION)
configure_file(${SOURCE}/sw.js.in ${SITE}/sw.js @ONLY)
