# Runs platform/LanguageKeys.cmake (SCRIPT) on a small language file and a
# source of its own in OUT, and checks which keys it finds looked up: keys
# the code writes as literals or as the stem of a numbered key, and not keys
# that only a comment names or that no code names at all.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
string(ASCII 13 cr)
set(lines "x[Stray]=m" "[Used]=a" "[ spaced ]=b" "[InArray]=c" "[TV1]=d" "[TV12]=e"
          "[Unused]=f" "[Commented]=g" "[Blocked]=h" "[Quoted]=i" "[InQuotes]=j" "[TV]=k"
          "[Black&White]=l")
list(JOIN lines "${cr}\n" lmo)
file(WRITE ${OUT}/ENG_WIN_TST.lmo "${lmo}${cr}\n")
file(WRITE ${OUT}/Source.cpp [=[
// The table's "Commented" text is not looked up here.
/* Nor "Blocked" here. */
const char* kKeys[] = {"InArray", "Black&White"};
QString A() { return GetL_win(QStringLiteral("used")) + GetL_win("Spaced"); }
QString B(int i) { return GetL_win(Key("TV", i)); }
QString C() { return QString("say \"Quoted\" // ") + QLatin1Char('"') + GetL_win("InQuotes"); }
]=])
execute_process(COMMAND ${CMAKE_COMMAND} -DLANG_FILES=${OUT}/ENG_WIN_TST.lmo
                        -DSOURCES=${OUT}/Source.cpp -DOUT=${OUT}/Keys.cpp -P ${SCRIPT}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${SCRIPT} failed")
endif()
file(READ ${OUT}/Keys.cpp written)
string(REGEX MATCHALL "QStringLiteral\\(\"[^\"]*\"\\)" found "${written}")
string(REGEX REPLACE "QStringLiteral\\(\"([^\"]*)\"\\)" "\\1" found "${found}")
set(expected USED SPACED INARRAY TV1 TV12 INQUOTES TV BLACK&WHITE)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "Looked-up keys: ${found}\nexpected: ${expected}")
endif()
if(NOT written MATCHES "if \\(prefix == QLatin1String\\(\"TST\"\\)\\)")
  message(FATAL_ERROR "No list for the prefix TST:\n${written}")
endif()
