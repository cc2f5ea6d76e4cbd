#!/usr/bin/env python3
"""Checks that every link in the README, the changelog and docs/ leads to a
file or folder that exists, and a #fragment to a heading of its page.

    python3 tools/check-doc-links.py [SOURCE_DIR]

Links to other sites are not fetched. Prints one line per broken link and
exits 1 if there is any."""
import pathlib
import re
import sys

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)(?:\s+\"[^\"]*\")?\)")
COMMENT = re.compile(r"<!--.*?-->", re.S)
FENCE = re.compile(r"^```.*?^```", re.S | re.M)
CODE_SPAN = re.compile(r"`[^`\n]*`")
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$", re.M)


def prose(text):
    """The text with comments, code blocks and code spans taken out."""
    text = FENCE.sub("", COMMENT.sub("", text))
    text = "\n".join(line for line in text.splitlines() if not line.startswith("    "))
    return CODE_SPAN.sub("", text)


def anchors(page):
    """The fragments its headings get, as the common Markdown renderers make
    them: lower case, punctuation dropped, spaces to hyphens, repeats -1, -2."""
    seen = {}
    for title in HEADING.findall(FENCE.sub("", page.read_text(encoding="utf-8"))):
        slug = re.sub(r"[^\w\- ]", "", title.replace("`", "").lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        yield slug if count == 0 else f"{slug}-{count}"


def broken_links(page):
    for target in LINK.findall(prose(page.read_text(encoding="utf-8"))):
        if re.match(r"^[a-z][a-z0-9+.-]*:", target):
            continue
        path, _, fragment = target.partition("#")
        linked = (page.parent / path).resolve() if path else page
        if not linked.exists():
            yield f"{target}: no such file"
        elif fragment and (linked.suffix != ".md" or fragment not in set(anchors(linked))):
            yield f"{target}: no such heading in {linked.name}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    pages = [root / "README.md", root / "CHANGELOG.md", *sorted((root / "docs").glob("*.md"))]
    failures = [f"{page.relative_to(root)}: {problem}" for page in pages for problem in broken_links(page)]
    print("\n".join(failures) if failures else f"{len(pages)} pages, every link resolves")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
