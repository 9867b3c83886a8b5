// Word stores and store-build inputs made as an attacker would make them, each given to the
// sindhikit command as a user gives it: the command ends with status 2 and a message that
// names the cause, within a second of work, without writing to any file, and with the
// process's memory bounded. The stores are the builder's sample store changed with SQLite here.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/stat.h>
#include <time.h>
#endif

#include "DatabaseHandler.h"
#include "Sindhikit.h"
#include "StoreFixture.h"
#include "Utf8.h"
#include "commands/Commands.h"

namespace sindhikit {
namespace {

namespace fs = std::filesystem;
using sindhikit::testing::BuildSample;
using sindhikit::testing::ReadBytes;
using sindhikit::testing::RunSql;
using sindhikit::testing::TempFolder;

// How much a command may add to the process's peak memory: SQLite's heap limit, the rows a
// stored query may return (as UTF-16), and room for the rest. Under AddressSanitizer freed
// memory is held back in quarantine (256 MiB) before it is reused, so the peak grows with
// what SQLite churns through, not only with what it holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kMemoryBound = std::size_t{640} << 20;
#else
constexpr std::size_t kMemoryBound = std::size_t{160} << 20;
#endif

// The process's peak resident memory. Linux lets the peak start again from the current use
// (clear_refs); elsewhere the growth of the peak is what is measured.
class PeakMemory {
 public:
    PeakMemory() : start_(Restart()) {}
    std::size_t Growth() const {
        const std::size_t peak = Peak();
        return peak > start_ ? peak - start_ : 0;
    }

 private:
#ifdef _WIN32
    static std::size_t Peak() {
        PROCESS_MEMORY_COUNTERS counters{};
        return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
    }
    static std::size_t Restart() {
        return Peak();
    }
#else
    static std::size_t Status(const std::string& field) {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind(field + ":", 0) == 0) return std::stoull(line.substr(field.size() + 1)) * 1024;
        return 0;
    }
    static std::size_t Peak() {
        return Status("VmHWM");
    }
    static std::size_t Restart() {
        std::ofstream("/proc/self/clear_refs") << "5";  // the peak becomes the current use
        return Status("VmRSS");
    }
#endif
    std::size_t start_;
};

// Processor time the process has used, in seconds.
double ProcessorSeconds() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
#else
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
#endif
}

struct Outcome {
    int status = -1;
    std::string out, err;
    double seconds = 0;           // as the user waits
    double processorSeconds = 0;  // the work it did
    std::size_t memoryGrowth = 0;
};

// One sindhikit command, in this process. The store connection is closed afterwards, as the
// end of a sindhikit process would close it.
Outcome Command(const std::vector<std::string>& utf8Args) {
    std::vector<std::u16string> args;
    for (const auto& a : utf8Args) args.push_back(*Utf8ToUtf16(a));
    cli::Context context;
    context.newline = "\n";
    context.executableDir = fs::temp_directory_path();
    std::istringstream in;
    std::ostringstream out, err;
    Outcome outcome;
    PeakMemory memory;
    const double processorStart = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    outcome.status = cli::RunSindhikit(args, context, in, out, err);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.processorSeconds = ProcessorSeconds() - processorStart;
    outcome.memoryGrowth = memory.Growth();
    StoreConnection.Close();
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

std::string PathText(const fs::path& path) {
    return Utf16ToUtf8(path.u16string());
}

// Everything in a folder: name, kind, size, time and content of each entry.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::error_code ec;
        const auto status = entry.symlink_status(ec);
        std::string state = std::to_string(static_cast<int>(status.type()));
        if (fs::is_regular_file(status))
            state += " " + std::to_string(fs::last_write_time(entry.path()).time_since_epoch().count()) + " " +
                     std::to_string(std::hash<std::string>{}(ReadBytes(entry.path())));
        entries[PathText(entry.path().filename())] = state;
    }
    return entries;
}

std::string SetQuery(const char* name, const std::string& sql) {
    std::string quoted;
    for (char c : sql) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return "UPDATE StoredQueries SET SQL = '" + quoted + "' WHERE Name = '" + name + "';";
}

// A table of n rows (column n = 1..n), for queries that multiply it by itself.
std::string Numbers(const char* table, int n) {
    return std::string("CREATE TABLE ") + table + "(n INTEGER);" +
           "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < " + std::to_string(n) +
           ") INSERT INTO " + table + " SELECT n FROM c;";
}

