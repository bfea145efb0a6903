# Writes OUT, a source file holding, per language file of LANG_FILES, the keys
# of that file that the code in SOURCES looks up: a key counts when the code
# writes it as a string literal, or writes its stem for a numbered key ("TV"
# for TV1, "TC_V" for TC_V100). Comments do not count. Keys are upper-cased
# and trimmed, as the program looks them up; the check at start asks a file
# beside the program for these keys and no others.
cmake_minimum_required(VERSION 3.20)

# Every string literal of the sources, upper-cased and trimmed. Comments,
# string and character literals are matched as one alternation, so that
# whichever starts first wins: quotes inside a comment or a character
# literal, and "//" inside a string, are taken for what they are.
set(literals "")
foreach(source IN LISTS SOURCES)
  file(READ ${source} code)
  # No key holds a ";", which would split CMake's lists.
  string(REPLACE ";" " " code "${code}")
  string(REGEX MATCHALL
         "//[^\n]*|/\\*([^*]|\\*+[^*/])*\\*+/|\"([^\"\\\\\n]|\\\\.)*\"|'([^'\\\\\n]|\\\\.)*'"
         tokens "${code}")
  foreach(token IN LISTS tokens)
    if(NOT token MATCHES "^\"(.*)\"$")
      continue()
    endif()
    string(STRIP "${CMAKE_MATCH_1}" text)
    if(NOT text STREQUAL "")
      string(TOUPPER "${text}" text)
      list(APPEND literals "${text}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES literals)

set(body "")
foreach(file IN LISTS LANG_FILES)
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
    list(FIND literals "${key}" found)
    if(found LESS 0 AND key MATCHES "^(.*[^0-9])[0-9]+$")
      list(FIND literals "${CMAKE_MATCH_1}" found)
    endif()
    if(found LESS 0)
      continue()
    endif()
    string(REPLACE "\\" "\\\\" key "${key}")
    string(REPLACE "\"" "\\\"" key "${key}")
    string(APPEND keys "      QStringLiteral(\"${key}\"),\n")
  endforeach()
  string(APPEND body "  if (prefix == QLatin1String(\"${prefix}\"))\n    return {\n${keys}    };\n")
endforeach()
set(source "// Written by the build from the language files and the sources
// (platform/LanguageKeys.cmake).
#include \"platform/LanguageKeys.h\"

namespace platform {

QStringList LookedUpLanguageKeys(const QString& prefix) {
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
