# The texts the windows show, kept once in texts.json and turned by the
# builds into what each front end reads: C++ headers for the core and the
# windows, values for the page's template and a script for the page. Plain
# CMake, so that the core's, the batch converter's and the web builds can
# include it without Qt.
#
# texts.json is a tree of objects whose leaves are strings or lists of
# strings. In the windows' header an object is a namespace and a leaf a
# constant of its key's name: frmAbout.Label3 is mrv::texts::frmAbout::Label3.
set(MRV_TEXTS_FILE ${CMAKE_CURRENT_LIST_DIR}/texts.json)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MRV_TEXTS_FILE})
file(READ ${MRV_TEXTS_FILE} MRV_TEXTS)

# `calendars` is the calendars' table, one list a column in the order of the
# calendars (which is CalendarKind's): the prefix, the name, the batch
# converter's --from id, and the lowest and highest entry. The core's table
# (CalendarTable.h), the man pages' values and the calendar options'
# captions, "&Space Century (SC)", are made from it.
string(JSON MRV_CALENDAR_COUNT LENGTH "${MRV_TEXTS}" calendars ids)
math(EXPR MRV_CALENDAR_LAST "${MRV_CALENDAR_COUNT} - 1")
set(mrv_captions "[]")
foreach(i RANGE ${MRV_CALENDAR_LAST})
  string(JSON name GET "${MRV_TEXTS}" calendars names ${i})
  string(JSON prefix GET "${MRV_TEXTS}" calendars prefixes ${i})
  string(JSON mrv_captions SET "${mrv_captions}" ${i} "\"&${name} (${prefix})\"")
endforeach()
string(JSON MRV_TEXTS SET "${MRV_TEXTS}" frmMRVDate optDate "${mrv_captions}")

# Writes `content` to `output` only when it differs, so that an unchanged
# text rebuilds nothing.
function(_mrv_texts_write output content)
  file(WRITE ${output}.new "${content}")
  configure_file(${output}.new ${output} COPYONLY)
  file(REMOVE ${output}.new)
endfunction()

