# SPDX-License-Identifier: GPL-3.0-or-later
# The layering table: each folder's DEPS in its CMakeLists.txt name the folders
# it may include from (and, through them, theirs). A CORE folder must not
# reach Qt Widgets or Print Support, neither by linking nor by including.

# Records folder (the current source folder) with its direct dependencies:
# fb_<folder> targets and other link libraries.
function(fb_register_layer folder)
    cmake_parse_arguments(ARG "CORE" "" "DEPS" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY FB_LAYER_FOLDERS ${folder})
    set_property(GLOBAL PROPERTY FB_LAYER_DIR_${folder} ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(GLOBAL PROPERTY FB_LAYER_CORE_${folder} ${ARG_CORE})
    set_property(GLOBAL PROPERTY FB_LAYER_DEPS_${folder} ${ARG_DEPS})
endfunction()

# Everything folder depends on, directly or through other folders: folder
# names for fb_ targets, link library names for the rest.
function(fb_layer_closure folder out)
    set(seen "")
    get_property(pending GLOBAL PROPERTY FB_LAYER_DEPS_${folder})
    while(pending)
        list(POP_FRONT pending dep)
        string(REGEX REPLACE "^fb_" "" name ${dep})
        if(name IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${name})
        if(NOT name STREQUAL dep)
            get_property(more GLOBAL PROPERTY FB_LAYER_DEPS_${name})
            list(APPEND pending ${more})
        endif()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Writes the table for cmake/check_layers.cmake, stops the configure step when
# a core folder links Widgets or Print Support, and adds the include check to
# every build.
function(fb_check_layers)
    get_property(folders GLOBAL PROPERTY FB_LAYER_FOLDERS)
    set(table "set(FB_LAYER_FOLDERS ${folders})\n")
    foreach(folder IN LISTS folders)
        fb_layer_closure(${folder} closure)
        get_property(core GLOBAL PROPERTY FB_LAYER_CORE_${folder})
        get_property(dir GLOBAL PROPERTY FB_LAYER_DIR_${folder})
        set(allowed "")
        foreach(name IN LISTS closure)
            if(name IN_LIST folders)
                list(APPEND allowed ${name})
            elseif(core AND name MATCHES "^Qt6::(Widgets|PrintSupport)$")
                message(FATAL_ERROR "core folder ${folder}/ links ${name}")
            endif()
        endforeach()
        list(SORT allowed)
        string(APPEND table "set(FB_LAYER_DIR_${folder} ${dir})\n"
               "set(FB_LAYER_CORE_${folder} ${core})\n"
               "set(FB_LAYER_ALLOWED_${folder} ${allowed})\n")
        file(GLOB folder_sources ${dir}/*.cpp ${dir}/*.h)
        list(APPEND sources ${folder_sources})
    endforeach()

    # The class headers of Qt Widgets and Print Support, as core code would
    # include them (<QWidget>).
    set(widget_headers "")
    foreach(module Widgets PrintSupport)
        get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(dir IN LISTS dirs)
            if(dir MATCHES "/Qt${module}$")
                file(GLOB headers RELATIVE ${dir} ${dir}/Q*)
                list(APPEND widget_headers ${headers})
            endif()
        endforeach()
    endforeach()
    string(APPEND table "set(FB_LAYER_WIDGET_HEADERS ${widget_headers})\n")

    set(table_file ${CMAKE_BINARY_DIR}/layers_table.cmake)
    file(WRITE ${table_file} "${table}")
    set(script ${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake)
    set(stamp ${CMAKE_BINARY_DIR}/layers.txt)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DTABLE=${table_file} -DREPORT=${stamp} -P ${script}
        DEPENDS ${script} ${table_file} ${sources}
        COMMENT "Checking the includes against the layering table"
        VERBATIM)
    add_custom_target(check_layers ALL DEPENDS ${stamp})
endfunction()
