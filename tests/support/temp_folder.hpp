#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test; and copies of the fixture data sets to damage or vary.

#include <filesystem>
#include <map>
#include <string>

namespace kv884::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::u16string text() const;  // the folder as the folder box would hold it

 private:
  std::filesystem::path path_;
};

std::filesystem::path fixturePath(const std::string& name);  // "basic" or "wide"

// Copies a fixture data set into folder/name (writable) and returns the copy's path.
std::filesystem::path copyFixture(const std::string& name, const std::filesystem::path& folder);

// Whether a file whose permissions forbid reading cannot be read: not for root, and not on
// Windows, where std::filesystem can only set the read-only attribute.
bool permissionsKeepReadersOut();

// A path written with "/" as the programs show it on this host: with Windows' own separator there.
std::u16string shownHere(std::u16string path);
std::string shownHere(const std::string& path);

void writeFile(const std::filesystem::path& file, const std::string& bytes);
std::string readFile(const std::filesystem::path& file);

// Everything under folder: each path below it with the bytes of a file, "/" for a folder and
// "->" for a link, to show that a run wrote, removed or left behind nothing.
std::map<std::string, std::string> contentsOf(const std::filesystem::path& folder);

}  // namespace kv884::test
