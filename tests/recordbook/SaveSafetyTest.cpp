// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"
#include "app/CommandLine.h"
#include "platform/ProfileFile.h"
#include "recordbook/InterruptedCommit.h"
#include "recordbook/SaveTargets.h"
#include "recordbook/StagedFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList SurveyFiles{"survey.ini", "survey_Line.Bin", "survey_Shape.Bin",
                              "survey_Text.Bin"};

// Names sorted, as one readable line.
std::string listed(QStringList names)
{
    names.sort();
    return names.join(QStringLiteral(" ")).toStdString();
}

// Every name in the folder, hidden ones, folders and links too.
std::string namesIn(const QTemporaryDir &dir)
{
    return listed(QDir(dir.path()).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort));
}

// A folder holding the golden survey book, to save over.
class SaveOver : public ::testing::Test
{
protected:
    void SetUp() override { copyGoldenBook("survey", dir.path()); }

    std::optional<RuntimeError> save(const RecordBookContent &content) const
    {
        return subSaveRecordBook(dir.path() + '/', "survey.ini", content);
    }

    // The old book is still there byte for byte, and nothing else is.
    void expectOldBookWhole() const
    {
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  SurveyFiles);
        for (const QString &name : SurveyFiles)
            EXPECT_EQ(fileBytes(dir.filePath(name)), goldenBytes(name)) << name.toStdString();
    }

    QTemporaryDir dir;
};

struct Refusal
{
    const char *what; // expected start of the description
    void (*spoil)(RecordBookContent &);
};

class RefusedTexts : public SaveOver, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusedTexts, NothingIsWrittenAndTheObjectIsNamed)
{
    RecordBookContent book = surveyBook();
    GetParam().spoil(book);
    const std::optional<RuntimeError> error = save(book);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 5);
    EXPECT_TRUE(error->description.startsWith(QString::fromUtf8(GetParam().what)))
        << error->description.toStdString();
    expectOldBookWhole();
}

INSTANTIATE_TEST_SUITE_P(
    Writer, RefusedTexts,
    ::testing::Values(
        Refusal{"文字列 2 のキャプションに記録帳に保存できない文字「𠮷🐟」",
                [](RecordBookContent &b) {
                    b.annotations.lblMoji[2].Caption = QStringLiteral("𠮷野家の🐟");
                }},
        Refusal{"寸法 2 のラベルのコメントに記録帳に保存できない文字「ä」",
                [](RecordBookContent &b) {
                    b.annotations.lblKyori[1].ToolTipText = QStringLiteral("ä");
                }},
        Refusal{"引出線 1 のタグに改行", [](RecordBookContent &b) {
                    b.annotations.lineHikidashi[0].Tag = QStringLiteral("a\nb");
                }},
        Refusal{"寸法 2 の端点のタグ", [](RecordBookContent &b) {
                    b.annotations.shpSnpo[3].Tag = QStringLiteral("\u00e9");
                }},
        Refusal{"文字列のテンプレートのフォント名", [](RecordBookContent &b) {
                    b.annotations.lblMoji[0].FontName = QStringLiteral("Ŝans");
                }},
        Refusal{"画像ファイル名に記録帳に保存できない文字「ñ」",
                [](RecordBookContent &b) { b.pictureFileName = QStringLiteral("año.jpg"); }},
        Refusal{"画像ファイル名が長すぎます", [](RecordBookContent &b) {
                    b.pictureFileName = QString(64, QChar(u'魚')) + ".jpg";
                }},
        Refusal{"画像ファイル名が長すぎます", [](RecordBookContent &b) {
                    b.pictureFileName = QString(123, QChar(u'p')) + ".jpg"; // 127 bytes
                }},
        Refusal{"用紙サイズに改行", [](RecordBookContent &b) {
                    b.scale.GE_strPpSize = QStringLiteral("A4\r");
                }}));

TEST_F(SaveOver, AFolderInTheWayOfOneFileKeepsTheOldBook)
{
    QFile::remove(dir.filePath("survey_Line.Bin"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("survey_Line.Bin"));
    const std::optional<RuntimeError> error = save(emptyBook());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 75);
    for (const QString name : {"survey.ini", "survey_Text.Bin", "survey_Shape.Bin"})
        EXPECT_EQ(fileBytes(dir.filePath(name)), goldenBytes(name)) << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "no debris";
}

// Tests run as root, where permission bits stop no write; a file size limit does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(SaveOver, AWriteFailingHalfWayKeepsTheOldBook)
{
    RecordBookContent big = surveyBook();
    for (int i = 0; i < 200; ++i)
        big.annotations.lblMoji.CreateElement(big.annotations.lblMoji.UBound() + 1);
    std::optional<RuntimeError> error;
    {
        const FileSizeLimit limit(4096); // the .ini fits, the label file does not
        error = save(big);
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 61);
    expectOldBookWhole();
}

TEST_F(SaveOver, AnIniThatDoesNotFitIsToldAndKeepsTheOldBookAndTheOldSettings)
{
    // The object files fit, the .ini (705 bytes) does not.
    {
        const FileSizeLimit limit(500);
        const std::optional<RuntimeError> error = save(emptyBook());
        ASSERT_TRUE(error) << "a truncated .ini was reported as saved";
        EXPECT_EQ(error->number, 61);
    }
    expectOldBookWhole();

    // The settings file's own writer, the same way.
    auto settings = ProfileDocument::load(dir.filePath("survey.ini"));
    ASSERT_TRUE(settings);
    ASSERT_TRUE(settings->setValue(QStringLiteral("全般"), QStringLiteral("GE_sngHojoLen"),
                                   QStringLiteral("30")));
    {
        const FileSizeLimit limit(500);
        EXPECT_FALSE(settings->save(dir.filePath("survey.ini")));
    }
    expectOldBookWhole();
}

TEST_F(SaveOver, AMoveFailingAtAnyFilePutsBackTheOnesAlreadyReplaced)
{
    // The four files go into place one by one; the third (or any) refusing brings back all four.
    for (int moved = 0; moved < 4; ++moved) {
        StagedFiles::setFaultsForTesting({-1, moved});
        const std::optional<RuntimeError> error = save(emptyBook());
        StagedFiles::setFaultsForTesting({});
        ASSERT_TRUE(error) << moved;
        expectOldBookWhole();
    }
}

TEST_F(SaveOver, ASuccessfulSaveReplacesAllFourAndLeavesNoDebris)
{
    RecordBookContent book = emptyBook();
    book.pictureFileName = QString(122, QChar(u'p')) + ".jpg"; // 126 bytes: as long as reads back
    ASSERT_FALSE(save(book));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), SurveyFiles);
    EXPECT_EQ(fileBytes(dir.filePath("survey_Line.Bin")), goldenBytes("empty_Line.Bin"));
    RecordBookContent read;
    ASSERT_FALSE(subLoadRecordBook(dir.filePath("survey.ini"), dir.path(), read).error);
    EXPECT_EQ(read.pictureFileName, book.pictureFileName);
}

TEST_F(SaveOver, ASaveRemovesOnlyTheHiddenFilesThatKilledSavesOfThisBookLeft)
{
    const QStringList leftovers{".survey.ini.tmp1a2b", ".survey_Shape.Bin.bakffffffff",
                                "..survey.ini.saving.tmp9"};
    const QStringList others{".survey.ini.tmpxyz", ".survey.ini.tmp123456789", "survey.ini.tmp1",
                             ".other.ini.tmp1", "survey_Text.Bin.bak"};
    for (const QString &name : leftovers + others)
        writeBytes(dir.filePath(name), "x");
    QDir(dir.path()).mkdir(".survey_Text.Bin.tmp2");
    ASSERT_TRUE(QFile::link("survey.ini", dir.filePath(".survey_Line.Bin.bak3")));
    ASSERT_FALSE(save(emptyBook()));
    EXPECT_EQ(namesIn(dir), listed(SurveyFiles + others
                                   + QStringList{".survey_Text.Bin.tmp2", ".survey_Line.Bin.bak3"}));
}

TEST(SaveErrors, FolderAndNameProblems)
{
    QTemporaryDir dir;
    const RecordBookContent book = emptyBook();
    EXPECT_EQ(subSaveRecordBook(dir.filePath("missing"), "a.ini", book)->number, 76);
    EXPECT_EQ(subSaveRecordBook(dir.path(), "ini", book)->number, 5);
    QDir(dir.path()).mkdir("folder.ini");
    EXPECT_EQ(subSaveRecordBook(dir.path(), "folder.ini", book)->number, 75);
}

TEST(SaveErrors, NothingButARegularFileIsReplaced)
{
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("pipe"), dir.filePath("link")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    using Durability = StagedFiles::Durability;
    for (const Durability durability : {Durability::Synced, Durability::Unsynced}) {
        for (const char *name : {"pipe", "link", "folder"}) {
            StagedFiles files(dir.path(), durability);
            std::optional<RuntimeError> error = files.stage(name, "x");
            if (!error)
                error = files.commit();
            ASSERT_TRUE(error) << name;
            EXPECT_EQ(error->number, 75) << name;
        }
    }
    struct stat pipe;
    ASSERT_EQ(::lstat(QFile::encodeName(dir.filePath("pipe")).constData(), &pipe), 0);
    EXPECT_TRUE(S_ISFIFO(pipe.st_mode));
    EXPECT_EQ(namesIn(dir), "folder link pipe");
}

