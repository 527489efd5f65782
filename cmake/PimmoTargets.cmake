# Build conventions shared by all folders.
#   <dir>/core/*.cpp        GUI-free logic, built natively and for Windows
#   <dir>/core/*_posix.cpp  native-only implementation of a platform service
#   <dir>/core/*_win.cpp    Windows-only implementation of a platform service
#   <dir>/win/*.cpp         the Win32 shell (Windows only)

function(pimmo_native_flags)
    add_compile_options(-Wall -Wextra -Werror -fsanitize=address,undefined -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endfunction()

function(pimmo_windows_flags)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
    if(MSVC)
        add_compile_options(/W4 /utf-8 /EHsc)
        add_link_options(/MANIFEST:NO)
        if(PIMMO_WARNINGS_AS_ERRORS)
            add_compile_options(/WX)
        endif()
    else()
        add_compile_options(-Wall -Wextra)
        if(PIMMO_WARNINGS_AS_ERRORS AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
            add_compile_options(-Werror)
        endif()
        # GCC 12 at -O3 warns falsely of overlapping copies in "text" + std::string (its bug 105651).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            add_compile_options(-Wno-restrict)
        endif()
        add_link_options(-static -static-libgcc -static-libstdc++)
        # The static runtime brings its debugging sections along: a release program without them
        # is half the size, and Wine maps less of it at every start. Sections at whole pages of
        # the file let Wine map them from the file, where it would otherwise read all of them.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            add_link_options($<$<CONFIG:Release>:-s> -Wl,--file-alignment,4096)
        endif()
    endif()
endfunction()

# Collects the sources of <dir>/core for the current platform into OUT.
function(pimmo_core_sources dir out)
    file(GLOB all CONFIGURE_DEPENDS ${dir}/core/*.cpp)
    set(result)
    foreach(f ${all})
        if(f MATCHES "_posix\\.cpp$" AND WIN32)
            continue()
        endif()
        if(f MATCHES "_win\\.cpp$" AND NOT WIN32)
            continue()
        endif()
        list(APPEND result ${f})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# A static library from <dir>/core (and on Windows <dir>/win, minus the program's entry file).
function(pimmo_library name dir)
    pimmo_core_sources(${dir} sources)
    add_library(${name} STATIC ${sources})
    # One include root: every include names its layer ("base/win/Window.h").
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

function(pimmo_win_library name dir entry)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/win/*.cpp)
    list(REMOVE_ITEM sources ${dir}/win/${entry})
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Programs with a wide entry point (wWinMain / wmain).
function(pimmo_wide_entry target)
    if(NOT MSVC)
        target_link_options(${target} PRIVATE -municode)
    endif()
endfunction()

# One of the three programs: <dir>/win/WinMain.cpp and the program's .rc (resources, icon,
# manifest) over its libraries, wide entry point, static runtime (pimmo_windows_flags), the named
# system DLLs loaded at their first use, and the help file copied beside the program.
#   pimmo_program(NAME pimmo RC win/pimmo.rc LIBRARIES pimmo_widget_win
#                 STATIC_LIBRARIES ... DELAY_LOAD ole32 ... HELP_FILE help/pimmo.hlp)
function(pimmo_program)
    cmake_parse_arguments(PROGRAM "" "NAME;RC;HELP_FILE" "LIBRARIES;STATIC_LIBRARIES;DELAY_LOAD" ${ARGN})
    add_executable(${PROGRAM_NAME} WIN32 win/WinMain.cpp ${PROGRAM_RC})
    pimmo_wide_entry(${PROGRAM_NAME})
    target_link_libraries(${PROGRAM_NAME} PRIVATE ${PROGRAM_LIBRARIES})
    if(PROGRAM_DELAY_LOAD)
        set(PIMMO_STATIC_LIBRARIES ${PROGRAM_STATIC_LIBRARIES})
        pimmo_delay_load(${PROGRAM_NAME} ${PROGRAM_DELAY_LOAD})
    endif()
    if(PROGRAM_HELP_FILE)
        get_filename_component(helpName ${PROGRAM_HELP_FILE} NAME)
        add_custom_command(TARGET ${PROGRAM_NAME} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROGRAM_HELP_FILE}
                    $<TARGET_FILE_DIR:${PROGRAM_NAME}>/${helpName})
        # The English help beside it ("pimmo-en.hlp"), which an English Windows shows.
        string(REGEX REPLACE "\\.hlp$" "-en.hlp" englishHelp ${PROGRAM_HELP_FILE})
        get_filename_component(englishName ${englishHelp} NAME)
        if(EXISTS ${englishHelp})
            add_custom_command(TARGET ${PROGRAM_NAME} POST_BUILD
                COMMAND ${CMAKE_COMMAND} -E copy_if_different ${englishHelp}
                        $<TARGET_FILE_DIR:${PROGRAM_NAME}>/${englishName})
        endif()
    endif()
endfunction()
