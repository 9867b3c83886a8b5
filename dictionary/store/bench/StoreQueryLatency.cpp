// store_query_latency STORE [--samples N] [--repeats R]
//
// Latency of each stored query through the data-access layer (a new Command per lookup,
// parameter created, appended and set, executed, every row's columns read by name, the
// recordset closed: the program's own call) against the same SQL prepared once directly
// on SQLite (bind, step, read the same columns as UTF-16, reset). Same store, same
// parameters, same rows, both warmed by an untimed pass, timed alternately lookup by lookup.
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Genral.h"
#include "StoreSchema.h"
#include "StoredQueries.h"
#include "Utf8.h"
#include "access/Command.h"
#include "access/DataError.h"

using namespace sindhikit;
using namespace sindhikit::dataaccess;
using Clock = std::chrono::steady_clock;

namespace {

struct QuerySpec {
    std::u16string name;
    std::u16string parameter;
    std::vector<std::u16string> columns;
    std::vector<std::u16string> values;  // the parameter values of the sample
};

std::vector<std::u16string> Sample(const Connection& connection, std::u16string_view query, std::u16string_view column,
                                   std::size_t count) {
    std::vector<std::u16string> all;
    Recordset rs;
    rs.Open(query, connection);
    for (; !rs.Eof(); rs.MoveNext())
        if (auto v = rs.Fields(column)) all.push_back(*v);
    std::vector<std::u16string> picked;
    if (all.empty()) return picked;
    const std::size_t n = std::min(count, all.size());
    for (std::size_t i = 0; i < n; ++i) picked.push_back(all[i * all.size() / n]);
    return picked;
}

std::size_t ThroughLayer(const Connection& connection, const QuerySpec& q, const std::u16string& value) {
    Command cmd;
    cmd.ActiveConnection = connection;
    cmd.CommandType = adCmdStoredProc;
    cmd.CommandText = q.name;
    cmd.Parameters().Append(cmd.CreateParameter(q.parameter, adLongVarWChar, adParamInput, 255));
    cmd.Parameters(q.parameter).Value = value;
    std::int64_t affected = 0;
    Recordset rs = cmd.Execute(affected, adOptionUnspecified);
    std::size_t units = 0;
    for (; !rs.Eof(); rs.MoveNext())
        for (const auto& column : q.columns) units += rs.Fields(column).value_or(u"").size();
    rs.Close();
    return units;
}

struct Direct {
    sqlite3_stmt* stmt = nullptr;
    int index = 0;
    std::vector<int> columns;
};

std::size_t ThroughSqlite(const Direct& d, const std::u16string& value) {
    sqlite3_bind_text16(d.stmt, d.index, value.data(), static_cast<int>(value.size() * 2), SQLITE_TRANSIENT);
    std::size_t units = 0;
    while (sqlite3_step(d.stmt) == SQLITE_ROW) {
        for (int c : d.columns) {
            const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(d.stmt, c));
            std::u16string copy =
                text ? std::u16string(text, static_cast<std::size_t>(sqlite3_column_bytes16(d.stmt, c)) / 2)
                     : std::u16string();
            units += copy.size();
        }
    }
    sqlite3_reset(d.stmt);
    return units;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
    return v[i];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: store_query_latency STORE [--samples N] [--repeats R]\n");
        return 2;
    }
    const std::string store = argv[1];
    std::size_t samples = 2000, repeats = 5;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--samples")
            samples = std::strtoul(argv[i + 1], nullptr, 10);
        else if (flag == "--repeats")
            repeats = std::strtoul(argv[i + 1], nullptr, 10);
    }
    try {
        const std::u16string path = *Utf8ToUtf16(store);
        Connection connection;
        connection.Open(StoreConnectionStringForPath(path), u"", u"");

        std::vector<std::u16string> keys;
        for (const auto& x : Sample(connection, schema::EnglishHeadwordsQueryText, u"X", samples))
            keys.push_back(EncryptText(CapitalizeFirst(DecryptText(x, CipherKeyPhrase)), CipherKeyPhrase));
        const auto sindhi = Sample(connection, schema::SindhiHeadwordsQueryText, u"Y", samples);
        const std::vector<QuerySpec> queries = {
            {std::u16string(schema::getXfromPD.name), u"@x", {u"y"}, keys},
            {std::u16string(schema::getXstrip.name), u"@x", {u"y", u"z"}, keys},
            {std::u16string(schema::getYfromPD.name), u"@Y", {u"X"}, sindhi},
        };

        sqlite3* db = nullptr;
        if (sqlite3_open_v2(store.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "store_query_latency: cannot open %s\n", store.c_str());
            return 2;
        }
        // The settings the layer's connection uses, so the comparison measures the layer alone.
        sqlite3_exec(db, "PRAGMA query_only = 1; PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
        std::printf("store %s: %zu English keys, %zu Sindhi words sampled, %zu repeats\n", store.c_str(), keys.size(),
                    sindhi.size(), repeats);
        std::printf("%-11s %9s %9s %6s %9s %9s %6s %6s\n", "query", "layer p50", "sqlite p50", "ratio", "layer p99",
                    "sqlite p99", "ratio", "hits");
        bool allWithin = true;
        for (const auto& q : queries) {
            // The same SQL text the layer runs, read from the store's own table.
            sqlite3_stmt* lookup = nullptr;
            sqlite3_prepare_v2(db, "SELECT SQL FROM StoredQueries WHERE Name = ?1", -1, &lookup, nullptr);
            const std::string name = Utf16ToUtf8(q.name);
            sqlite3_bind_text(lookup, 1, name.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(lookup) != SQLITE_ROW) throw std::runtime_error("no stored query " + name);
            const std::string sql = reinterpret_cast<const char*>(sqlite3_column_text(lookup, 0));
            sqlite3_finalize(lookup);
            Direct d;
            if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &d.stmt, nullptr) != SQLITE_OK)
                throw std::runtime_error(sqlite3_errmsg(db));
            d.index = sqlite3_bind_parameter_index(d.stmt, Utf16ToUtf8(q.parameter).c_str());
            for (const auto& column : q.columns)
                for (int c = 0; c < sqlite3_column_count(d.stmt); ++c)
                    if (sqlite3_stricmp(sqlite3_column_name(d.stmt, c), Utf16ToUtf8(column).c_str()) == 0)
                        d.columns.push_back(c);

            std::size_t rows = 0;
            for (const auto& v : q.values) {  // warm-up, and both paths must read the same text
                const std::size_t a = ThroughLayer(connection, q, v), b = ThroughSqlite(d, v);
                if (a != b) throw std::runtime_error("the two paths disagree on " + name);
                rows += a > 0;
            }
            std::vector<double> layer, direct;
            for (std::size_t r = 0; r < repeats; ++r) {
                for (const auto& v : q.values) {
                    auto t0 = Clock::now();
                    ThroughLayer(connection, q, v);
                    auto t1 = Clock::now();
                    ThroughSqlite(d, v);
                    auto t2 = Clock::now();
                    layer.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
                    direct.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
                }
            }
            sqlite3_finalize(d.stmt);
            if (layer.empty()) continue;
            const double l50 = Percentile(layer, 0.50), d50 = Percentile(direct, 0.50);
            const double l99 = Percentile(layer, 0.99), d99 = Percentile(direct, 0.99);
            allWithin = allWithin && l50 <= 1.5 * d50 && l99 <= 1.5 * d99;
            std::printf("%-11s %7.2fus %8.2fus %5.2fx %7.2fus %8.2fus %5.2fx %5.0f%%\n", name.c_str(), l50, d50,
                        l50 / d50, l99, d99, l99 / d99,
                        100.0 * static_cast<double>(rows) / static_cast<double>(q.values.size()));
        }
        sqlite3_close(db);
        std::printf("goal (layer within 1.5x of direct SQLite at p50 and p99): %s\n", allWithin ? "met" : "NOT met");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "store_query_latency: %s\n", e.what());
        return 2;
    }
}
