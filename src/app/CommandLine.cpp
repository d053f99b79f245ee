#include "CommandLine.h"

#include "recordbook/FileLookup.h"
#include "recordbook/RecordBook.h"
#include "recordbook/RecordBookJson.h"

#include <QFileInfo>

#include <optional>

namespace {

const QString DumpOption = QStringLiteral("--dump");
const QString ExportPdfOption = QStringLiteral("--export-pdf");
const QString ExportBmpOption = QStringLiteral("--export-bmp");
const QString KindsOption = QStringLiteral("--kinds");
const QString HelpOption = QStringLiteral("--help");

CommandLine refuse(const QString &why)
{
    return {CommandLine::Action::Invalid, {}, why};
}

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

bool isRecordBook(const QString &path)
{
    return path.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive);
}

QByteArray errorLine(const QString &path, const QString &text)
{
    return (QStringLiteral("catchscale: ") + path + QStringLiteral(": ") + text + u'\n')
        .toUtf8();
}

// "dims,comments,leaders,texts" in any order and number; nothing when a word is unknown.
std::optional<PageKinds> parseKinds(const QString &list)
{
    PageKinds kinds;
    for (const QString &word : list.split(u',', Qt::SkipEmptyParts)) {
        const QString kind = word.trimmed();
        if (kind == QLatin1String("dims"))
            kinds.dimensions = true;
        else if (kind == QLatin1String("comments"))
            kinds.comments = true;
        else if (kind == QLatin1String("leaders"))
            kinds.leaders = true;
        else if (kind == QLatin1String("texts"))
            kinds.texts = true;
        else
            return std::nullopt;
    }
    return kinds;
}

CommandLine parseExport(const QStringList &given)
{
    const bool pdf = given.first() == ExportPdfOption;
    QStringList files;
    PageKinds kinds = PageKinds::all();
    for (int i = 1; i < given.size(); ++i) {
        const QString &argument = given.at(i);
        if (pdf && argument == KindsOption) {
            const auto parsed = i + 1 < given.size() ? parseKinds(given.at(++i)) : std::nullopt;
            if (!parsed)
                return refuse(QStringLiteral("--kinds には dims,comments,leaders,texts から選んで"
                                             "カンマで区切って指定してください。"));
            kinds = *parsed;
        } else if (argument.startsWith(u'-')) {
            return refuse(QStringLiteral("不明なオプションです: ") + argument);
        } else {
            files << argument;
        }
    }
    if (files.size() != 2 || !isRecordBook(files.at(1)))
        return refuse(given.first()
                      + QStringLiteral(" には出力ファイルと記録帳の .ini ファイルを指定してください。"));
    CommandLine command{pdf ? CommandLine::Action::ExportPdf : CommandLine::Action::ExportBmp,
                        absolute(files.at(1)), {}, absolute(files.at(0)), kinds};
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QStringList given = arguments.mid(1);
    if (given.isEmpty())
        return {};
    const QString &first = given.first();
    if (first == HelpOption || first == QLatin1String("-h"))
        return {CommandLine::Action::ShowUsage, {}, {}};
    if (first == DumpOption) {
        if (given.size() != 2 || given.at(1).startsWith(u'-'))
            return refuse(QStringLiteral("--dump には記録帳の .ini ファイルを 1 つ指定してください。"));
        return {CommandLine::Action::Dump, absolute(given.at(1)), {}};
    }
    if (first == ExportPdfOption || first == ExportBmpOption)
        return parseExport(given);
    if (first.startsWith(u'-'))
        return refuse(QStringLiteral("不明なオプションです: ") + first);
    if (given.size() > 1)
        return refuse(QStringLiteral("開けるファイルは 1 つだけです。"));
    const auto action = isRecordBook(first) ? CommandLine::Action::OpenRecordBook
                                            : CommandLine::Action::NewFromPicture;
    return {action, absolute(first), {}};
}

QString commandLineUsage()
{
    return QStringLiteral("使い方:\n"
                          "  catchscale                   空の画面で起動します\n"
                          "  catchscale 記録帳.ini        記録帳を開きます\n"
                          "  catchscale 画像ファイル      画像から新しい記録帳を作成します\n"
                          "  catchscale --dump 記録帳.ini 記録帳の内容を JSON で出力します\n"
                          "  catchscale --export-pdf 出力.pdf 記録帳.ini [--kinds dims,comments,leaders,texts]\n"
                          "                               記録帳を実寸で PDF に印刷します\n"
                          "                               (--kinds を省くとすべての種類を印刷します)\n"
                          "  catchscale --export-bmp 出力.bmp 記録帳.ini\n"
                          "                               記録帳を実寸のビットマップに保存します\n");
}

CommandOutput dumpRecordBook(const QString &iniPath, const QString &fallbackFolder)
{
    CommandOutput output;
    RecordBookContent content;
    const RecordBookLoadResult loaded = subLoadRecordBook(iniPath, fallbackFolder, content);
    if (loaded.error) {
        output.exitStatus = UnreadableRecordBookStatus;
        output.standardError = errorLine(
            iniPath, QStringLiteral("記録帳を読み込めません。%1（ｴﾗｰ番号 %2）")
                         .arg(loaded.error->description)
                         .arg(loaded.error->number));
        return output;
    }
    for (const ObjectFileReport *report :
         {&loaded.textFile, &loaded.lineFile, &loaded.shapeFile}) {
        if (report->ambiguous)
            output.standardError += errorLine(iniPath, ambiguousNameText(report->name));
        if (!report->complete) {
            output.standardError += errorLine(
                report->path, QStringLiteral("壊れた記録があるため、その手前までを読み込みました。"));
        }
    }
    output.standardOutput = recordBookToJson(content, &loaded);
    return output;
}
