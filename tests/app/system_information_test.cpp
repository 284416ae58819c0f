#include "app/sysinfo/system_information.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace sysinfo {
namespace {

struct Value {
  std::uint32_t type;
  std::string bytes;
};

Value Text(std::string text) {
  return {kRegSz, text + '\0'};
}

// A registry held in memory that records how it is used.
class MemoryRegistry : public Registry {
 public:
  std::map<std::string, std::map<std::string, Value>> keys;
  std::vector<std::uint32_t> access_asked;
  std::vector<std::uint32_t> options_asked;
  std::multiset<Key> open;
  int bad_closes = 0;

  long OpenKey(RootKey root, const std::string& path, std::uint32_t options, std::uint32_t access,
               Key& key) override {
    access_asked.push_back(access);
    options_asked.push_back(options);
    const auto found = keys.find(path);
    if (root != RootKey::kLocalMachine || found == keys.end()) return kErrorFileNotFound;
    key = next_key_++;
    handles_[key] = &found->second;
    open.insert(key);
    return kErrorSuccess;
  }

  long QueryValue(Key key, const std::string& name, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& size) override {
    const auto& values = *handles_.at(key);
    const auto found = values.find(name);
    if (found == values.end()) return kErrorFileNotFound;
    const std::string& bytes = found->second.bytes;
    type = found->second.type;
    if (bytes.size() > size) {
      size = static_cast<std::uint32_t>(bytes.size());
      return kErrorMoreData;
    }
    std::copy(bytes.begin(), bytes.end(), data.begin());
    size = static_cast<std::uint32_t>(bytes.size());
    return kErrorSuccess;
  }

  long CloseKey(Key key) override {
    const auto found = open.find(key);
    if (found == open.end()) {
      ++bad_closes;
      return 6;  // ERROR_INVALID_HANDLE
    }
    open.erase(found);
    return kErrorSuccess;
  }

 private:
  Key next_key_ = 100;
  std::map<Key, std::map<std::string, Value>*> handles_;
};

class FakeLauncher : public Launcher {
 public:
  std::set<std::string> files;
  std::set<std::string> programs;  // what Start can start
  std::vector<std::string> tested;
  std::vector<std::string> started;
  std::vector<std::string> attempts;

  bool IsFile(const std::string& path) override {
    tested.push_back(path);
    return files.count(path) == 1;
  }
  bool Start(const std::string& path) override {
    attempts.push_back(path);
    if (programs.count(path) == 0) return false;
    started.push_back(path);
    return true;
  }
};

class RecordingNotices : public NoticeSink {
 public:
  std::vector<std::string> shown;
  void ShowNotice(const std::string& text) override { shown.push_back(text); }
};

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kToolPath =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string kToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

struct LaunchCase {
  std::string name;
  std::map<std::string, std::map<std::string, Value>> keys;
  std::set<std::string> files;
  std::set<std::string> programs;
  std::optional<std::string> started;  // nothing means the notice
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
  *os << c.name;
}

class StartSysInfoCase : public testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoCase, StartsTheToolOrShowsTheNotice) {
  const LaunchCase& c = GetParam();
  MemoryRegistry registry;
  registry.keys = c.keys;
  FakeLauncher launcher;
  launcher.files = c.files;
  launcher.programs = c.programs;
  RecordingNotices notices;

  SystemInformation(registry, launcher, notices).StartSysInfo();

