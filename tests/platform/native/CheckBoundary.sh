#!/bin/sh
# The toolkit includes no framework header, and a framework header includes no toolkit header but
# Native/Types.h. $1: the source root.
root="$1"
status=0
found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Veltis/' "$root/platform/native")
if [ -n "$found" ]; then
    echo "the native toolkit includes framework headers:"; echo "$found"; status=1
fi
found=$(find "$root/Veltis" -name '*.h' -exec grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Native/' {} + \
    | grep -vE '[<"]Native/Types\.h[>"]')
if [ -n "$found" ]; then
    echo "framework headers include native headers other than Native/Types.h:"; echo "$found"; status=1
fi
exit $status
