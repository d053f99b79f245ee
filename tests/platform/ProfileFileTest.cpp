// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray cp932Bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// "フォルダPath" as code page 932 bytes.
const QByteArray folderSection = cp932Bytes("8374 8348 838b 835f") + "Path";

class ProfileFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("Init.ini")) const
    {
        return m_folder.filePath(name);
    }

    void writeBytes(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private:
    QTemporaryDir m_folder;
};

struct ReadCase
{
    const char *name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;
};

class ReadSettingCase : public ProfileFileTest, public ::testing::WithParamInterface<ReadCase>
{
};

TEST_P(ReadSettingCase, ReadsWhatWindowsWouldRead)
{
    writeBytes(GetParam().file);
    EXPECT_EQ(ReadSetting(GetParam().section, GetParam().key, path()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadSettingCase,
    ::testing::Values(
        ReadCase{"EmptyValue", "[S]\r\nPRJ_FD=\r\n", "S", "PRJ_FD", ""},
        ReadCase{"LineFeedOnly", "[S]\na=1\nb=2\n", "S", "b", "2"},
        ReadCase{"NamesIgnoreAsciiCase", "[Folder]\r\nprj_fd=x\r\n", "FOLDER", "PRJ_FD", "x"},
        ReadCase{"BlanksAroundNamesAndValue", " [ S ] \r\n\t k \t= a b \r\n", "S", "k", "a b"},
        ReadCase{"OnePairOfQuotesDropped", "[S]\r\nk=\"\"a b\"\"\r\n", "S", "k", "\"a b\""},
        ReadCase{"SingleQuotesToo", "[S]\r\nk='a'\r\n", "S", "k", "a"},
        ReadCase{"UnmatchedQuoteKept", "[S]\r\nk=\"a b\r\n", "S", "k", "\"a b"},
        ReadCase{"CommentIsNoKey", "[S]\r\n;k=1\r\n\r\nk=2\r\n", "S", "k", "2"},
        ReadCase{"KeyOfAnotherSection", "[S]\r\na=1\r\n[T]\r\nk=2\r\n", "S", "k", ""},
        ReadCase{"KeyBeforeAnySection", "k=1\r\n[S]\r\n", "S", "k", ""},
        ReadCase{"FirstOfTwoKeys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
        ReadCase{"CutAtNul", QByteArray("[S]\r\nk=ab\0cd\r\n", 14), "S", "k", "ab"},
        ReadCase{"JapaneseSection", "[" + folderSection + "]\r\nMAP_FD=" + cp932Bytes("955c")
                                        + "\\\r\n",
                 QStringLiteral("フォルダPath"), "MAP_FD", QStringLiteral("表\\")},
        ReadCase{"AsciiCut", "[S]\r\nk=" + QByteArray(200, 'x'), "S", "k", QString(126, u'x')},
        // 125 bytes, then ア: the character that would cross byte 126 is dropped whole.
        ReadCase{"DoubleByteCut", "[S]\r\nk=" + QByteArray(125, 'a') + cp932Bytes("8341"), "S",
                 "k", QString(125, u'a')},
        ReadCase{"DoubleByteFits", "[S]\r\nk=" + QByteArray(124, 'a') + cp932Bytes("8341"), "S",
                 "k", QString(124, u'a') + u'ア'}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, MissingFileReadsEmpty)
{
    EXPECT_EQ(ReadSetting("S", "k", path()), QString());
}

TEST_F(ProfileFileTest, MissingFileIsCreatedWithCrLfAndCp932Names)
{
    ASSERT_TRUE(WriteSetting(QStringLiteral("フォルダPath"), "PRJ_FD", "/home/a/", path()));
    EXPECT_EQ(readBytes(), "[" + folderSection + "]\r\nPRJ_FD=/home/a/\r\n");
    EXPECT_EQ(ReadSetting(QStringLiteral("フォルダPath"), "PRJ_FD", path()), "/home/a/");
}

struct WriteCase
{
    const char *name;
    QByteArray before;
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

class WriteSettingCase : public ProfileFileTest, public ::testing::WithParamInterface<WriteCase>
{
};

TEST_P(WriteSettingCase, ChangesOnlyTheOneKey)
{
    const WriteCase &c = GetParam();
    writeBytes(c.before);
    ASSERT_TRUE(WriteSetting(c.section, c.key, c.value, path()));
    EXPECT_EQ(readBytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteSettingCase,
    ::testing::Values(
        WriteCase{"ReplacesInPlaceKeepingTheRest", "; note\n[A]\nk = 1\n\n[B]\nx=2\n", "A", "k",
                  "22", "; note\n[A]\nk =22\n\n[B]\nx=2\n"},
        WriteCase{"ReplacesWhateverTheCase", "[a]\r\nKEY=1\r\n", "A", "key", "2",
                  "[a]\r\nKEY=2\r\n"},
        WriteCase{"AppendsKeyBeforeBlankLines", "[A]\r\nk=1\r\n;c\r\n\r\n[B]\r\n", "A", "n", "5",
                  "[A]\r\nk=1\r\n;c\r\nn=5\r\n\r\n[B]\r\n"},
        WriteCase{"AppendsKeyToEmptySection", "[A]\r\n[B]\r\n", "A", "n", "5",
                  "[A]\r\nn=5\r\n[B]\r\n"},
        // Like the Windows writer: the new section follows the last line, no blank line between.
        WriteCase{"AppendsSectionAtTheEnd", "[A]\r\nk=1\r\n", "B", "x", "2",
                  "[A]\r\nk=1\r\n[B]\r\nx=2\r\n"},
        WriteCase{"EndsAnUnterminatedLastLine", "[A]\r\nk=1", "A", "n", "5",
                  "[A]\r\nk=1\r\nn=5\r\n"},
        WriteCase{"OnlyTheFirstSectionOfAName", "[A]\r\n[B]\r\n[A]\r\nk=1\r\n", "A", "k", "2",
                  "[A]\r\nk=2\r\n[B]\r\n[A]\r\nk=1\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

struct RefusedCase
{
    const char *name;
    QString section;
    QString key;
    QString value;
};

class RefusedWrite : public ProfileFileTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedWrite, LeavesTheFileAsItWas)
{
    const QByteArray before = "[S]\r\nk=old\r\n";
    writeBytes(before);
    EXPECT_FALSE(WriteSetting(GetParam().section, GetParam().key, GetParam().value, path()));
    EXPECT_EQ(readBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedWrite,
    ::testing::Values(RefusedCase{"EmptyValueNeverClearsAKey", "S", "k", ""},
                      RefusedCase{"EmptyKey", "S", "", "v"},
                      RefusedCase{"EmptySection", "", "k", "v"},
                      RefusedCase{"ValueOutsideTheCodePage", "S", "k", QStringLiteral("a😀")},
                      RefusedCase{"KeyOutsideTheCodePage", "S", QStringLiteral("€"), "v"},
                      RefusedCase{"LineBreakWouldAddALine", "S", "k", "a\r\nx=1"},
                      RefusedCase{"EqualsSignInKey", "S", "a=b", "v"},
                      RefusedCase{"BracketInSection", "S]x", "k", "v"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, RemovingAKeyTakesItsLinesOutOfItsSectionOnly)
{
    writeBytes("[A]\r\nk=1\r\nx=2\r\nK =3\r\n\r\n[B]\r\nk=4\r\n[A]\r\nk=5\r\n");
    ASSERT_TRUE(RemoveSetting("a", "k", path()));
    const QByteArray removed = "[A]\r\nx=2\r\n\r\n[B]\r\nk=4\r\n[A]\r\nk=5\r\n";
    EXPECT_EQ(readBytes(), removed);
    EXPECT_EQ(ReadSetting("A", "k", path()), QString()) << "the second line went too";
    // Nothing to remove: the file is not touched, a missing one not made.
    EXPECT_TRUE(RemoveSetting("A", "k", path()));
    EXPECT_TRUE(RemoveSetting("C", "k", path()));
    EXPECT_EQ(readBytes(), removed);
    EXPECT_TRUE(RemoveSetting("A", "k", path("none.ini")));
    EXPECT_FALSE(QFileInfo::exists(path("none.ini")));
    // The index follows: a new key still goes at the end of its section.
    auto document = ProfileDocument::load(path());
    ASSERT_TRUE(document && document->removeKey("A", "x") && document->setValue("A", "n", "6"));
    EXPECT_EQ(document->bytes(), "[A]\r\nn=6\r\n\r\n[B]\r\nk=4\r\n[A]\r\nk=5\r\n");

    ASSERT_TRUE(QDir(path("folder.ini")).mkpath("."));
    EXPECT_FALSE(RemoveSetting("A", "k", path("folder.ini")));
}

TEST_F(ProfileFileTest, UnwritableFolderReportsFailure)
{
    // A path below a regular file can never be created, whoever runs the test.
    writeBytes("x");
    EXPECT_FALSE(WriteSetting("S", "k", "v", path() + "/Init.ini"));
    EXPECT_FALSE(WriteSetting("S", "k", "v", path("missing/Init.ini")));
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverReplaced)
{
    ASSERT_TRUE(QDir(path()).mkpath("."));
    EXPECT_FALSE(ProfileDocument::load(path()).has_value());
    EXPECT_FALSE(WriteSetting("S", "k", "v", path()));
    EXPECT_EQ(ReadSetting("S", "k", path()), QString());
}

TEST_F(ProfileFileTest, DocumentGathersKeysOfASectionAndSavesOnce)
{
    auto document = ProfileDocument::load(path());
    ASSERT_TRUE(document.has_value());
    EXPECT_TRUE(document->setValue("A", "first", "1"));
    EXPECT_TRUE(document->setValue("B", "other", "2"));
    EXPECT_TRUE(document->setValue("A", "second", "3"));
    EXPECT_EQ(document->value("a", "SECOND"), "3");
    EXPECT_EQ(readBytes(), "<missing>");

    ASSERT_TRUE(document->save(path()));
    EXPECT_EQ(readBytes(), "[A]\r\nfirst=1\r\nsecond=3\r\n[B]\r\nother=2\r\n");
    // Nothing of the temporary file is left beside it.
    EXPECT_EQ(QFileInfo(path()).dir().entryList(QDir::Files), QStringList{"Init.ini"});
}


TEST_F(ProfileFileTest, ReadsUpToTheSizeLimit)
{
    const QByteArray head = "[S]\r\nk=v\r\n;";
    const std::pair<qsizetype, bool> cases[] = {
        {ProfileDocument::MaxFileBytes, true},
        {ProfileDocument::MaxFileBytes + 1, false},
    };
    for (const auto &[size, loads] : cases) {
        writeBytes(head + QByteArray(size - head.size(), 'x'));
        const auto document = ProfileDocument::load(path());
        ASSERT_EQ(document.has_value(), loads) << size;
        EXPECT_EQ(ReadSetting("S", "k", path()), loads ? "v" : "") << size;
        // A file too long to read whole is never replaced by what was read of it.
        EXPECT_EQ(WriteSetting("S", "k", "w", path()), loads) << size;
        EXPECT_EQ(readBytes().size(), size);
    }
}

TEST_F(ProfileFileTest, LookUpsUseTheIndexNotTheLines)
{
    // 50,000 short lines in 33 sections: a scan per look-up would take every line apart 33 times.
    QByteArray bytes;
    qsizetype lines = 0;
    for (int section = 0; section < 33; ++section) {
        bytes += "[S" + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 1514; ++key)
            bytes += "k" + QByteArray::number(key) + "=" + QByteArray::number(section) + "\r\n";
        lines += 1515;
    }
    ASSERT_LE(bytes.size(), ProfileDocument::MaxFileBytes);
    writeBytes(bytes);
    const auto document = ProfileDocument::load(path());
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->linesParsed(), lines);
    for (int section = 0; section < 33; ++section)
        EXPECT_EQ(document->value("s" + QString::number(section), "K1513"),
                  QString::number(section));
    EXPECT_EQ(document->value("S0", "missing"), QString());
    EXPECT_EQ(document->linesParsed(), lines + 33);
}

TEST_F(ProfileFileTest, IndexFollowsInsertedLines)
{
    writeBytes("[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n[A]\r\nx=9\r\n");
    auto document = ProfileDocument::load(path());
    ASSERT_TRUE(document.has_value());
    const std::tuple<const char *, const char *, const char *> writes[] = {
        {"A", "n", "2"}, {"B", "m", "3"}, {"C", "c", "4"}, {"A", "a", "5"}, {"B", "b", "6"},
        {"A", "n", "7"}, {"C", "d", "8"}, {"a", "X", "1"}, {"D", "e", "9"}, {"C", "f", "10"},
    };
    for (const auto &[section, key, value] : writes)
        ASSERT_TRUE(document->setValue(section, key, value)) << section << key;
    EXPECT_EQ(document->bytes(), "[A]\r\na=5\r\nn=7\r\nX=1\r\n\r\n[B]\r\nb=6\r\nm=3\r\n"
                                 "[A]\r\nx=9\r\n[C]\r\nc=4\r\nd=8\r\nf=10\r\n[D]\r\ne=9\r\n");
    const std::tuple<const char *, const char *, const char *> reads[] = {
        {"A", "a", "5"}, {"A", "n", "7"}, {"A", "x", "1"}, {"B", "b", "6"},
        {"B", "m", "3"}, {"C", "c", "4"}, {"C", "d", "8"}, {"C", "f", "10"}, {"D", "e", "9"},
    };
    for (const auto &[section, key, value] : reads)
        EXPECT_EQ(document->value(section, key), value) << section << key;
}

} // namespace