// value concatenated with itself 2^times times, as a balanced expression (SQLite limits how
// deep one may be): rows of tens of kilobytes from a few bytes stored.
std::string Doubled(const std::string& value, int times) {
    return times == 0 ? value : "(" + Doubled(value, times - 1) + " || " + Doubled(value, times - 1) + ")";
}

struct Case {
    // Makes what the command is given inside folder; returns the command's arguments.
    using Setup = std::function<std::vector<std::string>(const fs::path& folder)>;
    Case(const char* what, Setup make, std::vector<std::string> mentioned, std::vector<std::string> notMentioned = {})
        : fault(what), setup(std::move(make)), mentions(std::move(mentioned)), absent(std::move(notMentioned)) {}

    const char* fault;
    Setup setup;
    std::vector<std::string> mentions;  // each must be in the message
    std::vector<std::string> absent;    // none may be
};

// A copy of the sample store changed by sql; the command looks an English word up in it.
Case StoreCase(const char* fault, std::string sql, std::vector<std::string> mentions,
               std::vector<std::string> command = {"en", "apple"}) {
    return Case{fault,
                [sql, command](const fs::path& folder) {
                    const auto store = folder / "store.dll";
                    TempFolder scratch;
                    fs::copy_file(BuildSample(scratch), store);
                    RunSql(store, sql);
                    std::vector<std::string> args{"--store", PathText(store)};
                    args.insert(args.end(), command.begin(), command.end());
                    return args;
                },
                std::move(mentions)};
}

void ExpectRefused(const Case& c) {
    TempFolder folder;
    const auto args = c.setup(folder.Path());
    const auto before = Snapshot(folder.Path());
    const Outcome o = Command(args);
    EXPECT_EQ(o.status, cli::ExitError) << c.fault << "\n" << o.err;
    EXPECT_EQ(o.out, "") << c.fault;
    for (const auto& text : c.mentions)
        EXPECT_NE(o.err.find(text), std::string::npos) << c.fault << ": no \"" << text << "\" in: " << o.err;
    for (const auto& text : c.absent)
        EXPECT_EQ(o.err.find(text), std::string::npos) << c.fault << ": \"" << text << "\" in: " << o.err;
    // Within a second of work. A machine shared by many builds may hold the process back for
    // longer than that, so the time waited only has to stay within a few seconds (no hang,
    // no blocking open).
    EXPECT_LT(o.processorSeconds, 1.0) << c.fault << ": " << o.err;
    EXPECT_LT(o.seconds, 5.0) << c.fault << ": " << o.err;
    EXPECT_LT(o.memoryGrowth, kMemoryBound) << c.fault << ": peak memory grew by " << (o.memoryGrowth >> 20) << " MiB";
    EXPECT_EQ(Snapshot(folder.Path()), before) << c.fault << ": a file was written, made or removed";
    // The figures, in the XML report (--gtest_output=xml).
    ::testing::Test::RecordProperty(c.fault, std::to_string(static_cast<int>(o.seconds * 1000)) + " ms (" +
                                                 std::to_string(static_cast<int>(o.processorSeconds * 1000)) +
                                                 " ms processor), peak +" + std::to_string(o.memoryGrowth >> 20) +
                                                 " MiB");
}

TEST(HostileStore, TheSampleStoreAnswersThroughTheGuards) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    const auto before = Snapshot(folder.Path());
    const Outcome o = Command({"--store", PathText(store), "en", "apple"});
    EXPECT_EQ(o.status, cli::ExitFound) << o.err;
    EXPECT_NE(o.out.find("fruit with red or green skin"), std::string::npos) << o.out;
    EXPECT_EQ(Command({"store", "check", PathText(store)}).status, cli::ExitFound);
    EXPECT_EQ(Snapshot(folder.Path()), before);
}

