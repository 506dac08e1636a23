#!/bin/sh
# Fails when two files that git tracks differ only in case: two paths that
# are one path on a case-insensitive volume (the default on a Mac and on
# Windows), or two file names spelled with other capitals, such as
# shareddata.h and sharedData.h, where an #include of the one finds the
# other first when both folders are searched. The same name in other
# folders (CMakeLists.txt) is fine.
#
#   filenamecase.sh SOURCE_DIR
#
# Outside a git checkout there is nothing to compare: exit status 77, which
# the test counts as skipped.
dir=${1:?usage: filenamecase.sh SOURCE_DIR}
if ! git -C "$dir" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  echo "$dir is no git checkout: skipped"
  exit 77
fi
git -C "$dir" -c core.quotepath=off ls-files | awk '
{
  path = $0
  lowerPath = tolower(path)
  if (lowerPath in pathOf) {
    print pathOf[lowerPath] " and " path ": one path on a case-insensitive volume"
    bad = 1
  } else {
    pathOf[lowerPath] = path
  }
  n = split(path, parts, "/")
  name = parts[n]
  lowerName = tolower(name)
  if (lowerName in nameOf) {
    if (nameOf[lowerName] != name) {
      print firstOf[lowerName] " and " path ": file names that differ only in case"
      bad = 1
    }
  } else {
    nameOf[lowerName] = name
    firstOf[lowerName] = path
  }
}
END {
  if (bad) exit 1
  print NR " tracked files, no two differ only in case"
}'
