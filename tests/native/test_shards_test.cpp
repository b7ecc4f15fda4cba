// The dealing of Windows tests to shards (scripts/lib/shards.sh), run by bash as wine-ctest runs it:
// every test lands in exactly one shard, by its measured cost, and the shards end close together.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "unit/test_files.h"

namespace {
namespace fs = std::filesystem;
using test_files::ReadText;

const fs::path kShardsScript = fs::path(TEST_DATA_DIR) / ".." / ".." / "scripts" / "lib" / "shards.sh";

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

// Runs a function of shards.sh in bash; returns what it printed (empty and a failure on error).
std::string RunShardsFunction(const std::string& call) {
    const std::string command = "bash -c 'source \"" + kShardsScript.string() + "\" && " + call + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string out;
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    EXPECT_EQ(pclose(pipe), 0) << command << "\n" << out;
    return out;
}

// The test positions (1-based lines of the list) of one shard's ctest -I file.
std::vector<int> ShardPositions(const fs::path& file) {
    std::string text = ReadText(file);
    std::vector<int> positions;
    std::stringstream fields(text);
    std::string field;
    for (int index = 0; std::getline(fields, field, ','); ++index) {
        if (index < 3) {
            EXPECT_EQ(std::stoi(field), 0) << "the range part of " << file << " must select nothing";
            continue;
        }
        positions.push_back(std::stoi(field));
    }
    return positions;
}

class TestShards : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("test-shards-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Deals `names` with the given cost tables (earlier wins) and returns each shard's positions.
    std::vector<std::vector<int>> Deal(const std::vector<std::string>& names, int shards,
                                       const std::vector<std::string>& tables) {
        std::string list;
        for (const auto& name : names) list += name + "\n";
        WriteText(dir_ / "list", list);
        std::string call = "tweak_shard_deal \"" + (dir_ / "list").string() + "\" " + std::to_string(shards) + " \"" +
                           (dir_ / "shard").string() + "\"";
        for (size_t i = 0; i < tables.size(); ++i) {
            const fs::path table = dir_ / ("costs" + std::to_string(i));
            WriteText(table, tables[i]);
            call += " \"" + table.string() + "\"";
        }
        call += " \"" + (dir_ / "no-such-table").string() + "\"";  // a tree without history
        summary_ = RunShardsFunction(call);
        std::vector<std::vector<int>> dealt;
        for (int k = 1; k <= shards; ++k)
            dealt.push_back(ShardPositions(dir_ / ("shard-" + std::to_string(k) + ".tests")));
        return dealt;
    }

    fs::path dir_;
    std::string summary_;
};

TEST_F(TestShards, EveryTestLandsOnceAndTheShardsEndTogether) {
    // Many cheap tests and a few long ones that once all fell into the same shard.
    std::mt19937 random(7);
    std::vector<std::string> names;
    std::map<std::string, double> cost;
    std::string table;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "Suite" + std::to_string(i % 17) + ".Case" + std::to_string(i);
        const double seconds = (i % 50 == 0) ? 20.0 + i % 7 : 0.05 + (random() % 100) / 100.0;
        names.push_back(name);
        cost[name] = seconds;
        table += name + " 3 " + std::to_string(seconds) + "\n";
    }
    table += "---\nSuite1.Case1\n";

    for (const int shards : {1, 2, 3, 5}) {
        SCOPED_TRACE("shards: " + std::to_string(shards));
        const auto dealt = Deal(names, shards, {table});
        std::vector<int> seen;
        std::vector<double> load;
        for (const auto& shard : dealt) {
            double sum = 0;
            for (const int position : shard) {
                ASSERT_GE(position, 1);
                ASSERT_LE(position, static_cast<int>(names.size()));
                sum += cost[names[position - 1]];
                seen.push_back(position);
            }
            load.push_back(sum);
        }
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(names.size());
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(seen, all);
        const double longest =
            std::max_element(cost.begin(), cost.end(), [](auto& a, auto& b) { return a.second < b.second; })->second;
        const auto [least, most] = std::minmax_element(load.begin(), load.end());
        EXPECT_LE(*most - *least, longest) << summary_;
        EXPECT_NE(summary_.find("shard " + std::to_string(shards) + ": "), std::string::npos) << summary_;
    }
}

