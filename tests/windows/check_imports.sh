#!/usr/bin/env bash
# Each Windows program named imports only DLLs that every Windows has: a
# MinGW runtime DLL (libstdc++, libgcc, libwinpthread) or any other would
# have to ship beside it.
#   check_imports.sh PROGRAM.exe...
set -euo pipefail
# Windows' own DLLs, and the API sets that stand for parts of them.
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|uxtheme|msvcrt|ucrtbase|windowscodecs|gdiplus|imm32|version|dwmapi|shcore|api-ms-win-[a-z0-9-]+)\.dll$'
failed=0
for program in "$@"; do
  mapfile -t dlls < <(x86_64-w64-mingw32-objdump -p "$program" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
  ((${#dlls[@]})) || { echo "$program: no imports found" >&2; failed=1; continue; }
  others=()
  for dll in "${dlls[@]}"; do
    [[ $dll =~ $system ]] || others+=("$dll")
  done
  if ((${#others[@]})); then
    echo "$program imports DLLs that are not Windows' own: ${others[*]}" >&2
    failed=1
  else
    echo "imports: $(basename "$program") uses ${dlls[*]}"
  fi
done
exit $failed
