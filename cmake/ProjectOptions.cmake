# Language level, warnings and cheap hardening, on one target that every library and program links,
# instead of global flags.
add_library(corvane_options INTERFACE)
target_compile_features(corvane_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

if(MSVC)
    target_compile_options(corvane_options INTERFACE /W4 /permissive-)
else()
    target_compile_options(corvane_options INTERFACE -Wall -Wextra -Wpedantic)
    target_compile_definitions(corvane_options INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
endif()

option(CORVANE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
if(CORVANE_WARNINGS_AS_ERRORS)
    if(MSVC)
        target_compile_options(corvane_options INTERFACE /WX)
    else()
        target_compile_options(corvane_options INTERFACE -Werror)
    endif()
endif()
