# Files a program carries inside itself, embedded by the assembler (.incbin) with a table of
# them: the resources a module carries, and any other directory of files (the live panel's page,
# the tests' fixtures). A program that makes resources lists what it made, one line of a
# resource script each:
#
#   <id> <TYPE> "<file>"
#
# (the art generator writes bitmaps.rc from its recipes, the wave synthesiser waves.rc), and the
# build reads those lists when it runs, so no CMake file names a single resource:
#
#   varek_resource_list(<list file> <target that writes it> [DIRECTORY <directory>])
#
# A file may also be named here, one per call (the tests' fixtures and the page's files are):
#
#   varek_resource(<type> <id> <file> [MADE_BY <target that makes it>] [DIRECTORY <directory>])
#
# <type> is BITMAP (an RT_BITMAP resource: the .bmp file without its 14-byte file header, as a
# Windows resource holds it) or a text type such as WAVE (the file as it stands). <id> is a
# number or a name, kept as written (a module's names are upper case, as the resource compiler
# stores them; the page's are its paths, "/index.html"). Files go to the module's directory
# `varek_resources` unless DIRECTORY names another; each directory is an object library that
# embeds the files and exports the table of them under its symbol (`ResourceDirectory` for the
# module's, the directory's own name for any other), in the form of
# platform/posix/resource_directory.h. Every file of a directory is declared in the
# CMakeLists.txt that declares its first one.
#
# From the lists the build writes the directory's table and a Windows resource script beside
# it: `Varek_Instr.rc` for the module's directory (the Windows module file compiles it, see
# cmake/windows_resources.cmake), `<directory>.rc` for any other. This file is also the script
# that writes them (cmake -P, at the end).

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

function(_varek_resource_directory directory)
  add_library(${directory} OBJECT)
  target_include_directories(${directory} PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(${directory} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  # A deferred call reads its arguments when it runs, so the name is written into it now.
  cmake_language(EVAL CODE
    "cmake_language(DEFER CALL _varek_write_resource_directory [[${directory}]])")
endfunction()

function(_varek_resource_target directory_var name)
  if(NOT name)
    set(name varek_resources)
  endif()
  if(NOT TARGET ${name})
    _varek_resource_directory(${name})
  endif()
  set(${directory_var} ${name} PARENT_SCOPE)
endfunction()

function(varek_resource type id file)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "MADE_BY;DIRECTORY" "")
  _varek_resource_target(directory "${arg_DIRECTORY}")
  if(file MATCHES "[\"\\\\]")
    message(FATAL_ERROR "resource file path with a quote or backslash: ${file}")
  endif()
  string(TOUPPER "${type}" type)
  set_property(TARGET ${directory} APPEND PROPERTY VAREK_RESOURCE_LINES "${id} ${type} \"${file}\"")
  set_property(TARGET ${directory} APPEND PROPERTY VAREK_RESOURCE_FILES ${file})
  if(arg_MADE_BY)
    add_dependencies(${directory} ${arg_MADE_BY})
  endif()
endfunction()

function(varek_resource_list list producer)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "DIRECTORY" "")
  _varek_resource_target(directory "${arg_DIRECTORY}")
  set_property(TARGET ${directory} APPEND PROPERTY VAREK_RESOURCE_LISTS ${list})
  add_dependencies(${directory} ${producer})
endfunction()

# At the end of the declaring CMakeLists.txt: the resources named there become one more list,
# and a build step writes the table and the script from every list of the directory.
function(_varek_write_resource_directory directory)
  if(directory STREQUAL "varek_resources")
    set(symbol ResourceDirectory)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/Varek_Instr.rc)
  else()
    set(symbol ${directory})
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${directory}.rc)
  endif()
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${directory}.cpp)
  get_target_property(lists ${directory} VAREK_RESOURCE_LISTS)
  get_target_property(lines ${directory} VAREK_RESOURCE_LINES)
  get_target_property(files ${directory} VAREK_RESOURCE_FILES)
  if(NOT lists)
    set(lists "")
  endif()
  if(NOT files)
    set(files "")
  endif()
  if(lines)
    set(named ${CMAKE_CURRENT_BINARY_DIR}/${directory}.named.rc)
    list(JOIN lines "\n" content)
    file(GENERATE OUTPUT ${named} CONTENT "${content}\n")
    list(PREPEND lists ${named})
  endif()
  add_custom_command(
    OUTPUT ${source} ${script}
    COMMAND ${CMAKE_COMMAND} -D VAREK_DIRECTORY=${directory} -D VAREK_SYMBOL=${symbol}
            -D VAREK_SOURCE=${source} -D VAREK_SCRIPT=${script}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE} -- ${lists}
    DEPENDS ${lists} ${files} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Listing the resources of ${directory}"
    VERBATIM)
  target_sources(${directory} PRIVATE ${source})
