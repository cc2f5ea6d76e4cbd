# MRVDATE_RC_ICONS: icon group 1 with its images as resources 30001 and
# 30002, for MRVDate.rc.in. An ICON statement would number the images 1 and
# 2, so the group and the images are written as raw resources (types 14 and
# 3) from the .ico's own bytes, as 16-bit little-endian words (every part
# has an even length). Plain CMake, as VersionResource.cmake.
file(READ ${PROJECT_SOURCE_DIR}/resources/mrvdate.ico mrv_ico HEX)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/mrvdate.ico)

# The little-endian number of `bytes` bytes at `hex_offset` (in hex digits).
function(_mrv_ico_number out hex_offset bytes)
  set(value 0)
  foreach(i RANGE 1 ${bytes})
    math(EXPR at "${hex_offset} + (${bytes} - ${i}) * 2")
    string(SUBSTRING "${mrv_ico}" ${at} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${out} ${value} PARENT_SCOPE)
endfunction()

function(_mrv_rc_words out hex)
  string(REGEX REPLACE "(..)(..)" "0x\\2\\1, " words "${hex}")
  string(REPEAT "0x...., " 12 row)
  string(REGEX REPLACE "(${row})" "\\1\n  " words "${words}")
  string(REGEX REPLACE ", *$" "" words "${words}")
  set(${out} "BEGIN\n  ${words}\nEND\n" PARENT_SCOPE)
endfunction()

# The group's header is the .ico's (reserved, type 1, count); each of its
# entries is the .ico's entry with the image's resource id in place of the
# image's file offset.
string(SUBSTRING "${mrv_ico}" 0 12 mrv_group)
_mrv_ico_number(mrv_count 8 2)
set(MRVDATE_RC_ICONS "")
math(EXPR mrv_last "${mrv_count} - 1")
foreach(i RANGE ${mrv_last})
  math(EXPR entry "(6 + 16 * ${i}) * 2")
  math(EXPR at "${entry} + 16")
  _mrv_ico_number(size ${at} 4)
  math(EXPR at "${entry} + 24")
  _mrv_ico_number(offset ${at} 4)
  math(EXPR offset "${offset} * 2")
  math(EXPR length "${size} * 2")
  string(SUBSTRING "${mrv_ico}" ${offset} ${length} image)
  _mrv_rc_words(words "${image}")
  math(EXPR id "30001 + ${i}")
  string(APPEND MRVDATE_RC_ICONS "${id} 3\n${words}\n")
  string(SUBSTRING "${mrv_ico}" ${entry} 24 fields)
  math(EXPR id_hex "${id}" OUTPUT_FORMAT HEXADECIMAL) # 0x7531: four digits
  string(SUBSTRING ${id_hex} 4 2 low)
  string(SUBSTRING ${id_hex} 2 2 high)
  string(APPEND mrv_group "${fields}${low}${high}")
endforeach()
_mrv_rc_words(words "${mrv_group}")
string(APPEND MRVDATE_RC_ICONS "1 14\n${words}")