// The store's SQL: crash, hang, memory and files (faults 1 and 2 of the store's SQL).
TEST(HostileStore, StoredQueriesThatReachOutsideTheirTablesAreRefused) {
    const std::string fts3Table =
        "PRAGMA writable_schema = ON;"
        "INSERT INTO sqlite_master(type, name, tbl_name, rootpage, sql) "
        "VALUES ('table', 'ft', 'ft', 0, 'CREATE VIRTUAL TABLE ft USING fts3(a)');";
    const std::string tokenizer =
        SetQuery("getXfromPD", "SELECT fts3_tokenizer('simple', x'4141414141414141') AS y WHERE @x IS NOT NULL") +
        SetQuery("getXstrip", "SELECT a AS y, a AS z FROM ft WHERE ft MATCH @x") + fts3Table;
    const Case cases[] = {
        StoreCase("fts3_tokenizer with an address to call", tokenizer, {"store.dll", "fts3_tokenizer"}),
        StoreCase("store check of that store", tokenizer, {"store.dll", "fts3_tokenizer"}, {"store", "check"}),
        StoreCase("fts3_tokenizer telling an address",
                  SetQuery("getXfromPD", "SELECT fts3_tokenizer('simple') AS y WHERE @x IS NOT NULL"),
                  {"fts3_tokenizer"}),
        StoreCase("a virtual table of the store",
                  SetQuery("getXstrip", "SELECT a AS y, a AS z FROM ft WHERE ft MATCH @x") + fts3Table,
                  {"getXstrip", "ft"}),
        StoreCase("an endless recursion",
                  SetQuery("getXfromPD",
                           "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) "
                           "SELECT x AS y FROM c WHERE @x IS NOT NULL"),
                  {"getXfromPD", "recursive WITH"}),
        StoreCase("a 1 GB blob", SetQuery("getXfromPD", "SELECT zeroblob(999999999) AS y WHERE @x IS NOT NULL"),
                  {"getXfromPD", "zeroblob"}),
        StoreCase("a string built to gigabytes",
                  SetQuery("getXfromPD", "SELECT printf('%.*c', 2000000000, 'x') AS y WHERE @x IS NOT NULL"),
                  {"getXfromPD", "printf"}),
        StoreCase("another file attached", SetQuery("getXfromPD", "ATTACH 'other' || @x AS other"),
                  {"getXfromPD", "attaches"}),
        StoreCase("SQLite's own tables",
                  SetQuery("getXfromPD", "SELECT sql AS y FROM sqlite_master WHERE @x IS NOT NULL"),
                  {"getXfromPD", "not one of the store's tables"}),
        StoreCase("a pragma", SetQuery("getXfromPD", "PRAGMA quick_check"), {"getXfromPD", "PRAGMA quick_check"}),
        StoreCase("a write", SetQuery("getXfromPD", "DELETE FROM Pairs WHERE xKey = @x"), {"getXfromPD"}),
        StoreCase("a cross join that never ends",
                  Numbers("Big", 2000) +
                      SetQuery("getXfromPD",
                               "SELECT a.n AS y FROM Big a, Big b, Big c WHERE a.n + b.n + c.n < 0 AND @x IS NOT NULL"),
                  {"getXfromPD", "longer than 500 ms"}),
        StoreCase(
            "a flood of rows",
            Numbers("Big", 2000) + SetQuery("getXfromPD", "SELECT a.n AS y FROM Big a, Big b WHERE @x IS NOT NULL"),
            {"getXfromPD", "more than 100000 rows"}),
        StoreCase("rows of a megabyte",
                  "CREATE TABLE Wide(v TEXT); INSERT INTO Wide SELECT hex(zeroblob(150000)) || n FROM (" +
                      std::string("SELECT 1 AS n UNION SELECT 2 UNION SELECT 3 UNION SELECT 4);") +
                      SetQuery("getXfromPD", "SELECT a.v || b.v AS y FROM Wide a, Wide b, Wide c WHERE @x IS NOT NULL"),
                  {"getXfromPD", "more than 4 MiB"}),
        StoreCase("memory filled by a sort",
                  Numbers("Big", 100) +
                      "CREATE TABLE Wide(v TEXT); INSERT INTO Wide SELECT hex(zeroblob(500)) || n FROM Big;" +
                      SetQuery("getXfromPD", "SELECT " + Doubled("a.v", 6) +
                                                 " AS y FROM Wide a, Wide b WHERE @x IS NOT NULL ORDER BY 1"),
                  // Stopped by the heap limit, or on a machine slow to hand out memory by the
                  // time budget first (GuardedStoreTest holds a sort to the heap limit alone).
                  {"getXfromPD", "stopped"}),
        StoreCase("a query text of a megabyte",
                  SetQuery("getXfromPD", "SELECT Y AS y FROM Pairs WHERE xKey = @x " + std::string(1 << 20, ' ')),
                  {"getXfromPD"}),
        StoreCase("a write-ahead log", "PRAGMA journal_mode = WAL; CREATE TABLE Extra(a);", {"write-ahead log"}),
    };
    for (const auto& c : cases) ExpectRefused(c);
}