function(_mrv_cxx_literal out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The C++ declarations of the member at `path` (a list of keys), indented.
function(_mrv_cxx_member out indent)
  set(path ${ARGN})
  list(GET path -1 name)
  string(JSON type TYPE "${MRV_TEXTS}" ${path})
  if(type STREQUAL "STRING")
    string(JSON text GET "${MRV_TEXTS}" ${path})
    _mrv_cxx_literal(literal "${text}")
    set(code "${indent}inline constexpr std::string_view ${name} = ${literal};\n")
  elseif(type STREQUAL "ARRAY")
    string(JSON count LENGTH "${MRV_TEXTS}" ${path})
    math(EXPR last "${count} - 1")
    set(items "")
    foreach(i RANGE ${last})
      string(JSON text GET "${MRV_TEXTS}" ${path} ${i})
      _mrv_cxx_literal(literal "${text}")
      string(APPEND items "${indent}    ${literal},\n")
    endforeach()
    set(code "${indent}inline constexpr std::array<std::string_view, ${count}> ${name}{\n${items}${indent}};\n")
  else()
    set(code "${indent}namespace ${name} {\n")
    string(JSON count LENGTH "${MRV_TEXTS}" ${path})
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      string(JSON key MEMBER "${MRV_TEXTS}" ${path} ${i})
      _mrv_cxx_member(member "${indent}" ${path} ${key})
      string(APPEND code "${member}")
    endforeach()
    string(APPEND code "${indent}} // namespace ${name}\n")
  endif()
  set(${out} "${code}" PARENT_SCOPE)
endfunction()

# The windows' header: every text, in namespace mrv::texts.
function(mrv_write_window_texts output)
  string(JSON count LENGTH "${MRV_TEXTS}")
  math(EXPR last "${count} - 1")
  set(members "")
  foreach(i RANGE ${last})
    string(JSON key MEMBER "${MRV_TEXTS}" ${i})
    _mrv_cxx_member(member "" ${key})
    string(APPEND members "\n${member}")
  endforeach()
  _mrv_texts_write(${output} "// Made by the build from resources/texts.json: change the texts there.
#pragma once

#include <array>
#include <string_view>

namespace mrv::texts {
${members}
} // namespace mrv::texts
")
endfunction()

# The core's header: the message of each refusal, k<Refusal>Message, which
# the batch converter writes too, and the batch converter's own messages,
# k<Name>BatchMessage. The boxes' titles and icons are the windows' alone.
function(mrv_write_refusal_messages output)
  set(constants "")
  string(JSON count LENGTH "${MRV_TEXTS}" refusals)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON refusal MEMBER "${MRV_TEXTS}" refusals ${i})
    string(JSON text GET "${MRV_TEXTS}" refusals ${refusal} message)
    _mrv_cxx_literal(literal "${text}")
    string(APPEND constants "inline constexpr std::string_view k${refusal}Message = ${literal};\n")
  endforeach()
  string(JSON count LENGTH "${MRV_TEXTS}" batchMessages)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    string(JSON name MEMBER "${MRV_TEXTS}" batchMessages ${i})
    string(JSON text GET "${MRV_TEXTS}" batchMessages ${name})
    _mrv_cxx_literal(literal "${text}")
    string(APPEND constants "inline constexpr std::string_view k${name}BatchMessage = ${literal};\n")
  endforeach()
  _mrv_texts_write(${output} "// Made by the build from resources/texts.json: change the texts there.
#pragma once

#include <string_view>

namespace mrv {
${constants}} // namespace mrv
")
endfunction()

# The file names of the main window's picture library, in its order.
function(mrv_library_pictures out)
  string(JSON count LENGTH "${MRV_TEXTS}" pictures)
  math(EXPR last "${count} - 1")
  set(names)
  foreach(i RANGE ${last})
    string(JSON name GET "${MRV_TEXTS}" pictures ${i})
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# For the page's template: MRV_TEXT_<keys joined by _> of every string, and
# MRV_TEXT_<keys>_<index> of every list's items, as HTML: escaped, with the
# access key's letter (after "&") underlined, and that letter as MRV_KEY_<keys>. Collected in a global
# property, since a function's variables reach only its caller.
function(_mrv_page_member)
  set(path ${ARGN})
  string(JSON type TYPE "${MRV_TEXTS}" ${path})
  if(type STREQUAL "STRING")
    string(JSON text GET "${MRV_TEXTS}" ${path})
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    string(REPLACE "\r\n" "\n" text "${text}")
    list(JOIN path _ name)
    # MRV_KEY_<keys>: the access key, for aria-keyshortcuts.
    if(text MATCHES "&amp;([^&])")
      string(TOUPPER "${CMAKE_MATCH_1}" key)
      set_property(GLOBAL APPEND PROPERTY MRV_PAGE_TEXTS MRV_KEY_${name})
      set_property(GLOBAL PROPERTY MRV_KEY_${name} "${key}")
    endif()
    string(REGEX REPLACE "&amp;([^&])" "<u>\\1</u>" text "${text}")
    set_property(GLOBAL APPEND PROPERTY MRV_PAGE_TEXTS MRV_TEXT_${name})
    set_property(GLOBAL PROPERTY MRV_TEXT_${name} "${text}")
    return()
  endif()
  string(JSON count LENGTH "${MRV_TEXTS}" ${path})
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    set(key ${i})
    if(type STREQUAL "OBJECT")
      string(JSON key MEMBER "${MRV_TEXTS}" ${path} ${i})
    endif()
    _mrv_page_member(${path} ${key})
  endforeach()
endfunction()

function(mrv_set_page_texts)
  set_property(GLOBAL PROPERTY MRV_PAGE_TEXTS "")
  _mrv_page_member()
  get_property(names GLOBAL PROPERTY MRV_PAGE_TEXTS)
  foreach(name IN LISTS names)
    get_property(text GLOBAL PROPERTY ${name})
    set(${name} "${text}" PARENT_SCOPE)
  endforeach()
endfunction()

# The script that hands the page's code what it reads at run time: the
# calendars, the pictures, the refusals and the main window's captions (their
# access keys), as `window.mrvTexts`.
function(mrv_write_page_script output)
  set(members "")
  foreach(key calendars pictures refusals frmMRVDate)
    string(JSON value GET "${MRV_TEXTS}" ${key})
    string(APPEND members "  ${key}: ${value},\n")
  endforeach()
  _mrv_texts_write(${output} "'use strict';
// Made by the build from resources/texts.json: change the texts there.
window.mrvTexts = Object.freeze({
${members}});
")
endfunction()

# The core's header of the calendars' table, from core/CalendarTable.h.in.
function(mrv_write_calendar_table output)
  set(MRV_CALENDAR_KINDS "")
  set(MRV_CALENDAR_ROWS "")
  foreach(i RANGE ${MRV_CALENDAR_LAST})
    set(row "")
    foreach(column ids prefixes names)
      string(JSON text GET "${MRV_TEXTS}" calendars ${column} ${i})
      _mrv_cxx_literal(literal "${text}")
      string(APPEND row "${literal}, ")
    endforeach()
    string(JSON lowest GET "${MRV_TEXTS}" calendars lowest ${i})
    string(JSON highest GET "${MRV_TEXTS}" calendars highest ${i})
    string(JSON id GET "${MRV_TEXTS}" calendars ids ${i})
    string(TOUPPER ${id} kind)
    string(APPEND MRV_CALENDAR_KINDS "${kind} = ${i}, ")
    string(APPEND MRV_CALENDAR_ROWS "    {CalendarKind::${kind}, ${row}${lowest}, ${highest}},\n")
  endforeach()
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../core/CalendarTable.h.in ${output} @ONLY)
endfunction()

# For the man pages: MRV_<ID>_NAME, _PREFIX, _ID, _LOWEST and _HIGHEST of each
# calendar (the limits as roff writes them, "\-30682") and _LOWEST_YEARS, the
# lowest limit's count of years before the epoch, "30682".
macro(mrv_set_calendar_variables)
  foreach(i RANGE ${MRV_CALENDAR_LAST})
    string(JSON mrv_id GET "${MRV_TEXTS}" calendars ids ${i})
    string(TOUPPER ${mrv_id} mrv_kind)
    set(MRV_${mrv_kind}_ID ${mrv_id})
    string(JSON MRV_${mrv_kind}_NAME GET "${MRV_TEXTS}" calendars names ${i})
    string(JSON MRV_${mrv_kind}_PREFIX GET "${MRV_TEXTS}" calendars prefixes ${i})
    foreach(mrv_end lowest highest)
      string(TOUPPER ${mrv_end} mrv_END)
      string(JSON mrv_limit GET "${MRV_TEXTS}" calendars ${mrv_end} ${i})
      string(REGEX REPLACE "^-" "\\\\-" MRV_${mrv_kind}_${mrv_END} "${mrv_limit}")
      if(mrv_end STREQUAL "lowest")
        string(REGEX REPLACE "^-" "" MRV_${mrv_kind}_LOWEST_YEARS "${mrv_limit}")
      endif()
    endforeach()
  endforeach()
endmacro()
