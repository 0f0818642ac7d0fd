#!/usr/bin/env bash
# Checks a built FeeScreens.dll the way the host will meet it:
#   check-exports.sh OBJDUMP DLL FORMAT
# - the object format is FORMAT (pei-i386 for the shipped 32-bit DLL);
# - the export table lists exactly GetFormOne, GetFormImp and GetFormExp, undecorated;
# - on i386 each entry point returns with "ret $0x14": stdcall, the callee removes its
#   five 4-byte arguments;
# - it imports nothing but Windows' own DLLs (no libstdc++, libgcc or winpthread).
set -uo pipefail
objdump="$1" dll="$2" format="$3"
failures=0
check() {  # check CONDITION-STATUS TEXT
  if [[ "$1" == 0 ]]; then echo "ok   $2"; else echo "FAIL $2"; failures=$((failures + 1)); fi
}

headers="$("$objdump" -p "$dll")" || { echo "FAIL cannot read $dll"; exit 1; }

grep -q "file format $format\$" <<<"$headers"; check $? "file format is $format"

exports="$(awk '/^\[Ordinal\/Name Pointer\] Table/ {on=1; next}
                on && /^\t\[ *[0-9]+\] / {print $NF; next}
                on {exit}' <<<"$headers" | sort | tr '\n' ' ')"
[[ "$exports" == "GetFormExp GetFormImp GetFormOne " ]]
check $? "exports are exactly GetFormExp GetFormImp GetFormOne (found: ${exports:-none})"

allowed='^(kernel32|user32|gdi32|oleaut32|ole32|comctl32|comdlg32|advapi32|msvcrt|shell32|winspool\.drv|shlwapi|version|uxtheme|imm32|api-ms-win-[a-z0-9-]+)(\.dll)?$'
imports="$(awk '/DLL Name:/ {print $3}' <<<"$headers" | sort -u)"
foreign="$(tr 'A-Z' 'a-z' <<<"$imports" | grep -Ev "$allowed" || true)"
[[ -n "$imports" && -z "$foreign" ]]
check $? "imports only Windows DLLs ($(tr '\n' ' ' <<<"$imports")) ${foreign:+- not: $foreign}"

if [[ "$format" == pei-i386 ]]; then
  base="$(awk '/^ImageBase/ {print $2}' <<<"$headers")"
  for name in GetFormOne GetFormImp GetFormExp; do
    rva="$(awk -v n="$name" '
      /Export Address Table/ {eat=1}
      eat && /^\t\[ *[0-9]+\] \+base\[ *[0-9]+\] [0-9a-f]+ Export RVA/ {rvas[$3 + 0] = $(NF - 2)}
      /^\[Ordinal\/Name Pointer\] Table/ {names=1; next}
      names && $NF == n {gsub(/[\[\]]/, "", $1); print rvas[$1 + 0]; exit}' <<<"$headers")"
    start=$((0x$base + 0x${rva:-0}))
    first_ret="$("$objdump" -d --no-show-raw-insn --start-address="$start" \
      --stop-address=$((start + 4096)) "$dll" | grep -m1 -E '\sret' || true)"
    [[ "$first_ret" =~ ret[[:space:]]+\$0x14 ]]
    check $? "$name returns with ret \$0x14 (stdcall, 20 bytes of arguments): ${first_ret##*:}"
  done
fi

echo "$failures failed"
exit $((failures > 0))
