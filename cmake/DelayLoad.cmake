# Delay-loaded system DLLs: the program loads such a DLL at the first call into it instead of
# at its start. A widget that finds its picture in the cache needs none of COM, the shell or the
# common dialogs, and every DLL loaded at start delays its first window.
#
# pimmo_delay_load(target dll...) links the target so that the named DLLs load on first use.
function(pimmo_delay_load target)
    if(MSVC)
        foreach(dll ${ARGN})
            target_link_options(${target} PRIVATE /DELAYLOAD:${dll}.dll)
        endforeach()
        target_link_libraries(${target} PRIVATE delayimp)
        return()
    endif()
    # MinGW: a delay-import library per DLL, made by dlltool from the names the ordinary
    # import library exports.
    find_program(PIMMO_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool x86_64-w64-mingw32-dlltool REQUIRED)
    set(folder ${CMAKE_BINARY_DIR}/delayload)
    file(MAKE_DIRECTORY ${folder})
    set(libs)
    foreach(dll ${ARGN})
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                        OUTPUT_VARIABLE importLib OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${importLib} OUTPUT_VARIABLE symbols)
        string(REGEX MATCHALL "I __imp_[A-Za-z0-9_@?]+" imports "${symbols}")
        list(TRANSFORM imports REPLACE "^I __imp_" "")
        list(REMOVE_DUPLICATES imports)
        list(JOIN imports "\n" exports)
        file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
        set(lib ${folder}/lib${dll}_delay.a)
        execute_process(COMMAND ${PIMMO_DLLTOOL} --input-def ${folder}/${dll}.def --output-delaylib ${lib}
                        RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "dlltool could not make the delay-import library of ${dll}")
        endif()
        list(APPEND libs ${lib})
    endforeach()
    # After every static library of the program and before the ordinary import libraries, so
    # that the linker takes each name from the delay-import library.
    target_link_libraries(${target} PRIVATE ${PIMMO_STATIC_LIBRARIES} ${libs} delayimp)
endfunction()
