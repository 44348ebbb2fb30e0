// Window lookup through registrations in a temporary folder, with real processes for the
// copies that end or are killed while registered.

#include "platform/windowlookup.h"
#include "temp_registry.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char *mainClass = "Tzelmo_dan_MainForm";
constexpr const char *mainTitle = "ゼルモ団";

class WindowLookupTest : public ::testing::Test
{
protected:
    std::size_t registrationFiles() const
    {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto &entry : fs::directory_iterator(m_dir.path()))
            ++n;
        return n;
    }

    // Starts a child that registers the main window, reports through a pipe and then waits to
    // be killed; returns its id.
    static pid_t registeredChild()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return -1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(ready[0]);
            const platform::WindowRegistration registration(mainClass, mainTitle);
            const char byte = 1;
            if (write(ready[1], &byte, 1) != 1)
                _exit(1);
            for (;;)
                pause();
        }
        close(ready[1]);
        char byte = 0;
        const bool ok = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        return ok ? pid : -1;
    }

    TempDir m_dir;
    ScopedEnv m_env{"ZELMO_WINDOWS_DIR", m_dir.path().c_str()};
};

TEST_F(WindowLookupTest, FindsTheRegisteredWindowByClassAndTitleWhileItLives)
{
    EXPECT_FALSE(platform::FindWindow(mainClass, mainTitle));
    {
        const platform::WindowRegistration registration(mainClass, mainTitle);
        EXPECT_TRUE(platform::FindWindow(mainClass, mainTitle));
    }
    EXPECT_FALSE(platform::FindWindow(mainClass, mainTitle));
    EXPECT_EQ(registrationFiles(), 0u);
}

TEST_F(WindowLookupTest, OnlyTheSameClassWithTheSameTitleMatches)
{
    const platform::WindowRegistration dialog("TOption_Form", mainTitle);
    const platform::WindowRegistration other(mainClass, "ゼルモ団 ");
    struct Case
    {
        const char *className;
        const char *title;
    };
    for (const Case &c :
         {Case{mainClass, "ゼルモ"}, Case{mainClass, ""}, Case{mainClass, "ゼルモ団x"},
          Case{"Tzelmo_dan", mainTitle}, Case{"Tzelmo_dan_MainForm2", mainTitle},
          Case{"TOption_Form.1", mainTitle}})
        EXPECT_FALSE(platform::FindWindow(c.className, c.title)) << c.className << " " << c.title;
    EXPECT_TRUE(platform::FindWindow("TOption_Form", mainTitle));
    EXPECT_TRUE(platform::FindWindow(mainClass, "ゼルモ団 "));
}

TEST_F(WindowLookupTest, AnotherLiveProcessIsFoundAndAKilledOneBlocksNothing)
{
    const pid_t child = registeredChild();
    ASSERT_GT(child, 0);
    EXPECT_TRUE(platform::FindWindow(mainClass, mainTitle));
    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(registrationFiles(), 1u);
    EXPECT_FALSE(platform::FindWindow(mainClass, mainTitle));
    EXPECT_EQ(registrationFiles(), 0u);
}

TEST_F(WindowLookupTest, AProcessThatEndedWithoutCleaningUpBlocksNothing)
{
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Ends without running the registration's destructor, as a crash would.
        new platform::WindowRegistration(mainClass, mainTitle);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(registrationFiles(), 1u);
    EXPECT_FALSE(platform::FindWindow(mainClass, mainTitle));
    EXPECT_EQ(registrationFiles(), 0u);

    const platform::WindowRegistration next(mainClass, mainTitle);
    EXPECT_TRUE(platform::FindWindow(mainClass, mainTitle));
}

TEST_F(WindowLookupTest, AMissingFolderMeansNoWindowAndIsMadeOnRegistration)
{
    const fs::path nested = m_dir.path() / "a" / "b";
    setenv("ZELMO_WINDOWS_DIR", nested.c_str(), 1);
    EXPECT_FALSE(platform::FindWindow(mainClass, mainTitle));
    const platform::WindowRegistration registration(mainClass, mainTitle);
    EXPECT_TRUE(platform::FindWindow(mainClass, mainTitle));
    EXPECT_EQ(fs::status(nested).permissions() & fs::perms::all, fs::perms::owner_all);
}

} // namespace
