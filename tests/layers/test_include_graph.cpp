// The folders of the program include one another in one direction only, no
// file includes itself round a loop, and every source file is built. The layers come from the build
// (TORV_LAYERS): lowest first, "|" between layers, "," between folders of one
// layer, which do not include each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
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

// Every C++ file of the program's folders, by its path below the root.
std::map<std::string, SourceFile> ReadSources(const std::map<std::string, int>& layers) {
  static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
  static const std::regex angled(R"(^\s*#\s*include\s*<([^>]+)>)");
  std::map<std::string, SourceFile> files;
  for (const auto& [folder, rank] : layers) {
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      SourceFile f{folder, {}, {}, {}};
      std::ifstream in(entry.path());
      std::stringstream all;
      for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, quoted)) f.includes.push_back(m[1]);
        if (std::regex_search(line, m, angled)) f.system.push_back(m[1]);
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

bool IsWindowHeader(const SourceFile& f) {
  static const std::regex window(R"(class\s+\w+\s*(final\s*)?:\s*public\s+Q(Dialog|MainWindow)\b)");
  return std::regex_search(f.text, window);
}

std::string ClassOf(const SourceFile& f) {
  static const std::regex window(
      R"(class\s+(\w+)\s*(final\s*)?:\s*public\s+Q(Dialog|MainWindow)\b)");
  std::smatch m;
  return std::regex_search(f.text, m, window) ? m[1].str() : std::string();
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
  for (const auto& [path, f] : files)
    if (IsWindowHeader(f)) windowClass[path] = ClassOf(f);
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
      const std::string name = entry.path().filename().string();
      named = std::regex_search(
          text.str(),
          std::regex("(^|[\\s/(])" + std::regex_replace(name, std::regex("\\."), "\\.") +
                     "($|[\\s)])"));
      if (dir == kRoot) break;
    }
    EXPECT_TRUE(named) << rel.generic_string() << " is in no CMakeLists.txt";
    ++checked;
  }
  EXPECT_GT(checked, 150);
}
