#!/bin/sh
# Writes a module-definition file for DLL $1 listing every function of its import library $2.
set -e
{
  echo "LIBRARY $1.dll"
  echo "EXPORTS"
  x86_64-w64-mingw32-nm "$2" | sed -n 's/.* I __imp_//p' | sort -u
} > "$3"
