// The per-user settings file: its text, damaged files, and processes that
// store at the same moment or die while storing.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include "platform/posix_settings_store.h"
#include "platform/settings_text.h"
#include "tests/host/preset_test_support.h"

namespace {

class SettingsStoreTest : public PresetFolderTest {
protected:
    std::string settingsFile() const { return PosixSettingsStore(settingsFolder()).filePath(); }
};

// The store of the current user, as the plug-ins open it.
std::unique_ptr<SettingsStore> userStore() { return openUserSettingsStore(); }

TEST(SettingsText, ValuesComeBackAsTheyWereWritten) {
    SettingsValues values;
    values["CurrDir"] = {SettingsValue::Kind::kString, "/home/me/my \"presets\"\\ä€/"};
    values["Odd"] = {SettingsValue::Kind::kString, std::string("a\nb\tc\x01\x7f\xff\xc3", 8)};
    values["Empty"] = {SettingsValue::Kind::kString, ""};
    values["MemoA"] = {SettingsValue::Kind::kBinary, std::string("\x00\x21\xff\x7f", 4)};
    values["Nothing"] = {SettingsValue::Kind::kBinary, ""};
    const std::string text = formatSettingsText(values);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    SettingsValues parsed;
    ASSERT_TRUE(parseSettingsText(text, parsed)) << text;
    EXPECT_EQ(parsed, values);
    // A person reads the path as it is and the record as hexadecimal digits.
    const std::string dirLine = "CurrDir string \"/home/me/my \\\"presets\\\"\\\\ä€/\"\n";
    EXPECT_NE(text.find(dirLine), std::string::npos);
    EXPECT_NE(text.find("MemoA binary 0021ff7f\n"), std::string::npos);
}

TEST(SettingsText, DamagedTextsAreRefusedWhole) {
    const std::string good = "kavexsound-settings 1\nA string \"x\"\nB binary 00ff\nend\n";
    SettingsValues values;
    ASSERT_TRUE(parseSettingsText(good, values));
    ASSERT_EQ(values.size(), 2u);
    const char* damaged[] = {
        "",
        "kavexsound-settings 1\nA string \"x\"\nB binary 00ff\n",       // cut before the end
        "kavexsound-settings 1\nA string \"x\"\nB binary 00ff\nend",    // last line cut
        "kavexsound-settings 1\nA string \"x\"\nB binary 00f\nend\n",   // odd digits
        "kavexsound-settings 2\nA string \"x\"\nend\n",                  // other format
        "A string \"x\"\nend\n",                                         // no format line
        "kavexsound-settings 1\nA string \"x\nend\n",                    // open quote
        "kavexsound-settings 1\nA string \"x\\q\"\nend\n",               // unknown escape
        "kavexsound-settings 1\nA string \"x\\\"\nend\n",                // escaped last quote
        "kavexsound-settings 1\nA string \"x\ty\"\nend\n",               // raw control byte
        "kavexsound-settings 1\nA/B string \"x\"\nend\n",                // bad name
        "kavexsound-settings 1\nA number 12\nend\n",                     // unknown kind
        "kavexsound-settings 1\nA binary 00\nend\nB binary 01\n",        // after the end
    };
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        values["stale"] = {};
        EXPECT_FALSE(parseSettingsText(text, values));
        EXPECT_TRUE(values.empty());
    }
}

TEST_F(SettingsStoreTest, KindsNamesAndErasing) {
    auto settings = userStore();
    std::vector<uint8_t> record = {1, 2, 3};
    std::string text;
    EXPECT_FALSE(settings->getBinary("MemoA", record));
    EXPECT_EQ(record.size(), 3u);  // untouched when missing
    ASSERT_TRUE(settings->setBinary("MemoA", record.data(), record.size()));
    ASSERT_TRUE(settings->setString("CurrDir", "/x/"));
    EXPECT_FALSE(settings->setString("bad name", "x"));
    EXPECT_FALSE(settings->getString("MemoA", text));  // another kind
    std::vector<uint8_t> back;
    EXPECT_TRUE(settings->getBinary("MemoA", back));
    EXPECT_EQ(back, record);
    EXPECT_TRUE(settings->erase("MemoA"));
    EXPECT_TRUE(settings->erase("MemoA"));
    EXPECT_FALSE(settings->getBinary("MemoA", back));
    EXPECT_TRUE(settings->getString("CurrDir", text));
    EXPECT_EQ(text, "/x/");
}

