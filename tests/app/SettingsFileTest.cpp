// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsFile.h"

#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(SettingsFile, LiesBesideTheExecutable)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/opt/tools", "/opt/tools/Init.ini"},
        {"/opt/tools/", "/opt/tools/Init.ini"},
        {"/", "/Init.ini"},
    };
    for (const auto &[folder, file] : cases) {
        EXPECT_EQ(settingsFilePath(folder, true, "/home/u/.config"), file);
        EXPECT_EQ(helpFilePath(folder), QString(file).replace("Init.ini", "help.html"));
    }
}

TEST(SettingsFile, InstalledProgramKeepsItInTheUserConfigFolder)
{
    QTemporaryDir installed;
    const QString config = QStringLiteral("/home/u/.config");
    EXPECT_EQ(settingsFilePath(installed.path(), false, config),
              "/home/u/.config/catchscale/Init.ini");

    // An Init.ini shipped or placed beside the program is still the one used.
    QFile beside(installed.filePath("Init.ini"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(settingsFilePath(installed.path(), false, config), beside.fileName());
}

// An installed program (its data folder beside bin/) keeps its settings in the user's
// configuration folder even where it may write its own folder, as root may write
// /usr/local/bin. Its guide comes from the data folder unless one lies beside it.
TEST(SettingsFile, InstalledLayoutUsesTheConfigFolderAndTheInstalledGuide)
{
    QTemporaryDir prefix;
    QTemporaryDir config;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(installedDataFolder(bin)));
    const auto touch = [](const QString &path) { return QFile(path).open(QIODevice::WriteOnly); };

    const QString besideGuide = bin + QStringLiteral("/help.html");
    const QString installedGuide = installedDataFolder(bin) + QStringLiteral("/help.html");
    EXPECT_EQ(helpFilePath(bin), besideGuide) << "no guide at all: the name the message shows";
    ASSERT_TRUE(touch(installedGuide));
    EXPECT_EQ(helpFilePath(bin), installedGuide);
    ASSERT_TRUE(touch(besideGuide));
    EXPECT_EQ(helpFilePath(bin), besideGuide);

    const QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    EXPECT_EQ(settingsFilePath(bin), config.filePath(QStringLiteral("catchscale/Init.ini")));
    EXPECT_TRUE(QFileInfo(config.filePath(QStringLiteral("catchscale"))).isDir());
    EXPECT_EQ(settingsFilePath(prefix.path()), prefix.filePath(QStringLiteral("Init.ini")))
        << "a writable folder with no data folder beside it is a build tree";
    if (oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
}

TEST(SettingsFile, LoadsBothFolders)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("Init.ini");
    EXPECT_EQ(LoadFolderSettings(file).RecordBookFolder, QString()); // no file yet

    const QString section = QStringLiteral("フォルダPath");
    ASSERT_TRUE(WriteSetting(section, "PRJ_FD", QStringLiteral("/home/u/釣果/"), file));
    const FolderSettings onlyOne = LoadFolderSettings(file);
    EXPECT_EQ(onlyOne.RecordBookFolder, QStringLiteral("/home/u/釣果/"));
    EXPECT_EQ(onlyOne.PictureFolder, QString());

    ASSERT_TRUE(WriteSetting(section, "MAP_FD", "/home/u/pictures/", file));
    EXPECT_EQ(LoadFolderSettings(file).PictureFolder, "/home/u/pictures/");
}

TEST(SettingsFile, SplitPathKeepsTheTrailingSlashOnTheFolder)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"/a/b/fish.ini", "/a/b/", "fish.ini"},
        {"fish.ini", "", "fish.ini"},
        {"/fish.ini", "/", "fish.ini"},
        {"/a/b/", "/a/b/", ""},
        {"", "", ""},
    };
    for (const auto &[path, folder, name] : cases) {
        const SplitPathResult result = SplitPath(path);
        EXPECT_EQ(result.folder, folder) << path;
        EXPECT_EQ(result.fileName, name) << path;
    }
}


// Runs `check` in a child process with a memory limit and a time limit, so that a read that
// blocks or never ends fails the test instead of hanging or exhausting the machine. The
// child's exit status is 0 when `check` held.
testing::AssertionResult holdsInTime(const std::function<bool()> &check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return testing::AssertionFailure() << "fork failed";
    if (child == 0) {
        const rlimit memory{512ul << 20, 512ul << 20};
        ::setrlimit(RLIMIT_AS, &memory);
        bool held = false;
        try {
            held = check();
        } catch (...) {
        }
        ::_exit(held ? 0 : 1);
    }
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(10);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return testing::AssertionFailure() << "still reading after 10 s";
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "child ended with status " << status;
}

TEST(SettingsFile, OnlyARegularFileIsRead)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString endless = folder.filePath("zero");
    ASSERT_TRUE(QFile::link("/dev/zero", endless));
    const QString linkToFifo = folder.filePath("link-to-fifo");
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));

    for (const QString &file : {fifo, endless, linkToFifo}) {
        // Like a missing file: empty folders, and the program starts.
        EXPECT_TRUE(holdsInTime([&] {
            const FolderSettings folders = LoadFolderSettings(file);
            return folders.RecordBookFolder.isEmpty() && folders.PictureFolder.isEmpty();
        })) << file.toStdString();
        // The folder settings dialog's write refuses it rather than replace it.
        EXPECT_TRUE(holdsInTime([&] {
            return !WriteSetting(QStringLiteral("フォルダPath"), "PRJ_FD", "/home/u/", file);
        })) << file.toStdString();
    }
}

} // namespace
