# The package's Debian changelog, made from CHANGELOG.md (Keep a Changelog):
#   awk -v version=V -v date=YYYY-MM-DD -v maintainer='NAME <MAIL>' \
#       -f changelog.awk CHANGELOG.md > changelog
# Each released "## [V] - DATE" becomes an entry, "### Kind" a "[ Kind ]"
# line, "- item" a "*" item with its indented lines; the Unreleased section,
# HTML comments and backquotes are left out. The newest release must be
# `version` of `date`, so the two files cannot disagree.
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
    match($0, /\[[^]]*\]/)
    entry_version = substr($0, RSTART + 1, RLENGTH - 2)
    released = entry_version != "Unreleased"
    if (!released)
        next
    if (!match($0, /[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]/))
        fail("no date for " entry_version)
    n++
    versions[n] = entry_version
    dates[n] = substr($0, RSTART, RLENGTH)
    if (n == 1 && (versions[1] != version || dates[1] != date))
        fail("the newest release is " versions[1] " of " dates[1] ", not " version " of " date)
    next
}
/^#/ { released = released && /^###/ }
!released { next }
/^### / { body[n] = body[n] sprintf("\n  [ %s ]\n", substr($0, 5)); next }
/^- / { body[n] = body[n] "  * " substr($0, 3) "\n"; next }
/^  +[^ ]/ { sub(/^ +/, ""); body[n] = body[n] "    " $0 "\n"; next }
END {
    if (failed)
        exit 1
    if (!n)
        fail("no release in the changelog")
    for (i = 1; i <= n; i++) {
        # Debian wants each entry later than the one before; releases of
        # one day are a minute apart, the day being what the history says.
        minutes = 0
        for (j = i + 1; j <= n; j++)
            minutes += dates[j] == dates[i]
        cmd = sprintf("date -u -R -d '%s 00:%02d'", dates[i], minutes)
        cmd | getline stamp
        close(cmd)
        if (i > 1)
            print ""
        printf "mrvdate (%s) unstable; urgency=medium\n%s\n -- %s  %s\n", versions[i], body[i], maintainer, stamp
    }
}
