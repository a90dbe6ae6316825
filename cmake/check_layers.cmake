# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Run as a build step (cmake -P) with TABLE, the layering table the configure
# step wrote. Fails when a folder includes a header of a folder it does not
# depend on, or when a core folder includes a Qt Widgets or Print Support
# header. Writes the table as text to REPORT.
include(${TABLE})

set(report "folder                 | core | may include\n")
string(APPEND report "---------------------- | ---- | -----------\n")
set(faults "")
foreach(folder IN LISTS FB_LAYER_FOLDERS)
    set(allowed ${FB_LAYER_ALLOWED_${folder}})
    set(core ${FB_LAYER_CORE_${folder}})
    if(core)
        set(core_mark "yes ")
    else()
        set(core_mark "    ")
    endif()
    list(JOIN allowed ", " allowed_text)
    # The folder's path below src/, or its name for a folder outside it.
    set(dir ${FB_LAYER_DIR_${folder}})
    if(dir MATCHES "/src/(.+)$")
        set(path ${CMAKE_MATCH_1})
    else()
        get_filename_component(path ${dir} NAME)
    endif()
    string(APPEND report "${path}")
    string(LENGTH "${path}" length)
    foreach(i RANGE ${length} 22)
        string(APPEND report " ")
    endforeach()
    string(APPEND report "| ${core_mark} | ${allowed_text}\n")

    file(GLOB sources ${FB_LAYER_DIR_${folder}}/*.cpp ${FB_LAYER_DIR_${folder}}/*.h)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"((core|ui)/)?([a-z_0-9]+)/")
                set(used ${CMAKE_MATCH_3})
                if(NOT used STREQUAL folder AND used IN_LIST FB_LAYER_FOLDERS
                   AND NOT used IN_LIST allowed)
                    string(APPEND faults "${source}: ${folder}/ may not include from ${used}/\n")
                endif()
            elseif(core AND line MATCHES "#[ \t]*include[ \t]*<(Qt[A-Za-z]+/)?([A-Za-z_0-9.]+)>")
                set(header ${CMAKE_MATCH_2})
                if(CMAKE_MATCH_1 MATCHES "^Qt(Widgets|PrintSupport)/$"
                   OR header IN_LIST FB_LAYER_WIDGET_HEADERS)
                    string(APPEND faults "${source}: core folder ${folder}/ includes <${header}>\n")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

file(WRITE ${REPORT} "${report}")
if(faults)
    message(FATAL_ERROR "Includes across the layers:\n${faults}")
endif()