TEST_F(TestShards, MissingCostsComeFromTheCommittedTableThenTheSuiteThenTheMedian) {
    // History knows Slow.a and Quick.*; the committed table knows Table.t (and an older Slow.a);
    // Slow.b has no cost anywhere but a suite; Lonely.x has neither.
    const std::vector<std::string> names = {"Slow.a", "Slow.b", "Quick.a", "Quick.b", "Quick.c", "Table.t", "Lonely.x"};
    const std::string history = "Slow.a 1 30\nQuick.a 1 1\nQuick.b 1 1\nQuick.c 1 3\n---\n";
    const std::string committed = "Slow.a 1 0.1\nTable.t 1 12\n---\n";
    const auto dealt = Deal(names, 3, {history, committed});
    std::map<int, int> shard_of;
    for (size_t k = 0; k < dealt.size(); ++k)
        for (const int position : dealt[k]) shard_of[position] = static_cast<int>(k);
    ASSERT_EQ(shard_of.size(), names.size());
    // Slow.a (30 s, history wins) and Slow.b (30 s, its suite's mean) each fill a shard alone;
    // everything else (12 + 1 + 1 + 3 + the median 3) shares the third.
    EXPECT_NE(shard_of[1], shard_of[2]);
    for (int position = 3; position <= 7; ++position) {
        EXPECT_NE(shard_of[position], shard_of[1]) << names[position - 1];
        EXPECT_NE(shard_of[position], shard_of[2]) << names[position - 1];
    }
    EXPECT_NE(summary_.find("30.0 s expected"), std::string::npos) << summary_;
    EXPECT_NE(summary_.find("5 tests, 20.0 s expected"), std::string::npos) << summary_;
}

TEST_F(TestShards, CostsAreReadBackFromTheShardLogsAndMergedWithHistory) {
    WriteText(dir_ / "shard-1.log",
              "Test project /x\n"
              "      Start  3: Foo.Bar\n"
              "  1/3 Test  #3: Foo.Bar ..........................   Passed    0.31 sec\n"
              "  2/3 Test  #5: Foo.Baz ..........................***Failed    0.01 sec\n"
              "  3/3 Test #16: Param/Foo.X/0 ....................***Timeout 120.02 sec\n");
    WriteText(dir_ / "shard-2.log", "  1/1 Test  #7: Other.Skip .......................***Skipped   0.05 sec\n");
    const std::string table = RunShardsFunction("tweak_cost_table_from_logs \"" + (dir_ / "shard-1.log").string() +
                                                "\" \"" + (dir_ / "shard-2.log").string() + "\"");
    EXPECT_EQ(table,
              "Foo.Bar 1 0.31\nFoo.Baz 1 0.01\nParam/Foo.X/0 1 120.02\nOther.Skip 1 0.05\n"
              "---\nFoo.Baz\nParam/Foo.X/0\n");

    WriteText(dir_ / "new", table);
    WriteText(dir_ / "old", "Foo.Bar 4 9.5\nGone.Test 2 1.5\n---\nGone.Test\n");
    const std::string merged = RunShardsFunction("tweak_cost_table_merge \"" + (dir_ / "new").string() + "\" \"" +
                                                 (dir_ / "old").string() + "\"");
    EXPECT_EQ(merged,
              "Foo.Bar 1 0.31\nFoo.Baz 1 0.01\nParam/Foo.X/0 1 120.02\nOther.Skip 1 0.05\nGone.Test 2 1.5\n"
              "---\nFoo.Baz\nParam/Foo.X/0\n");
}

}  // namespace
