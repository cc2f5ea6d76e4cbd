# The package's Debian changelog, made from CHANGELOG.md (Keep a Changelog):
#   awk -v version=V -v date=YYYY-MM-DD -v maintainer='NAME <MAIL>' \
#       -f changelog.awk CHANGELOG.md > changelog
# Each released "## [V] - DATE" becomes an entry, "### Kind" a "[ Kind ]"
# line, "- item" a "*" item with its indented lines; the Unreleased section,
# HTML comments and backquotes are left out. The newest release must be
# `version` of `date`, so the two files cannot disagree.
function close_entry() {
    if (open) {
        cmd = "date -u -R -d " entry_date
        cmd | getline stamp
        close(cmd)
        printf "\n -- %s  %s\n", maintainer, stamp
        open = 0
    }
}
function fail(message) {
    print "changelog.awk: " message > "/dev/stderr"
    failed = 1
    exit 1
}
{
    gsub(/<!--.*-->/, "")
    gsub(/`/, "")
}
/^## \[/ {
    close_entry()
    match($0, /\[[^]]*\]/)
    entry_version = substr($0, RSTART + 1, RLENGTH - 2)
    released = entry_version != "Unreleased"
    if (!released)
        next
    if (!match($0, /[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]/))
        fail("no date for " entry_version)
    entry_date = substr($0, RSTART, RLENGTH)
    if (!seen++ && (entry_version != version || entry_date != date))
        fail("the newest release is " entry_version " of " entry_date ", not " version " of " date)
    if (seen > 1)
        print ""
    printf "mrvdate (%s) unstable; urgency=medium\n", entry_version
    open = 1
    next
}
/^#/ { released = released && /^###/ }
!released { next }
/^### / { printf "\n  [ %s ]\n", substr($0, 5); next }
/^- / { print "  * " substr($0, 3); next }
/^  +[^ ]/ { sub(/^ +/, ""); print "    " $0; next }
END {
    if (failed)
        exit 1
    if (!seen)
        fail("no release in the changelog")
    close_entry()
}