// Fault: a damaged page met in the middle of a lookup's rows is the error reported, not
// the failure of cleaning up after it.
TEST(HostileStore, ADamagedPageMidReadIsTheErrorReported) {
    ExpectRefused(Case{"a damaged page mid-read",
                       [](const fs::path& folder) {
                           const auto store = folder / "store.dll";
                           TempFolder scratch;
                           fs::copy_file(BuildSample(scratch), store);
                           RunSql(store, SetQuery("getXfromPD", "SELECT v AS y FROM Pages WHERE @x IS NOT NULL"));
                           testing::AddDamagedTable(store);
                           return std::vector<std::string>{"--store", PathText(store), "en", "apple"};
                       },
                       {"store.dll", "damaged"},
                       {"closed"}});
}

// Fault: --store names a file, never an SQLite URI or the in-memory database.
TEST(HostileStore, AStoreNameIsAFileName) {
    TempFolder folder;
    BuildSample(folder, "q.db");
    struct InFolder {
        fs::path before = fs::current_path();
        explicit InFolder(const fs::path& folder) { fs::current_path(folder); }
        ~InFolder() { fs::current_path(before); }
    } inFolder(folder.Path());
    for (const std::string name : {"file:q.db", "file:q.db?mode=memory", ":memory:"}) {
        const Outcome o = Command({"--store", name, "en", "apple"});
        EXPECT_EQ(o.status, cli::ExitError) << name;
        EXPECT_NE(o.err.find("Could not find file '" + name + "'"), std::string::npos) << o.err;
    }
#ifndef _WIN32  // a name with ':' is a stream, not a file, on Windows
    fs::copy_file("q.db", "file:q.db");
    const Outcome o = Command({"--store", "file:q.db", "en", "apple"});
    EXPECT_EQ(o.status, cli::ExitFound) << o.err;
#endif
    const Outcome empty = Command({"--store", "", "en", "apple"});
    EXPECT_EQ(empty.status, cli::ExitError);
    EXPECT_NE(empty.err.find("--store needs a file name"), std::string::npos) << empty.err;
    EXPECT_EQ(empty.err.find("Data Source"), std::string::npos) << empty.err;
}

// Fault: a lookup running while the store is replaced by rename (what store build does)
// reads either the old store or the new one, never the size of one and the header of the
// other.
TEST(HostileStore, AStoreReplacedDuringLookupsIsReadWholeOldOrNew) {
    TempFolder folder;
    const auto small = BuildSample(folder, "small.dll");
    const auto large = BuildSample(folder, "large.dll");
    RunSql(large, "CREATE TABLE Padding(v); INSERT INTO Padding VALUES (hex(zeroblob(300000)));");
    const auto target = folder / "store.dll";
    fs::copy_file(small, target);
    const Outcome expected = Command({"--store", PathText(target), "en", "apple"});
    ASSERT_EQ(expected.status, cli::ExitFound) << expected.err;

    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread swapper([&] {
        for (int i = 0; !stop; ++i) {
            const auto next = folder / ("next" + std::to_string(i % 2) + ".dll");
            std::error_code ec;
            fs::copy_file(i % 2 ? large : small, next, fs::copy_options::overwrite_existing, ec);
            fs::rename(next, target, ec);  // Windows refuses while the store is open: tried again
            if (!ec) ++swaps;
        }
    });
    int failures = 0;
    std::string firstFailure;
    for (int i = 0; i < 300; ++i) {
        const Outcome o = Command({"--store", PathText(target), "en", "apple"});
        if (o.status != cli::ExitFound || o.out != expected.out) {
            if (!failures++) firstFailure = o.err;
        }
    }
    stop = true;
    swapper.join();
    EXPECT_EQ(failures, 0) << firstFailure;
    EXPECT_GT(swaps, 0);
}

