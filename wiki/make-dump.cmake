# Writes the wiki's pages as one XML dump for Special:Import (or
# maintenance/importDump.php): Module:MRVDate, Template:MRVDate and its
# documentation. Run by the build:
#   cmake -DSOURCE_DIR=wiki -DTIMESTAMP=2026-12-07T00:00:00Z -DOUTPUT=MRVDate.xml -P make-dump.cmake
cmake_minimum_required(VERSION 3.25)

# One <page>: its title, namespace number, content model and the file's
# text, escaped for XML.
function(page out title namespace model file)
  file(READ "${SOURCE_DIR}/${file}" text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(CONCAT page "  <page>\n    <title>${title}</title>\n    <ns>${namespace}</ns>\n"
    "    <revision>\n      <timestamp>${TIMESTAMP}</timestamp>\n"
    "      <contributor><username>MRVDate</username></contributor>\n"
    "      <model>${model}</model>\n      <format>text/plain</format>\n"
    "      <text xml:space=\"preserve\">${text}</text>\n    </revision>\n  </page>\n")
  set(${out} "${${out}}${page}" PARENT_SCOPE)
endfunction()

set(pages "")
page(pages "Module:MRVDate" 828 Scribunto MRVDate.lua)
page(pages "Template:MRVDate" 10 wikitext Template-MRVDate.wikitext)
page(pages "Template:MRVDate/doc" 10 wikitext Template-MRVDate-doc.wikitext)
file(WRITE "${OUTPUT}"
  "<mediawiki xmlns=\"http://www.mediawiki.org/xml/export-0.11/\" version=\"0.11\" xml:lang=\"en\">\n"
  "${pages}</mediawiki>\n")
