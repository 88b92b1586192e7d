#!/bin/bash
# Fails when an executable imports a DLL that Windows might load from the application's
# folder: only the KnownDLLs (always taken from the system folder) and the common controls
# (bound side by side through the manifest) are allowed.
#   check-imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
allowed=" advapi32.dll combase.dll comdlg32.dll gdi32.dll gdiplus.dll imagehlp.dll imm32.dll
 kernel32.dll msctf.dll msvcrt.dll normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll
 sechost.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll wldap32.dll ws2_32.dll
 comctl32.dll "
bad=0
while read -r dll; do
    lower=$(echo "$dll" | tr 'A-Z' 'a-z')
    if [[ "$allowed" != *" $lower "* ]]; then
        echo "$exe imports $dll, which Windows may load from the application folder"
        bad=1
    fi
done < <("$objdump" -p "$exe" | awk '/DLL Name:/{print $3}')
[ $bad = 0 ] && echo "imports of $(basename "$exe"): system DLLs only"
exit $bad