// store build: what it is given is never destroyed, and its input is bounded.
TEST(HostileStore, StoreBuildKeepsWhatItIsGiven) {
    const auto source = [](const fs::path& folder) {
        fs::copy_file(testing::FixtureFile("sample-store.tsv"), folder / "source.tsv");
        return PathText(folder / "source.tsv");
    };
    const auto build = [source](std::function<std::string(const fs::path&)> output) {
        return [source, output](const fs::path& folder) {
            const std::string from = source(folder);
            return std::vector<std::string>{"store", "build", from, "-o", output(folder)};
        };
    };
    std::vector<Case> cases = {
        {"output is the source",
         build([](const fs::path& f) { return PathText(f / "source.tsv"); }),
         {"source.tsv", "is the source file"}},
        {"output is the source by another name",
         build([](const fs::path& f) {
             fs::create_directory(f / "sub");
             return PathText(f / "sub" / ".." / "source.tsv");
         }),
         {"is the source file"}},
        {"output is a hard link to the source",
         build([](const fs::path& f) {
             fs::create_hard_link(f / "source.tsv", f / "link.dll");
             return PathText(f / "link.dll");
         }),
         {"link.dll", "is the source file"}},
        {"output is a folder",
         build([](const fs::path& f) {
             fs::create_directory(f / "out.dll");
             return PathText(f / "out.dll");
         }),
         {"out.dll", "is a folder"}},
        {"a folder as source",
         [](const fs::path& f) {
             fs::create_directory(f / "sources");
             return std::vector<std::string>{"store", "build", PathText(f / "sources"), "-o", PathText(f / "s.dll")};
         },
         {"sources", "is a folder, not a source file"}},
        {"a 50 MB line",
         [](const fs::path& f) {
             std::ofstream(f / "long.tsv", std::ios::binary) << "en\t" << std::string(50 << 20, 'a') << "\n";
             return std::vector<std::string>{"store", "build", PathText(f / "long.tsv"), "-o", PathText(f / "s.dll")};
         },
         {"long.tsv:1:", "longer than 65536 bytes"}},
        {"-o without a name",
         [](const fs::path& f) {
             return std::vector<std::string>{"store", "build", PathText(f), "-o", ""};
         },
         {"-o needs a file name"}},
#ifdef _WIN32  // device names: shown as no file at all, yet they would open
        {"the null device as source",
         [](const fs::path& f) {
             return std::vector<std::string>{"store", "build", "NUL", "-o", PathText(f / "s.dll")};
         },
         {"NUL", "cannot read the source file"}},
        {"the null device as output", build([](const fs::path&) { return std::string("NUL"); }), {"NUL"}},
        {"the console as store",
         [](const fs::path&) {
             return std::vector<std::string>{"--store", "CON", "en", "apple"};
         },
         {"CON"}},
#else
        {"output is a symbolic link",
         build([](const fs::path& f) {
             fs::create_symlink(f / "elsewhere.dll", f / "link.dll");
             return PathText(f / "link.dll");
         }),
         {"link.dll", "symbolic link"}},
        {"output is a pipe",
         build([](const fs::path& f) {
             mkfifo((f / "pipe.dll").c_str(), 0600);
             return PathText(f / "pipe.dll");
         }),
         {"pipe.dll", "not a regular file"}},
        {"output is a device",
         build([](const fs::path&) { return std::string("/dev/null"); }),
         {"/dev/null", "not a regular file"}},
        {"an endless device as source",
         [](const fs::path& f) {
             return std::vector<std::string>{"store", "build", "/dev/zero", "-o", PathText(f / "s.dll")};
         },
         {"/dev/zero", "not a regular file"}},
        {"a pipe as source",
         [](const fs::path& f) {
             mkfifo((f / "pipe.tsv").c_str(), 0600);
             return std::vector<std::string>{"store", "build", PathText(f / "pipe.tsv"), "-o", PathText(f / "s.dll")};
         },
         {"pipe.tsv", "not a regular file"}},
        {"a pipe as store",
         [](const fs::path& f) {
             mkfifo((f / "pipe.dll").c_str(), 0600);
             return std::vector<std::string>{"--store", PathText(f / "pipe.dll"), "en", "apple"};
         },
         {"pipe.dll", "not a regular file"}},
#endif
    };
    for (const auto& c : cases) ExpectRefused(c);
#ifndef _WIN32
    struct stat null {};
    ASSERT_EQ(stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode)) << "/dev/null is still the device";
#endif
}

// Fault: the temporary file beside the store made long names fail. Any name the folder
// accepts works, and no temporary file is left.
TEST(HostileStore, StoreBuildTakesAnyValidOutputName) {
    TempFolder folder;
    fs::copy_file(testing::FixtureFile("sample-store.tsv"), folder / "source.tsv");
    // As long as a name may be: 255 bytes natively; on Windows the whole path at most 259
    // characters.
#ifdef _WIN32
    const std::size_t length = 259 - fs::absolute(folder.Path()).native().size() - 1;
#else
    const std::size_t length = 255;
#endif
    ASSERT_GT(length, 60u);
    const auto target = folder / (std::string(length - 4, 'n') + ".dll");
    const Outcome built = Command({"store", "build", PathText(folder / "source.tsv"), "-o", PathText(target)});
    EXPECT_EQ(built.status, cli::ExitFound) << built.err;
    EXPECT_EQ(Command({"--store", PathText(target), "en", "apple"}).status, cli::ExitFound);
    auto names = folder.Names();
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected{"source.tsv", target.filename().string()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace sindhikit
