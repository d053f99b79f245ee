#include "app/SettingsFile.h"

#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace
