# Writes the page's index.html from its template (cmake -P, at build time):
# the markup that the main window's design gives (DESIGN, written by
# `mrv-page-design markup`: its menu bar, and the order of its tab stops),
# then the windows' texts and the release's values filled in as the
# template names them. Run with -DTEMPLATE= -DDESIGN= -DOUT= and the MRV_*
# values of web/CMakeLists.txt.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../resources/texts.cmake)
mrv_set_page_texts()
include(${DESIGN})
file(READ ${TEMPLATE} page)

# The tab stops: each block, from its "<!-- tab stop NAME -->" to the next
# comment, put in the design's tab order.
set(end "<!-- end of the tab stops -->")
string(FIND "${page}" "<!-- tab stop " from)
string(FIND "${page}" "${end}" to)
if(from LESS 0 OR to LESS from)
  message(FATAL_ERROR "${TEMPLATE}: no tab stops, or no \"${end}\"")
endif()
math(EXPR length "${to} - ${from}")
string(SUBSTRING "${page}" ${from} ${length} stops)
string(SUBSTRING "${page}" 0 ${from} head)
string(REGEX REPLACE " +$" "" head "${head}")
string(LENGTH "${end}\n" skip)
math(EXPR after "${to} + ${skip}")
string(SUBSTRING "${page}" ${after} -1 tail)
string(REGEX MATCHALL "<!-- tab stop [A-Za-z0-9_]+ -->" marked "${stops}")
list(LENGTH marked count)
list(LENGTH MRV_PAGE_TAB_ORDER wanted)
if(NOT count EQUAL wanted)
  message(FATAL_ERROR "${TEMPLATE}: ${count} tab stops, the design has ${wanted}: ${MRV_PAGE_TAB_ORDER}")
endif()
set(ordered "")
foreach(name IN LISTS MRV_PAGE_TAB_ORDER)
  if(NOT stops MATCHES "<!-- tab stop ${name} -->\n(([^<]|<[^!])*)")
    message(FATAL_ERROR "${TEMPLATE}: no tab stop ${name}, which the design has")
  endif()
  string(REGEX REPLACE " +$" "" block "${CMAKE_MATCH_1}")
  string(APPEND ordered "${block}")
endforeach()
string(REPLACE "@MRV_PAGE_MENU@" "${MRV_PAGE_MENU}" page "${head}${ordered}${tail}")
string(CONFIGURE "${page}" page @ONLY)
_mrv_texts_write(${OUT} "${page}")