  if (c.started) {
    EXPECT_EQ(launcher.started, std::vector<std::string>{*c.started});
    EXPECT_TRUE(notices.shown.empty());
  } else {
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(notices.shown,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
  }
  EXPECT_TRUE(registry.open.empty()) << "a key was left open";
  EXPECT_EQ(registry.bad_closes, 0) << "a key was closed that was never opened";
  for (const std::uint32_t access : registry.access_asked) EXPECT_EQ(access, 0x20019u);
  for (const std::uint32_t options : registry.options_asked) EXPECT_EQ(options, 0u);
}

const std::string kNoZero(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Branches, StartSysInfoCase,
    testing::Values(
        LaunchCase{"PathStartsWithoutFileTest",
                   {{kMsinfo, {{"PATH", Text(kToolPath)}}}},
                   {},
                   {kToolPath},
                   kToolPath},
        LaunchCase{
            "PathThatCannotStart", {{kMsinfo, {{"PATH", Text(kToolPath)}}}}, {}, {}, std::nullopt},
        LaunchCase{"PathEmpty", {{kMsinfo, {{"PATH", Text("")}}}}, {}, {kToolPath}, std::nullopt},
        LaunchCase{"PathOfOtherType",
                   {{kMsinfo, {{"PATH", {kRegBinary, kToolPath + '\0'}}}}},
                   {},
                   {kToolPath},
                   std::nullopt},
        LaunchCase{"PathAsDword",
                   {{kMsinfo, {{"PATH", {kRegDword, std::string("\x05\0\0\0", 4)}}}}},
                   {},
                   {kToolPath},
                   std::nullopt},
        LaunchCase{"PathFillsBufferWithoutZero",
                   {{kMsinfo, {{"PATH", {kRegBinary, kNoZero}}}},
                    {kLocation, {{"MSINFO", Text(kToolFolder)}}}},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   std::nullopt},
        LaunchCase{"PathLongerThanBufferFallsBack",
                   {{kMsinfo, {{"PATH", Text(std::string(1500, 'p'))}}},
                    {kLocation, {{"MSINFO", Text(kToolFolder)}}}},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   kToolFolder + "\\MSINFO32.EXE"},
        LaunchCase{"LocationWithTool",
                   {{kLocation, {{"MSINFO", Text(kToolFolder)}}}},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   kToolFolder + "\\MSINFO32.EXE"},
        LaunchCase{
            "KeyWithoutPathValueFallsBack",
            {{kMsinfo, {{"Other", Text("x")}}}, {kLocation, {{"MSINFO", Text(kToolFolder)}}}},
            {kToolFolder + "\\MSINFO32.EXE"},
            {kToolFolder + "\\MSINFO32.EXE"},
            kToolFolder + "\\MSINFO32.EXE"},
        LaunchCase{"LocationJoinedAsStored",
                   {{kLocation, {{"MSINFO", Text("C:\\Tools\\")}}}},
                   {"C:\\Tools\\\\MSINFO32.EXE"},
                   {"C:\\Tools\\\\MSINFO32.EXE"},
                   "C:\\Tools\\\\MSINFO32.EXE"},
        LaunchCase{"LocationWithoutTool",
                   {{kLocation, {{"MSINFO", Text(kToolFolder)}}}},
                   {},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   std::nullopt},
        LaunchCase{"LocationToolThatCannotStart",
                   {{kLocation, {{"MSINFO", Text(kToolFolder)}}}},
                   {kToolFolder + "\\MSINFO32.EXE"},
                   {},
                   std::nullopt},
        LaunchCase{"NeitherValue", {}, {}, {}, std::nullopt}),
    [](const auto& test_info) { return test_info.param.name; });

struct ReadCase {
  std::string name;
  Value value;
  std::string before;
  bool read;
  std::string after;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class GetKeyValueCase : public testing::TestWithParam<ReadCase> {};

TEST_P(GetKeyValueCase, ReadsValueAsText) {
  const ReadCase& c = GetParam();
  MemoryRegistry registry;
  registry.keys["K"]["V"] = c.value;
  FakeLauncher launcher;
  RecordingNotices notices;
  std::string key_val = c.before;

  EXPECT_EQ(SystemInformation(registry, launcher, notices)
                .GetKeyValue(RootKey::kLocalMachine, "K", "V", key_val),
            c.read);
  EXPECT_EQ(key_val, c.after);
  EXPECT_TRUE(registry.open.empty());
  EXPECT_TRUE(notices.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueCase,
    testing::Values(
        ReadCase{"TrailingZeroDropped", Text("C:\\x.exe"), "", true, "C:\\x.exe"},
        ReadCase{"EmbeddedZeroEndsText", {kRegSz, std::string("C:\\a\0b", 6)}, "", true, "C:\\a"},
        ReadCase{"StoredWithoutZero", {kRegSz, "abc"}, "", true, "abc"},
        ReadCase{"LongestThatFits", Text(std::string(1023, 'a')), "", true, std::string(1023, 'a')},
        ReadCase{"FillsBufferWithoutZero", {kRegSz, std::string(1024, 'a')}, "old", false, ""},
        ReadCase{"LargerThanBuffer", Text(std::string(1024, 'a')), "old", false, ""},
        ReadCase{"DwordMostSignificantFirst",
                 {kRegDword, std::string("\x78\x56\x34\x12", 4)},
                 "",
                 true,
                 "&h12345678"},
        ReadCase{"DwordKeepsZeroBytes",
                 {kRegDword, std::string("\x05\0\0\0", 4)},
                 "",
                 true,
                 "&h00000005"},
        ReadCase{
            "DwordAppended", {kRegDword, std::string("\xff\0\0\xa0", 4)}, "x", true, "x&hA00000FF"},
        ReadCase{"OtherTypeKeepsText", {kRegBinary, "zz"}, "kept", true, "kept"}),
    [](const auto& test_info) { return test_info.param.name; });

TEST(GetKeyValue, MissingKeyOrValueClearsText) {
  MemoryRegistry registry;
  registry.keys["K"]["V"] = Text("v");
  FakeLauncher launcher;
  RecordingNotices notices;
  SystemInformation info(registry, launcher, notices);

  std::string key_val = "old";
  EXPECT_FALSE(info.GetKeyValue(RootKey::kLocalMachine, "Missing", "V", key_val));
  EXPECT_EQ(key_val, "");
  key_val = "old";
  EXPECT_FALSE(info.GetKeyValue(RootKey::kLocalMachine, "K", "Missing", key_val));
  EXPECT_EQ(key_val, "");
  EXPECT_TRUE(registry.open.empty());
  EXPECT_EQ(registry.bad_closes, 0);
}

}  // namespace
}  // namespace sysinfo
