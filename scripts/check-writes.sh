#!/usr/bin/env bash
# Every file the program writes goes through storage's one checked atomic
# write (src/storage/FileIo.cpp): the rest of src/ renders into memory (a
# QBuffer) and hands the bytes over. Fails when anything outside src/storage
# opens a file for writing itself.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='QSaveFile|QTemporaryFile|QLockFile|setOutputFileName|QSvgGenerator::setFileName|\.setFileName\(|QFile::(copy|rename|link)|fopen|ofstream|\bopen\(QIODevice::(WriteOnly|ReadWrite|Append)|QPdfWriter [a-zA-Z_]+\([^&]|\.save\([^&)]*(path|[Ff]ile|QString)'
found=$(grep -rnE "$pattern" src --include='*.cpp' --include='*.h' | grep -v '^src/storage/' | grep -vE '\bbuffer\.open\(' || true)
if [ -n "$found" ]; then
  echo "Files written outside src/storage (write through writeFileAtomically instead):"
  echo "$found"
  exit 1
fi
echo "writes: every file goes through storage"
