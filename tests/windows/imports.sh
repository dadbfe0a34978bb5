#!/bin/sh
# bidgauge.exe is one file: a 64-bit console program whose imports are all
# DLLs that Windows itself ships, so no MinGW runtime has to lie beside it.
# Usage: imports.sh PATH/TO/bidgauge.exe
set -eu
exe=$1
system_dlls=" kernel32.dll user32.dll winmm.dll msvcrt.dll advapi32.dll ntdll.dll "

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
status=0
echo "$headers" | grep -q 'file format pei-x86-64' || { echo "FAIL not a 64-bit Windows program"; status=1; }
echo "$headers" | grep -q 'Windows CUI' || { echo "FAIL not a console program"; status=1; }
dlls=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "FAIL no imports found"; status=1; }
for dll in $dlls; do
  case "$system_dlls" in
    *" $dll "*) ;;
    *) echo "FAIL imports $dll, which Windows does not ship"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "ok   imports only Windows' own DLLs:" $dlls
exit $status
