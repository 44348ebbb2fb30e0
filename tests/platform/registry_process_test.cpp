#include "hive_integrity.h"
#include "platform/registry.h"
#include "temp_registry.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <random>

using namespace platform;
using namespace platform::registry;

namespace {

constexpr const char *key = "Software\\zelmo_dan";

struct Child
{
    pid_t pid = -1;
    int out = -1; // the child's standard output
};

// Starts a program (the helper unless the first word is an absolute path).
Child spawn(const std::vector<std::string> &words)
{
    std::vector<std::string> args;
    if (words.empty() || words.front().front() != '/')
        args.emplace_back(REGISTRY_HELPER);
    args.insert(args.end(), words.begin(), words.end());
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::vector<char *> argv;
        for (auto &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    return Child{pid, pipeFds[0]};
}

// The exit status, or 1000 + the signal that ended the child.
int finish(Child &child)
{
    int status = 0;
    waitpid(child.pid, &status, 0);
    close(child.out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
}

std::string readAll(int fd)
{
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    return out;
}

std::pair<int, std::string> runHelper(const std::vector<std::string> &args)
{
    Child child = spawn(args);
    std::string out = readAll(child.out);
    return {finish(child), out};
}

// The round number a churned value holds; every one of its words must be that number.
std::uint32_t roundOf(const Value &v)
{
    EXPECT_EQ(v.data.size(), 65536u);
    std::vector<std::uint32_t> words(v.data.size() / 4);
    std::memcpy(words.data(), v.data.data(), words.size() * 4);
    for (auto word : words)
        if (word != words.front()) {
            ADD_FAILURE() << "a value mixes rounds " << words.front() << " and " << word;
            break;
        }
    return words.empty() ? 0 : words.front();
}

} // namespace

TEST(HiveProcesses, EachSeesTheOthersWriteAtOnce)
{
    TempRegistry reg;
    Hive hive(HKEY_CURRENT_USER);
    hive.createKey(key);
    hive.writeValue(key, "Path", stringValue("old"));
    ASSERT_EQ(hive.readValue(key, "Path"), stringValue("old"));

    EXPECT_EQ(runHelper({"write", "Path", "from the other"}).first, 0);
    EXPECT_EQ(hive.readValue(key, "Path"), stringValue("from the other"));

    hive.writeValue(key, "Path", stringValue("mine"));
    EXPECT_EQ(runHelper({"read", "Path"}), std::make_pair(0, std::string("mine")));
}

TEST(HiveProcesses, TwoWritersAtOnceBothSucceed)
{
    TempRegistry reg;
    Child a = spawn({"fill", "a", "100"});
    Child b = spawn({"fill", "b", "100"});
    EXPECT_EQ(finish(a), 0);
    EXPECT_EQ(finish(b), 0);
    Hive hive(HKEY_CURRENT_USER);
    EXPECT_EQ(hive.valueNames(key).size(), 200u);
    EXPECT_EQ(hive.readValue(key, "a99"), dwordValue(99));
    EXPECT_EQ(hive.readValue(key, "b99"), dwordValue(99));
}

TEST(HiveProcesses, AWriterKilledAtAnyMomentLeavesEveryValueOldOrNew)
{
    TempRegistry reg;
    std::mt19937 random(20240611);
    std::uint32_t committed = 0; // every value holds at least this round
    std::uint32_t next = 1;
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        Child child = spawn({"churn", std::to_string(next)});
        const int wanted = std::uniform_int_distribution(0, 2)(random);
        int done = 0;
        char byte;
        while (done < wanted && read(child.out, &byte, 1) == 1)
            ++done;
        usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        kill(child.pid, SIGKILL);
        EXPECT_EQ(finish(child), 1000 + SIGKILL);
        if (done > 0)
            committed = next + static_cast<std::uint32_t>(done) - 1;

        Hive hive(HKEY_CURRENT_USER);
        std::vector<std::uint32_t> rounds;
        for (char i = '0'; i < '8'; ++i) {
            auto v = hive.readValue(key, std::string{'v', i});
            rounds.push_back(v ? roundOf(*v) : 0);
        }
        // Round r sets v0 first and v7 last, so a round cut short leaves v0.. at r and the
        // rest at r - 1.
        for (std::size_t i = 0; i < rounds.size(); ++i) {
            EXPECT_GE(rounds[i], committed) << "v" << i << " lost a finished round";
            if (i > 0) {
                EXPECT_LE(rounds[i], rounds[i - 1]);
            }
        }
        EXPECT_LE(rounds.front() - rounds.back(), 1u);
        ASSERT_EQ(integrityCheck(reg.file(HKEY_CURRENT_USER)), "ok");
        next = rounds.front() + 1;
    }
}

TEST(HiveProcesses, AMachineHiveTheUserMayNotWriteRefusesCleanly)
{
    const std::string entry = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\zelmo_dan";
    TempRegistry reg;
    {
        Hive hive(HKEY_LOCAL_MACHINE);
        hive.createKey(entry + "\\sub");
        hive.writeValue(entry, "DisplayName", stringValue("zelmo_dan"));
    }
    const auto file = reg.file(HKEY_LOCAL_MACHINE);
    const std::string before = readFile(file);
    std::vector<std::string> args{"machine", entry};
    const bool root = geteuid() == 0;
    if (root) {
        chmod(reg.dir().c_str(), 0755);
        args.insert(args.begin(), {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup",
                                   "--clear-groups", REGISTRY_HELPER});
    } else {
        chmod(file.c_str(), 0444);
        chmod(reg.dir().c_str(), 0555);
    }
    auto [status, out] = runHelper(args);
    chmod(reg.dir().c_str(), 0700);
    if (root && (status == 126 || status == 127))
        GTEST_SKIP() << "cannot run the helper as the user nobody";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "writable=0\n"
                   "deleted=0\n"
                   "exists=1\n"
                   "existing section: 'x' の設定に失敗しました\n"
                   "new section: キー fresh の作成に失敗しました\n");
    EXPECT_EQ(readFile(file), before);
    EXPECT_TRUE(Hive(HKEY_LOCAL_MACHINE).keyExists(entry + "\\sub"));
}
