# The protections that Debian's own packages get from dpkg-buildflags with hardening=+all,
# for every program built here, set once: the stack protector, fortified C library calls
# where the build optimises, format-string warnings as errors, read-only relocations bound
# at start-up, and position-independent programs; and, where the compiler has them, the
# stack-clash and control-flow protections of newer Debian and Fedora builds. A build for
# testing also has the C++ library check its preconditions. On Windows, MinGW's programs get
# the stack protector and fortified calls; ASLR and DEP are its linker's defaults. The
# page's module takes none, and the sanitizer builds, which bring checks of their own, only
# the C++ library's.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "wasm32")
    return()
endif()
# The builds for testing (Debug, RelWithDebInfo) check the C++ library's preconditions;
# the release builds, which are packaged, leave that to the tests.
add_compile_definitions($<$<CONFIG:Debug,RelWithDebInfo>:_GLIBCXX_ASSERTIONS>)
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    return()
endif()

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# _FORTIFY_SOURCE needs the optimiser; a Debug build has none.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)

if(WIN32)
    link_libraries(ssp) # the protector's own library, which asks Windows for the canary's seed
    return()
endif()

foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "MORVANE_HAS${flag}" has)
    check_cxx_compiler_flag(${flag} ${has})
    if(${has})
        add_compile_options(${flag})
    endif()
endforeach()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)
add_link_options(LINKER:-z,relro LINKER:-z,now)