endfunction()

# ---- cmake -P: the table and the script from the lists -----------------------------------------

# A type or name as the directory's C++ initialiser gives it: a text and a number.
function(_varek_resource_key value text_var id_var)
  if(value MATCHES "^[0-9]+$")
    set(${text_var} "nullptr" PARENT_SCOPE)
    set(${id_var} "${value}" PARENT_SCOPE)
  else()
    set(${text_var} "\"${value}\"" PARENT_SCOPE)
    set(${id_var} "0" PARENT_SCOPE)
  endif()
endfunction()

function(_varek_write_resources directory symbol source script lists)
  set(assembly "")
  set(rc "")
  set(declarations "")
  set(entries "")
  set(seen "")
  set(index 0)
  foreach(list_file IN LISTS lists)
    file(STRINGS ${list_file} lines)
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^([A-Za-z0-9_./-]+) ([A-Za-z0-9_]+) \"([^\"\\\\]+)\"$")
        message(FATAL_ERROR "${list_file}: not a resource line: ${line}")
      endif()
      set(id ${CMAKE_MATCH_1})
      set(type ${CMAKE_MATCH_2})
      set(file ${CMAKE_MATCH_3})
      if("${type} ${id}" IN_LIST seen)
        message(FATAL_ERROR "${list_file}: ${type} ${id} is listed twice in ${directory}")
      endif()
      list(APPEND seen "${type} ${id}")
      string(APPEND rc "${line}\n")
      set(label "${directory}_${index}")
      # The resource compiler reads a BITMAP file itself and drops its file header; any other
      # type is carried as the file stands.
      if(type STREQUAL "BITMAP")
        set(type 2)
        set(skip ", 14")
      else()
        set(skip "")
      endif()
      _varek_resource_key("${type}" type_text type_id)
      _varek_resource_key("${id}" name_text name_id)
      string(APPEND assembly
        "    \".globl ${label}_begin\\n.hidden ${label}_begin\\n${label}_begin:\\n\"\n"
        "    \".incbin \\\"${file}\\\"${skip}\\n\"\n"
        "    \".globl ${label}_end\\n.hidden ${label}_end\\n${label}_end:\\n\"\n")
      string(APPEND declarations
        "extern \"C\" VAREK_HIDDEN const unsigned char ${label}_begin[];\n"
        "extern \"C\" VAREK_HIDDEN const unsigned char ${label}_end[];\n")
      string(APPEND entries
        "    {${type_text}, ${type_id}, ${name_text}, ${name_id}, ${label}_begin, ${label}_end},\n")
      math(EXPR index "${index} + 1")
    endforeach()
  endforeach()
  # Both are written every time, so that what embeds the files is compiled again whenever a
  # program has made them anew.
  file(WRITE ${source}
"// Generated by cmake/resources.cmake from the resource lists of ${directory}: the files are
// embedded by the assembler, and the table of them is exported as `${symbol}`.
#include \"platform/posix/resource_directory.h\"

#define VAREK_HIDDEN __attribute__((visibility(\"hidden\")))

__asm__(
    \".pushsection .rodata.${directory},\\\"a\\\"\\n.balign 16\\n\"
${assembly}    \".popsection\\n\");

${declarations}
namespace {
constinit const platform_resource resources[] = {
${entries}};
}  // namespace

extern \"C\" __attribute__((visibility(\"default\"))) constinit const platform_resource_directory
    ${symbol} = {platform_resource_directory_format, ${index}, resources};
")
  file(WRITE ${script}
"// Generated by cmake/resources.cmake from the resource lists of ${directory}: one resource a
// line, id, type and the file this build made (a BITMAP without its file header once compiled).
${rc}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(lists "")
  set(after_dashes OFF)
  math(EXPR last "${CMAKE_ARGC} - 1")
  foreach(n RANGE ${last})
    if(after_dashes)
      list(APPEND lists "${CMAKE_ARGV${n}}")
    elseif(CMAKE_ARGV${n} STREQUAL "--")
      set(after_dashes ON)
    endif()
  endforeach()
  _varek_write_resources(${VAREK_DIRECTORY} ${VAREK_SYMBOL} ${VAREK_SOURCE} ${VAREK_SCRIPT}
                         "${lists}")
endif()
