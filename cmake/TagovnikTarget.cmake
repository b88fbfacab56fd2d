# Compiler settings shared by every target of the project: warnings are errors,
# and Qt may not convert between 8-bit strings and QString implicitly, so every
# Czech text is an explicit UTF-8 literal.
function(tagovnik_configure_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_NO_CAST_FROM_BYTEARRAY
        QT_NO_URL_CAST_FROM_STRING
        QT_NO_KEYWORDS
        QT_USE_QSTRINGBUILDER)
endfunction()

# One static library per folder of src/.
function(tagovnik_add_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    tagovnik_configure_target(${target})
endfunction()

# One Qt Test executable per tested unit: tagovnik_add_test(NAME <name> SOURCES ... LIBRARIES ...
#   [WEBENGINE]). WEBENGINE tests need a real display (they run under xvfb-run from `make test`).
function(tagovnik_add_test)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test tagovnik_test_support ${ARG_LIBRARIES})
    tagovnik_configure_target(${ARG_NAME})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    tagovnik_sanitizer_environment(${ARG_NAME})
endfunction()

# A plain test of window-free rules: Qt Test and the named libraries, no test
# support: tagovnik_add_plain_test(NAME <name> SOURCES ... [LIBRARIES ...]).
function(tagovnik_add_plain_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    tagovnik_configure_target(${ARG_NAME})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 60)
    tagovnik_sanitizer_environment(${ARG_NAME})
endfunction()

# The sanitizers' settings for a test of a sanitized build.
function(tagovnik_sanitizer_environment test)
    if(TAGOVNIK_SANITIZE)
        # Any report ends the test. Leak checking is off: the system's libraries
        # (D-Bus, fontconfig, the engine, unloaded iconv modules) keep memory to
        # the end on purpose. The engine frees some objects with a sized delete
        # of their base class, which is its own and reported on every run.
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
            "ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0:abort_on_error=1"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    endif()
endfunction()
