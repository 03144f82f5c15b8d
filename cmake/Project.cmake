# Shared settings for every target of ours (not for third-party code such as GoogleTest).

# Every literal is compiled to code page 936 bytes, as the program's texts are.
set(TP_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=CP936)
set(TP_WARNING_FLAGS -Wall -Wextra -Werror)

option(TP_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(tp_target_options target)
    if(TP_FUZZ)
        # The fuzzing tree instruments every library of ours for coverage.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
    target_compile_options(${target} PRIVATE ${TP_WARNING_FLAGS} ${TP_CHARSET_FLAGS})
    target_compile_features(${target} PUBLIC cxx_std_17)
    if(TP_SANITIZE OR TP_FUZZ)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A library of ours.
function(tp_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    tp_target_options(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
endfunction()

# A program of ours; native programs land in build/native/bin.
function(tp_executable name)
    cmake_parse_arguments(ARG "WIN32_GUI" "" "SOURCES;DEPENDS" ${ARGN})
    if(ARG_WIN32_GUI)
        add_executable(${name} WIN32 ${ARG_SOURCES})
    else()
        add_executable(${name} ${ARG_SOURCES})
    endif()
    tp_target_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
    endif()
endfunction()

# One GoogleTest executable per module, run by ctest as a single test
# (under Wine in the Windows tree, through the cross-compiling emulator).
# LABELS lets the test command pick slow groups; TIMEOUT is in seconds.
function(tp_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPENDS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    tp_target_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest_main GTest::gmock)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 600)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()

# A libFuzzer target; only built in the clang fuzzing tree (scripts/fuzz.sh, TP_FUZZ=ON).
option(TP_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
function(tp_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    if(NOT TP_FUZZ)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    tp_target_options(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(ARG_DEPENDS)
        target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
    endif()
    set_property(GLOBAL APPEND PROPERTY TP_FUZZERS ${name})
endfunction()
