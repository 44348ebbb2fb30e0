// The save killed with SIGKILL at random moments, many times over: the hive always opens and
// passes SQLite's integrity check, every value holds one complete save's content, and the next
// load runs without an error.

#include "record_sets.h"

#include "platform/registry.h"
#include "platform/settings.h"
#include "tests/platform/temp_registry.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

using namespace zelmo;
using platform::HKEY_CURRENT_USER;
namespace reg = platform::registry;

namespace {

constexpr const char *Section = "Software\\zelmo_dan";
using Contents = std::map<std::string, reg::Value>;

Contents sectionContents()
{
    reg::Hive hive(HKEY_CURRENT_USER);
    Contents contents;
    for (const std::string &name : hive.valueNames(Section))
        contents[name] = hive.readValue(Section, name).value();
    return contents;
}

void save(const RecordStore &store)
{
    platform::TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
    store.save(ini);
}

// What a complete save of the record set writes.
Contents savedContents(int set)
{
    TempRegistry elsewhere;
    RecordStore store;
    testing_support::fillRecordSet(store, set);
    save(store);
    return sectionContents();
}

std::string integrityOf(const std::filesystem::path &file)
{
    sqlite3 *db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        result = sqlite3_step(check) == SQLITE_ROW
                     ? reinterpret_cast<const char *>(sqlite3_column_text(check, 0))
                     : sqlite3_errmsg(db);
        sqlite3_finalize(check);
    }
    sqlite3_close(db);
    return result;
}

// The helper saving in a loop, with a pipe on which it reports each complete save.
class SavingProcess
{
public:
    explicit SavingProcess(int firstSet)
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe failed");
        m_pid = fork();
        if (m_pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            const char set[] = {static_cast<char>('0' + firstSet), '\0'};
            execl(STORE_HELPER, STORE_HELPER, "save-loop", set, nullptr);
            _exit(127);
        }
        close(fds[1]);
        m_reports = fds[0];
    }
    ~SavingProcess()
    {
        close(m_reports);
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    SavingProcess(const SavingProcess &) = delete;
    SavingProcess &operator=(const SavingProcess &) = delete;

    // Waits for the next complete save; false when the helper ended instead.
    bool awaitSave()
    {
        char byte;
        return read(m_reports, &byte, 1) == 1;
    }
    // Kills it; true when SIGKILL was what ended it.
    bool killNow()
    {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t m_pid = -1;
    int m_reports = -1;
};

} // namespace

TEST(StoreKilledMidSave, EveryValueIsOneSavesAndTheHiveLoads)
{
    const Contents sets[2] = {savedContents(0), savedContents(1)};
    ASSERT_EQ(sets[0].size(), 66u);
    ASSERT_EQ(sets[1].size(), 66u);

    TempRegistry registry;
    RecordStore first;
    testing_support::fillRecordSet(first, 0);
    const auto started = std::chrono::steady_clock::now();
    save(first);
    const auto oneSave = std::chrono::steady_clock::now() - started;

    // The kill comes after 0 or 1 complete saves, somewhere in (or just after) the next one.
    std::mt19937 random(20240607);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        {
            SavingProcess saver(round % 2 == 0 ? 1 : 0);
            if (random() % 2 == 1) {
                ASSERT_TRUE(saver.awaitSave()) << "the helper ended before it was killed";
            }
            // Not a wait for something to happen: this picks the moment of the kill.
            const auto wait = oneSave * std::uniform_real_distribution<>(0.0, 1.2)(random);
            std::this_thread::sleep_for(wait);
            ASSERT_TRUE(saver.killNow()) << "the helper ended otherwise than by SIGKILL";
        }

        ASSERT_EQ(integrityOf(registry.file(HKEY_CURRENT_USER)), "ok");
        const Contents now = sectionContents();
        ASSERT_EQ(now.size(), 66u);
        for (const auto &[name, value] : now) {
            const bool old = value == sets[0].at(name), fresh = value == sets[1].at(name);
            EXPECT_TRUE(old || fresh) << name << " holds neither save's content";
        }

        RecordStore next;
        platform::TRegistryIniFile ini(HKEY_CURRENT_USER, "Software");
        EXPECT_NO_THROW(next.load(ini));
    }
}
