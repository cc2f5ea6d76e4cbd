# The release: its version and date, and the web addresses the program
# opens. The desktop build (the top CMakeLists.txt) and the web page's own
# configure (web/CMakeLists.txt) both include this file; code, man pages,
# metainfo, package and page are configured from it.
set(MRVDATE_VERSION 1.2.0)
# The metainfo's release entry, the changelog's check, and the package's
# file times when the source is not a git checkout.
set(MRVDATE_RELEASE_DATE 2026-12-07)

# Host names sit under a reserved example domain; packagers change them
# here and nowhere else. The About window shows the update host in a
# 97-pixel label: keep it short.
set(MRVDATE_PROJECT_PAGE_URL "http://mrv.example.org/mrv/mrv.html")
set(MRVDATE_UPDATE_SITE_URL "http://get.example.org")
# Package metadata names the project page over https.
string(REGEX REPLACE "^http:" "https:" MRVDATE_HOMEPAGE_URL "${MRVDATE_PROJECT_PAGE_URL}")
# The man pages' date, "December 2026", from the release date.
string(SUBSTRING "${MRVDATE_RELEASE_DATE}" 0 4 mrv_release_year)
string(SUBSTRING "${MRVDATE_RELEASE_DATE}" 5 2 mrv_release_month)
math(EXPR mrv_release_month "${mrv_release_month} - 1")
set(mrv_months January February March April May June July August September October November December)
list(GET mrv_months ${mrv_release_month} mrv_release_month)
set(MRVDATE_RELEASE_MONTH "${mrv_release_month} ${mrv_release_year}")
