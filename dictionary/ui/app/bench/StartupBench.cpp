// Benchmark of Dictionary.exe under Wine on a large word store, each figure against a
// baseline measured in the same run:
//   1. process start -> frmEnglish2Sindhi shown, maximised, with every English headword
//      loaded, and -> every Sindhi headword loaded; against dictionary_baseline, a bare
//      program adding the same strings to a list box and a combo box;
//   2. a key message in WordBox -> both text boxes written; against the same lookup
//      (both stored queries and both texts) straight through the store in this process.
// Usage: dictionary_bench_driver STORE DICTIONARY.exe BASELINE.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Headwords.h"
#include "LookupTexts.h"
#include "gui/ProgramUnderTest.h"
#include "gui/WindowProbe.h"

using namespace sindhikit;
using namespace sindhikit::guitest;
namespace fs = std::filesystem;
namespace ids = dictionary::ids;

namespace {

double Seconds(long long ticks) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

long long Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

std::string Utf8(const std::u16string& s) {
    std::wstring w(s.begin(), s.end());
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void WriteLines(const fs::path& path, const std::vector<std::u16string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const auto& l : lines) out << Utf8(l) << "\n";
}

struct Lookup {
    wchar_t letter;
    std::wstring sindhiMeanings, englishMeaning;
    double directSeconds;
};

// The word the box completes a letter to, and what the lookup writes for it, timed
// straight through the store (median of repeated runs).
Lookup DirectLookup(wchar_t letter, const std::vector<std::u16string>& english) {
    Lookup l{letter, {}, {}, 0};
    std::u16string word;
    for (const auto& w : english)
        if (!w.empty() && (w[0] | 0x20) == letter) {
            word = w;
            break;
        }
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const long long t0 = Now();
        const auto meanings = SindhiMeaningsText(StoreConnection, word);
        const auto definitions = EnglishDefinitionsText(StoreConnection, word);
        times.push_back(Seconds(Now() - t0));
        l.sindhiMeanings.assign(meanings.begin(), meanings.end());
        l.englishMeaning.assign(definitions.begin(), definitions.end());
    }
    l.directSeconds = Median(times);
    return l;
}

struct Found {
    HWND frame = nullptr, client = nullptr, english = nullptr, sindhi = nullptr;
};

bool EnglishReady(const ProgramUnderTest& p, Found& f, size_t count) {
    f.frame = p.TopWindow(L"frmMain");
    if (!f.frame || !p.TopWindows(L"frmSplash").empty()) return false;
    f.client = FindWindowExW(f.frame, nullptr, L"MDIClient", nullptr);
    f.english = FindWindowExW(f.client, nullptr, L"frmEnglish2Sindhi", nullptr);
    f.sindhi = FindWindowExW(f.client, nullptr, L"frmSindhiToEnglish", nullptr);
    return f.english && IsZoomed(f.english) &&
           reinterpret_cast<HWND>(SendMessageW(f.client, WM_MDIGETACTIVE, 0, 0)) == f.english &&
           static_cast<size_t>(SendMessageW(GetDlgItem(f.english, ids::WordList), LB_GETCOUNT, 0, 0)) == count;
}

bool PollUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() > end) return false;
        Sleep(5);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: dictionary_bench_driver STORE DICTIONARY.exe BASELINE.exe [RUNS]\n");
        return 2;
    }
    const fs::path store = argv[1];
    const std::wstring dictionaryExe = argv[2], baselineExe = argv[3];
    const int runs = argc > 4 ? _wtoi(argv[4]) : 3;

    SetCipherKey();
    ConnectStoreAt(store.u16string());
    const auto english = LoadHeadwords(StoreConnection, HeadwordList::English);
    const auto sindhi = LoadHeadwords(StoreConnection, HeadwordList::Sindhi);
    const fs::path work = fs::temp_directory_path() / L"dictionary_bench";
    fs::create_directories(work);
    WriteLines(work / L"english.txt", english);
    WriteLines(work / L"sindhi.txt", sindhi);
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    fs::copy_file(store, fs::path(windows) / L"directodb.dll", fs::copy_options::overwrite_existing);
    std::printf("store: %zu English, %zu Sindhi headwords; %d runs\n", english.size(), sindhi.size(), runs);

    std::vector<double> baseEnglish, baseSindhi, ourEnglish, ourSindhi, keyTimes, directTimes;
    std::vector<Lookup> lookups;
    for (wchar_t c = L'a'; c <= L'z'; ++c) {
        Lookup l = DirectLookup(c, english);
        if (l.englishMeaning.size() > 1) lookups.push_back(l);
    }
    for (int run = 0; run < runs; ++run) {
        {
            const fs::path times = work / L"baseline-times.txt";
            const std::wstring args = L"\"" + (work / L"english.txt").wstring() + L"\" \"" +
                                      (work / L"sindhi.txt").wstring() + L"\" \"" + times.wstring() + L"\"";
            const long long t0 = Now();
            ProgramUnderTest baseline(baselineExe, args);
            DWORD code = 1;
            if (!baseline.WaitForExit(600000, &code) || code != 0) return 1;
            long long englishDone = 0, sindhiDone = 0;
            std::ifstream(times) >> englishDone >> sindhiDone;
            baseEnglish.push_back(Seconds(englishDone - t0));
            baseSindhi.push_back(Seconds(sindhiDone - t0));
        }
        {
            const long long t0 = Now();
            ProgramUnderTest dictionary(dictionaryExe);
            Found f;
            if (!PollUntil([&] { return EnglishReady(dictionary, f, english.size()); }, 600000)) return 1;
            ourEnglish.push_back(Seconds(Now() - t0));
            const HWND sindhiList = GetDlgItem(f.sindhi, ids::WordList);
            if (!PollUntil(
                    [&] { return static_cast<size_t>(SendMessageW(sindhiList, LB_GETCOUNT, 0, 0)) == sindhi.size(); },
                    600000))
                return 1;
            ourSindhi.push_back(Seconds(Now() - t0));

            const HWND edit = ComboEdit(GetDlgItem(f.english, ids::WordBox));
            const HWND meanings = GetDlgItem(f.english, ids::SindhiMeanings);
            const HWND definitions = GetDlgItem(f.english, ids::EnglishMeaning);
            for (const Lookup& l : lookups) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                const long long k0 = Now();
                PostKey(edit, LOBYTE(VkKeyScanW(l.letter)));
                while (TextOf(definitions) != l.englishMeaning || TextOf(meanings) != l.sindhiMeanings) {
                    if (Seconds(Now() - k0) > 30) return 1;
                    SwitchToThread();  // leave the processor to the program measured
                }
                keyTimes.push_back(Seconds(Now() - k0));
                directTimes.push_back(l.directSeconds);
            }
        }
    }
    const auto report = [](const char* what, double ours, double base, double goal) {
        std::printf("   %-46s %9.3f ms vs %9.3f ms: %.2fx (goal %.0fx)\n", what, ours * 1e3, base * 1e3, ours / base,
                    goal);
    };
    report("start -> English headwords loaded, window up", Median(ourEnglish), Median(baseEnglish), 2);
    report("start -> Sindhi headwords loaded", Median(ourSindhi), Median(baseSindhi), 2);
    report("key in WordBox -> both boxes written", Median(keyTimes), Median(directTimes), 3);
    std::printf("   (medians; baselines: dictionary_baseline adding the same strings, the direct store lookup)\n");
    return 0;
}