TEST(SaveErrors, SystemErrorsMapToRunTimeErrors)
{
    const std::pair<int, int> cases[] = {{ENOENT, 76}, {ENOTDIR, 76}, {EACCES, 75},
                                         {EROFS, 75},  {EISDIR, 75},  {ENOSPC, 61},
                                         {EDQUOT, 61}, {EFBIG, 61}};
    for (const auto &[error, number] : cases)
        EXPECT_EQ(RuntimeError::fromErrno(error).number, number) << error;
}

} // namespace

TEST(SaveSafety, TheDiskFillingAtAnyByteLeavesTheOldBookOrTheNewOneAndAFailureIsTold)
{
    // On a memory file system where one is at hand: a save flushes every file, and this saves
    // a few thousand times.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir dir(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/catchscale-XXXXXX")
                                                  : QString());
    RecordBookContent changed = surveyBook();
    changed.scale.GE_tpPtoD_r_X = 0.4375;
    changed.scale.GE_tpPtoD_r_Y = 0.5625;
    changed.annotations.lblMoji[1].Caption = QStringLiteral("体長：41.5cm");
    QTemporaryDir reference;
    copyGoldenBook("survey", reference.path());
    ASSERT_FALSE(subSaveRecordBook(reference.path() + '/', "survey.ini", changed));
    qint64 total = 0;
    for (const QString &name : SurveyFiles)
        total += fileBytes(reference.filePath(name)).size();

    // The four files need `total` bytes; the list of moves that goes before them needs a few
    // hundred more, at least each file's full path and its end.
    qint64 journal = 0;
    for (const QString &name : SurveyFiles)
        journal += QFileInfo(dir.path()).canonicalFilePath().size() + name.size() + 2;
    bool saved = false;
    for (qint64 budget = 0; !saved && budget <= total + 4096; ++budget) {
        for (const QString &name : SurveyFiles)
            QFile::remove(dir.filePath(name));
        copyGoldenBook("survey", dir.path());
        StagedFiles::setFaultsForTesting({budget, -1});
        const std::optional<RuntimeError> error =
            subSaveRecordBook(dir.path() + '/', "survey.ini", changed);
        StagedFiles::setFaultsForTesting({});
        ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  SurveyFiles) << budget;
        for (const QString &name : SurveyFiles) {
            const QByteArray now = fileBytes(dir.filePath(name));
            const QByteArray expected =
                error ? goldenBytes(name) : fileBytes(reference.filePath(name));
            ASSERT_EQ(now, expected) << name.toStdString() << " after " << budget << " bytes";
        }
        if (budget < total + journal) {
            ASSERT_TRUE(error) << "a save cut at " << budget << " of " << total << " + "
                               << journal << " bytes was reported as done";
        }
        if (error) {
            EXPECT_EQ(error->number, 61) << budget;
        }
        saved = !error;
    }
    EXPECT_TRUE(saved);
}

TEST(SaveSafety, ASaveThroughSymbolicLinksReplacesTheFilesTheyNameAndKeepsTheLinks)
{
    QTemporaryDir links;
    const QString real = links.filePath("real"); // inside the book's folder, where links may lead
    QDir().mkpath(real);
    copyGoldenBook("survey", real);
    for (const QString &name : SurveyFiles)
        ASSERT_TRUE(QFile::link(real + '/' + name, links.filePath(name)));
    RecordBookContent changed = surveyBook();
    changed.scale.GE_tpPtoD_r_X = 0.4375;

    // A save that fails keeps the links and the old book behind them; one that succeeds writes
    // the new book behind them.
    StagedFiles::setFaultsForTesting({-1, 2});
    EXPECT_TRUE(subSaveRecordBook(links.path() + '/', "survey.ini", changed));
    StagedFiles::setFaultsForTesting({});
    for (const QString &name : SurveyFiles) {
        EXPECT_TRUE(QFileInfo(links.filePath(name)).isSymLink()) << name.toStdString();
        EXPECT_EQ(fileBytes(real + '/' + name), goldenBytes(name)) << name.toStdString();
    }
    ASSERT_FALSE(subSaveRecordBook(links.path() + '/', "survey.ini", changed));
    for (const QString &name : SurveyFiles)
        EXPECT_TRUE(QFileInfo(links.filePath(name)).isSymLink()) << name.toStdString();
    EXPECT_NE(fileBytes(real + "/survey.ini"), goldenBytes("survey.ini"));
    RecordBookContent reread;
    ASSERT_FALSE(subLoadRecordBook(links.filePath("survey.ini"), QString(), reread).error);
    EXPECT_EQ(reread.scale.GE_tpPtoD_r_X, 0.4375);
    EXPECT_EQ(QDir(real).entryList(QDir::Files | QDir::Hidden, QDir::Name), SurveyFiles);
}