TEST_F(SettingsStoreTest, DamagedFileReadsAsMissingAndTheNextStoreMendsIt) {
    auto settings = userStore();
    ASSERT_TRUE(settings->setString("CurrDir", "/kept/"));
    ASSERT_TRUE(settings->setString("CurrBank", "b.kvb"));
    std::string whole;
    {
        std::ifstream in(settingsFile(), std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string damaged[] = {whole.substr(0, whole.size() - 3), "\x89PNG\r\n\x1a\n",
                                   std::string(1000, '\0')};
    for (const std::string& text : damaged) {
        std::ofstream(settingsFile(), std::ios::binary | std::ios::trunc) << text;
        std::string value;
        EXPECT_FALSE(settings->getString("CurrDir", value));
        ASSERT_TRUE(settings->setString("CurrPreset", "p.kvx"));
        EXPECT_TRUE(settings->getString("CurrPreset", value));
        EXPECT_EQ(value, "p.kvx");
    }
    // A folder where the file should be: nothing to read, nothing written.
    std::filesystem::remove(settingsFile());
    std::filesystem::create_directory(settingsFile());
    std::string value;
    EXPECT_FALSE(settings->getString("CurrPreset", value));
    EXPECT_FALSE(settings->setString("CurrPreset", "p.kvx"));
}

// Runs `work` in a child process and returns its id; the child reports
// failure through its exit status.
template <typename Work>
pid_t inChild(Work work) {
    const pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    return child;
}

bool exitedCleanly(pid_t child) {
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SettingsStoreTest, TwoProcessesStoringAtOnceLoseNothing) {
    constexpr int kStoresEach = 40;
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    auto writer = [&](char prefix) {
        return [&, prefix] {
            char go;
            if (read(start[0], &go, 1) != 1) return false;
            auto settings = openUserSettingsStore();
            for (int i = 0; i < kStoresEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                if (!settings->setString(name, name + " value")) return false;
            }
            return true;
        };
    };
    const pid_t first = inChild(writer('A'));
    const pid_t second = inChild(writer('B'));
    ASSERT_EQ(write(start[1], "gg", 2), 2);  // both start together
    EXPECT_TRUE(exitedCleanly(first));
    EXPECT_TRUE(exitedCleanly(second));
    close(start[0]);
    close(start[1]);

    auto settings = userStore();
    for (const char prefix : {'A', 'B'})
        for (int i = 0; i < kStoresEach; ++i) {
            const std::string name = prefix + std::to_string(i);
            std::string value;
            EXPECT_TRUE(settings->getString(name, value)) << name;
            EXPECT_EQ(value, name + " value");
        }
}

// The old values, and of "Large" either none or one whole value.
void expectSoundStore(SettingsStore& settings, size_t largeBytes) {
    std::string dir;
    EXPECT_TRUE(settings.getString("CurrDir", dir));
    EXPECT_EQ(dir, "/survives/");
    std::vector<uint8_t> large;
    if (settings.getBinary("Large", large)) {
        ASSERT_EQ(large.size(), largeBytes);
        EXPECT_EQ(std::count(large.begin(), large.end(), large[0]), static_cast<long>(largeBytes));
    }
}

TEST_F(SettingsStoreTest, WriterDyingHalfWayThroughItsFileLeavesTheOldOne) {
    constexpr size_t kLargeBytes = 1u << 20;
    constexpr rlim_t kFileLimitBytes = 64u << 10;
    auto settings = userStore();
    ASSERT_TRUE(settings->setString("CurrDir", "/survives/"));
    // The system stops the writer with SIGXFSZ once it has written the
    // first part of the new file.
    const pid_t child = inChild([&] {
        const rlimit limit{kFileLimitBytes, kFileLimitBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::vector<uint8_t> large(kLargeBytes, 1);
        openUserSettingsStore()->setBinary("Large", large.data(), large.size());
        return true;
    });
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    expectSoundStore(*settings, kLargeBytes);
}

TEST_F(SettingsStoreTest, WriterKilledWhileStoringLeavesTheOldOrTheNewFile) {
    // A large value keeps each store busy long enough for the kill to land
    // in the middle of it most of the time.
    constexpr size_t kLargeBytes = 1u << 20;
    constexpr int kKills = 25;
    auto settings = userStore();
    ASSERT_TRUE(settings->setString("CurrDir", "/survives/"));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    for (int round = 0; round < kKills; ++round) {
        const pid_t child = inChild([&] {
            auto own = openUserSettingsStore();
            for (uint8_t fill = 0;; ++fill) {
                const std::vector<uint8_t> large(kLargeBytes, fill);
                own->setBinary("Large", large.data(), large.size());
            }
            return true;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        SCOPED_TRACE(round);
        expectSoundStore(*settings, kLargeBytes);
    }
}

}  // namespace
