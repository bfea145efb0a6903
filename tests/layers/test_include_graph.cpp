// The folders of the program include one another in one direction only, no
// file includes itself round a loop, and every source file is built. The layers come from the build
// (TORV_LAYERS): lowest first, "|" between layers, "," between folders of one
// layer, which do not include each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = TORV_SOURCE_DIR;

struct SourceFile {
  std::string folder;                 // first folder below the root
  std::vector<std::string> includes;  // quoted includes as written
  std::vector<std::string> system;    // angle-bracket includes
  std::string text;
};

std::map<std::string, int> LayerOfFolder() {
  std::map<std::string, int> layer;
  std::stringstream layers(TORV_LAYERS);
  std::string one;
  for (int rank = 0; std::getline(layers, one, '|'); ++rank) {
    std::stringstream folders(one);
    std::string folder;
    while (std::getline(folders, folder, ',')) layer[folder] = rank;
  }
  return layer;
}

// The name an include line gives, and whether it is in quotes or brackets.
bool IncludeOf(const std::string& line, std::string& name, char& open) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '#') return false;
  i = line.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || line.compare(i, 7, "include") != 0) return false;
  i = line.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || (line[i] != '"' && line[i] != '<')) return false;
  open = line[i];
  const size_t end = line.find(open == '"' ? '"' : '>', i + 1);
  if (end == std::string::npos) return false;
  name = line.substr(i + 1, end - i - 1);
  return true;
}

// Every C++ file of the program's folders, by its path below the root.
std::map<std::string, SourceFile> ReadSources(const std::map<std::string, int>& layers) {
  std::map<std::string, SourceFile> files;
  for (const auto& [folder, rank] : layers) {
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      SourceFile f{folder, {}, {}, {}};
      std::ifstream in(entry.path());
      std::stringstream all;
      for (std::string line; std::getline(in, line);) {
        std::string name;
        char open = 0;
        if (IncludeOf(line, name, open)) (open == '"' ? f.includes : f.system).push_back(name);
        all << line << '\n';
      }
      f.text = all.str();
      files[fs::relative(entry.path(), kRoot).generic_string()] = std::move(f);
    }
  }
  return files;
}

// The file an include names: beside the including file first, then from the
// root; "" when it is none of ours (a generated header).
std::string Resolve(const std::string& from, const std::string& include,
                    const std::map<std::string, SourceFile>& files) {
  const std::string beside =
      (fs::path(from).parent_path() / include).lexically_normal().generic_string();
  if (files.count(beside)) return beside;
  return files.count(include) ? include : std::string();
}

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The window class a header declares ("class X : public QDialog" or
// QMainWindow); "" when it declares none.
std::string WindowClassOf(const SourceFile& f) {
  const std::string& t = f.text;
  for (size_t at = t.find("class "); at != std::string::npos; at = t.find("class ", at + 6)) {
    size_t i = t.find_first_not_of(' ', at + 6);
    const size_t nameEnd = i == std::string::npos ? i : t.find_first_of(" :{;", i);
    if (nameEnd == std::string::npos) break;
    const std::string name = t.substr(i, nameEnd - i);
    std::string rest = t.substr(nameEnd, 60);
    rest.erase(std::remove(rest.begin(), rest.end(), ' '), rest.end());
    if (rest.rfind("final", 0) == 0) rest.erase(0, 5);
    for (const char* base : {":publicQDialog", ":publicQMainWindow"}) {
      const size_t n = std::string(base).size();
      if (rest.compare(0, n, base) == 0 && (rest.size() == n || !IsWordChar(rest[n]))) return name;
    }
  }
  return std::string();
}

class IncludeGraph : public ::testing::Test {
 protected:
  const std::map<std::string, int> layers = LayerOfFolder();
  const std::map<std::string, SourceFile> files = ReadSources(layers);
};

}  // namespace

