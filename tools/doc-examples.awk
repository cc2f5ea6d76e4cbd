# Writes each example of a page of docs/, the code block under a
# "<!-- example: NAME -->" line, into the file NAME in the folder `dir`,
# so that the tests run the examples as the page shows them.
#   awk -v dir=FOLDER -f tools/doc-examples.awk docs/embedding.md
/^<!-- example: / { name = $3; next }
name && /^```/ {
  if (open) { close(dir "/" name); name = ""; open = 0 } else open = 1
  next
}
open { print > (dir "/" name) }
