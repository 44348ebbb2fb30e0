#include "installation.h"

#include "platform/registry.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
using namespace testing_support;

namespace {
constexpr uid_t nobody = 65534;

void giveTo(const fs::path &path, uid_t user)
{
    ASSERT_EQ(lchown(path.c_str(), user, user), 0) << path;
}
} // namespace

// The uninstall entry lies in a hive the user may read but not write: the removal of everything
// else goes through, the entry stays, and no message is shown.
TEST(UnprivilegedUser, UninstallEntryStaysWithoutAMessage)
{
    if (geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "needs root and setpriv to run the uninstaller as another user";
    TempEnvironment environment;
    install(environment.root());
    fs::permissions(environment.root(), fs::perms::owner_all | fs::perms::group_read |
                                            fs::perms::group_exec | fs::perms::others_read |
                                            fs::perms::others_exec);
    for (const auto &entry : fs::recursive_directory_iterator(environment.root()))
        giveTo(entry.path(), nobody);
    giveTo(environment.root(), 0);
    const fs::path machineHive = platform::registry::hivePath(platform::HKEY_LOCAL_MACHINE);
    giveTo(machineHive, 0);
    fs::permissions(machineHive, fs::perms::owner_read | fs::perms::owner_write |
                                     fs::perms::group_read | fs::perms::others_read);

    const std::string command = "setpriv --reuid=65534 --regid=65534 --clear-groups '" +
                                std::string(UNZELMO_TEST_HELPER) + "' remove";
    const int status = std::system(command.c_str());

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "0: completed without a message; 3: a message was shown";
    const Presence after = presence(environment.root());
    EXPECT_EQ(after, (Presence{false, false, false, false, true, true})) << describe(after);
    platform::registry::Hive machine(platform::HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(machine.keyExists(std::string(uninstallKey) + "\\Details\\Deep"));
}