TEST_F(IncludeGraph, NoFolderIncludesOneAboveItOrBesideIt) {
  ASSERT_GE(layers.size(), 6u);
  ASSERT_GT(files.size(), 100u);
  for (const auto& [path, f] : files) {
    for (const std::string& inc : f.includes) {
      const std::string target = Resolve(path, inc, files);
      if (target.empty()) continue;
      const std::string folder = files.at(target).folder;
      if (folder == f.folder) continue;
      EXPECT_LT(layers.at(folder), layers.at(f.folder))
          << path << " includes " << target << ": " << f.folder << " may not use " << folder;
    }
  }
}

TEST_F(IncludeGraph, TheEngineKnowsNoQtAndDrawingCodeKnowsNoWindow) {
  for (const auto& [path, f] : files) {
    if (f.folder != "engine") continue;
    for (const std::string& inc : f.system) EXPECT_NE(inc[0], 'Q') << path << " includes " << inc;
  }
  // Code that draws on a drawing target, other than a window's own code,
  // includes no window.
  std::map<std::string, std::string> windowClass;
  for (const auto& [path, f] : files) {
    const std::string window = WindowClassOf(f);
    if (!window.empty()) windowClass[path] = window;
  }
  ASSERT_GE(windowClass.size(), 8u);
  for (const auto& [path, f] : files) {
    if (windowClass.count(path)) continue;
    std::vector<std::string> windows;
    bool draws = false, windowCode = false;
    for (const std::string& inc : f.includes) {
      const std::string target = Resolve(path, inc, files);
      if (target == "platform/DrawTarget.h") draws = true;
      if (!windowClass.count(target)) continue;
      windows.push_back(target);
      if (f.text.find(windowClass[target] + "::") != std::string::npos) windowCode = true;
    }
    if (draws && !windowCode)
      for (const std::string& w : windows) ADD_FAILURE() << path << " draws and includes " << w;
  }
}

TEST_F(IncludeGraph, NoFileIncludesItselfRoundALoop) {
  enum Mark { kNew, kOpen, kDone };
  std::map<std::string, Mark> mark;
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& file) {
    mark[file] = kOpen;
    path.push_back(file);
    for (const std::string& inc : files.at(file).includes) {
      const std::string target = Resolve(file, inc, files);
      if (target.empty()) continue;
      if (mark[target] == kOpen) {
        std::string loop;
        for (auto it = std::find(path.begin(), path.end(), target); it != path.end(); ++it)
          loop += *it + " -> ";
        ADD_FAILURE() << "include loop: " << loop << target;
      } else if (mark[target] == kNew) {
        visit(target);
      }
    }
    path.pop_back();
    mark[file] = kDone;
  };
  for (const auto& [file, f] : files)
    if (mark[file] == kNew) visit(file);
}

// Whether a CMake text names the file as a word of its own.
bool NamedIn(const std::string& text, const std::string& name) {
  auto separates = [](char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')' || c == '/';
  };
  for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    const size_t end = at + name.size();
    if ((at == 0 || separates(text[at - 1])) && (end == text.size() || separates(text[end])))
      return true;
  }
  return false;
}

// Sources are listed by name, not gathered by pattern: a file nobody listed
// would silently not be built, or its tests not run.
TEST(SourceLists, EveryCppFileIsNamedInACMakeListsAboveIt) {
  int checked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kRoot)) {
    const fs::path rel = fs::relative(entry.path(), kRoot);
    const std::string top = rel.begin()->string();
    if (top.rfind("build", 0) == 0 || top[0] == '.') continue;
    if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
    bool named = false;
    for (fs::path dir = entry.path().parent_path(); !named; dir = dir.parent_path()) {
      std::ifstream in(dir / "CMakeLists.txt");
      std::stringstream text;
      text << in.rdbuf();
      named = NamedIn(text.str(), entry.path().filename().string());
      if (dir == kRoot) break;
    }
    EXPECT_TRUE(named) << rel.generic_string() << " is in no CMakeLists.txt";
    ++checked;
  }
  EXPECT_GT(checked, 150);
}
