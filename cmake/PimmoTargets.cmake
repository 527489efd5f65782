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
    else()
        add_compile_options(-Wall -Wextra)
        add_link_options(-static -static-libgcc -static-libstdc++)
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
    target_include_directories(${name} PUBLIC ${dir}/core)
endfunction()

function(pimmo_win_library name dir entry)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/win/*.cpp)
    list(REMOVE_ITEM sources ${dir}/win/${entry})
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${dir}/win)
endfunction()

# Programs with a wide entry point (wWinMain / wmain).
function(pimmo_wide_entry target)
    if(NOT MSVC)
        target_link_options(${target} PRIVATE -municode)
    endif()
endfunction()
