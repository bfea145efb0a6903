#include "app/ProgramFiles.h"

#include "engine/Cases.h"

namespace app {

QStringList DataFilesBesideProgram() {
  QStringList files;
  for (const char* pattern : {"htf/f%1.htf", "img/F%1.gif", "img/X%1.jpg", "h%1.jpg"})
    for (int tipo = 1; tipo <= Vigas::kSupportTypes; ++tipo)
      for (int caso = 0; caso < Vigas::CasesOfType(tipo); ++caso)
        files << QString::fromLatin1(pattern).arg(Vigas::CaseCode(tipo, caso));
  return files;
}

}  // namespace app
