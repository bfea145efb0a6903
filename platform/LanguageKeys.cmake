# Writes OUT, a source file holding the keys of every language file in
# LANG_DIR (upper-cased and trimmed, as the program looks them up): a file
# beside the program that lacks one of them is refused at start.
file(GLOB files ${LANG_DIR}/ENG_WIN_*.lmo)
set(body "")
foreach(file IN LISTS files)
  string(REGEX REPLACE ".*ENG_WIN_(.*)\\.lmo$" "\\1" prefix "${file}")
  file(READ ${file} content)
  # Entry lines only: "[" after leading spaces, a "]" and an "=" after it.
  # (The shipped files end their lines with CR LF and hold no lone LF.)
  string(REGEX MATCHALL "\n *\\[[^]\r\n]*\\][^=\r\n]*=" entries "\n${content}")
  set(keys "")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^\n *\\[([^]]*)\\].*" "\\1" key "${entry}")
    string(STRIP "${key}" key)
    string(TOUPPER "${key}" key)
    string(REPLACE "\\" "\\\\" key "${key}")
    string(REPLACE "\"" "\\\"" key "${key}")
    string(APPEND keys "      QStringLiteral(\"${key}\"),\n")
  endforeach()
  string(APPEND body "  if (prefix == QLatin1String(\"${prefix}\"))\n    return {\n${keys}    };\n")
endforeach()
set(source "// Written by the build from lang/*.lmo (platform/LanguageKeys.cmake).
#include \"platform/LanguageKeys.h\"

namespace platform {

QStringList ShippedLanguageKeys(const QString& prefix) {
${body}  return {};
}

}  // namespace platform
")
# Left alone when unchanged, so nothing is compiled again for nothing.
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT old STREQUAL source)
  file(WRITE ${OUT} "${source}")
endif()