TEST(SaveSafety, EveryFileOfASaveIsOnTheDiskBeforeItIsMovedIntoPlace)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    QStringList flushed;
    int moved = 0;
    StagedFiles::setObserverForTesting([&](StagedFiles::Step step, const QString &file) {
        if (step == StagedFiles::Step::Flushed) {
            flushed << file;
        } else {
            ++moved;
            EXPECT_TRUE(flushed.contains(file)) << file.toStdString() << " moved unflushed";
        }
    });
    EXPECT_FALSE(subSaveRecordBook(dir.path() + '/', "survey.ini", surveyBook()));
    StagedFiles::setObserverForTesting({});
    EXPECT_EQ(moved, 5) << "the list of moves, then the four files";
}

namespace {

QList<QByteArray> surveyFilesIn(const QTemporaryDir &dir)
{
    QList<QByteArray> bytes;
    for (const QString &name : SurveyFiles)
        bytes << fileBytes(dir.filePath(name));
    return bytes;
}

// The survey book with a scale of its own and `leaders` more leader lines, so that its save
// takes a while.
RecordBookContent changedSurvey(int leaders)
{
    RecordBookContent book = surveyBook();
    book.scale.GE_tpPtoD_r_X = 0.4375;
    AnnotationCollection<AnnotationLine> &lines = book.annotations.lineHikidashi;
    const AnnotationLine first = lines[0];
    for (int k = 1; k <= leaders; ++k) {
        lines[k] = first;
        lines[k].X1 += float(k);
        lines.CreateElement(k + 1);
    }
    return book;
}

// What the next Open does: the dump reads the files as they are and changes nothing; what killed
// saves left goes, all but what the list of moves names; the user agrees to complete the save.
std::optional<InterruptedCommit> reopen(const QTemporaryDir &dir)
{
    const std::string names = namesIn(dir);
    const QList<QByteArray> files = surveyFilesIn(dir);
    dumpRecordBook(dir.filePath("survey.ini"), {});
    EXPECT_EQ(namesIn(dir), names);
    EXPECT_TRUE(surveyFilesIn(dir) == files) << "the dump completed the save";
    const SaveTargets targets = saveTargets(dir.path(), "survey.ini");
    removeLeftovers(targets.journal, targets.files);
    const auto interrupted = InterruptedCommit::find(targets.journal, targets.files);
    if (interrupted)
        EXPECT_FALSE(interrupted->finish());
    return interrupted;
}

} // namespace

TEST(SaveSafety, ASaveKilledAtAnyMomentLeavesTheOldBookOrTheNewOneWhole)
{
    const RecordBookContent changed = changedSurvey(3000);
    QTemporaryDir reference;
    copyGoldenBook("survey", reference.path());
    const QList<QByteArray> oldBook = surveyFilesIn(reference);
    ASSERT_FALSE(subSaveRecordBook(reference.path() + '/', "survey.ini", changed));
    const QList<QByteArray> newBook = surveyFilesIn(reference);

    // Killed at each step of moving the files into place: before the first, between any two,
    // after the last. The moves were listed first, so the next open completes them.
    for (int step = 0; step <= SurveyFiles.size(); ++step) {
        QTemporaryDir dir;
        copyGoldenBook("survey", dir.path());
        EXPECT_EXIT(
            {
                StagedFiles::setFaultsForTesting({-1, -1, step});
                subSaveRecordBook(dir.path() + '/', "survey.ini", changed);
                std::_Exit(0);
            },
            ::testing::KilledBySignal(SIGKILL), "");
        const auto interrupted = reopen(dir);
        ASSERT_TRUE(interrupted && interrupted->isOurs()) << step;
        EXPECT_EQ(interrupted->made, step) << "which version the files hold";
        EXPECT_TRUE(surveyFilesIn(dir) == newBook) << "killed at step " << step;
        EXPECT_EQ(namesIn(dir), listed(SurveyFiles)) << "the list of moves or an old version left";
    }

    // Killed from outside at moments spread over a whole save, writing included.
    QElapsedTimer clock;
    clock.start();
    ASSERT_FALSE(subSaveRecordBook(reference.path() + '/', "survey.ini", changed));
    const qint64 saveMicroseconds = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    for (int run = 0; run < 24; ++run) {
        QTemporaryDir dir;
        copyGoldenBook("survey", dir.path());
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            subSaveRecordBook(dir.path() + '/', "survey.ini", changed);
            std::_Exit(0);
        }
        ::usleep(useconds_t(saveMicroseconds * run / 20)); // the last few come after the end
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        reopen(dir);
        const QList<QByteArray> found = surveyFilesIn(dir);
        EXPECT_TRUE(found == oldBook || found == newBook) << "a mix, killed after "
                                                          << saveMicroseconds * run / 20 << " us";
        EXPECT_EQ(namesIn(dir), listed(SurveyFiles)) << "left behind, killed after "
                                             << saveMicroseconds * run / 20 << " us";
    }
}
