#!/bin/sh
# The native library's dynamic symbol table defines only the toolkit's own names. $1: the library.
library="$1"
symbols=$(nm -D --defined-only -C "$library" | cut -d' ' -f3-)
if [ -z "$symbols" ]; then
    echo "no dynamic symbols read from $library"; exit 1
fi
foreign=$(printf '%s\n' "$symbols" | grep -vE '^((vtable|typeinfo|typeinfo name) for )?Native::[A-Za-z_0-9]+(::~?[A-Za-z_0-9]+)*(\(|$)')
if [ -n "$foreign" ]; then
    echo "names outside Native:: exported:"; echo "$foreign"; exit 1
fi
