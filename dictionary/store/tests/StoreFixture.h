// Test helpers: a temporary folder, source files and stores built by the real builder.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "builder/StoreBuilder.h"

namespace sindhikit::testing {

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
    TempFolder() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("sindhikit-store-" + std::string(test ? test->name() : "x") + "-" + std::to_string(stamp));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        return file;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

 private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The store built from testing/fixtures/sample-store.tsv by the real builder.
inline std::filesystem::path BuildSample(const TempFolder& folder, const std::string& name = "directodb.dll") {
    const auto store = folder / name;
    storebuild::BuildStore({FixtureFile("sample-store.tsv")}, store);
    return store;
}

}  // namespace sindhikit::testing
