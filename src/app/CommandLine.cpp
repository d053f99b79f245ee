#include "CommandLine.h"

#include "output/ImageExport.h"
#include "recordbook/DamagedFiles.h"
#include "recordbook/FileLookup.h"
#include "recordbook/InterruptedSave.h"
#include "recordbook/RecordBook.h"
#include "recordbook/RecordBookJson.h"

#include <QFileInfo>
#include <QPageSize>

#include <algorithm>
#include <optional>

namespace {

const QString DumpOption = QStringLiteral("--dump");
const QString ExportPdfOption = QStringLiteral("--export-pdf");
const QString ExportBmpOption = QStringLiteral("--export-bmp");
const QString ExportImageOption = QStringLiteral("--export-image");
const QString ExportCsvOption = QStringLiteral("--export-csv");
const QString DpiOption = QStringLiteral("--dpi");
const QString ShareOption = QStringLiteral("--share");
const QString KindsOption = QStringLiteral("--kinds");
const QString TileOption = QStringLiteral("--tile");
const QString OverlapOption = QStringLiteral("--overlap");
const QString TextSizeOption = QStringLiteral("--text-size");
const QString HelpOption = QStringLiteral("--help");
const QString VersionOption = QStringLiteral("--version");

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

// A paper by its usual name, in any letter case ("A4", "b5", "Letter"), in portrait.
std::optional<QSizeF> paperNamed(const QString &name)
{
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const QPageSize size{QPageSize::PageSizeId(id)};
        if (size.key().compare(name, Qt::CaseInsensitive) == 0)
            return size.size(QPageSize::Millimeter);
    }
    return std::nullopt;
}

// One of the resolutions an image export offers; nothing for any other text.
std::optional<int> resolutionNamed(const QString &text)
{
    bool number = false;
    const int dpi = text.toInt(&number);
    if (number && std::find(std::begin(ImageExportResolutions), std::end(ImageExportResolutions),
                            dpi) != std::end(ImageExportResolutions))
        return dpi;
    return std::nullopt;
}

CommandLine parseExport(const QStringList &given)
{
    const bool pdf = given.first() == ExportPdfOption;
    const bool image = given.first() == ExportImageOption;
    QStringList files;
    PageKinds kinds = PageKinds::all();
    std::optional<QSizeF> sheet;
    std::optional<double> overlap;
    std::optional<int> dpi;
    bool share = false;
    TextSize textSize = TextSize::FollowsPicture;
    for (int i = 1; i < given.size(); ++i) {
        const QString &argument = given.at(i);
        if (image && argument == DpiOption) {
            dpi = i + 1 < given.size() ? resolutionNamed(given.at(++i)) : std::nullopt;
            if (!dpi)
                return refuse(QStringLiteral("--dpi には 96、150、300、600 のどれかを指定してください。"));
        } else if (image && argument == ShareOption) {
            share = true;
        } else if (pdf && argument == TileOption) {
            sheet = i + 1 < given.size() ? paperNamed(given.at(++i)) : std::nullopt;
            if (!sheet) {
                return refuse(
                    QStringLiteral("--tile には A4、B5、Letter のような用紙名を指定してください。"));
            }
        } else if (pdf && argument == OverlapOption) {
            bool number = false;
            overlap = i + 1 < given.size() ? given.at(++i).toDouble(&number) : 0;
            if (!number || !(*overlap >= 0 && *overlap <= 100)) {
                return refuse(
                    QStringLiteral("--overlap には 0 から 100 までの mm を指定してください。"));
            }
        } else if ((pdf || image) && argument == KindsOption) {
            const auto parsed = i + 1 < given.size() ? parseKinds(given.at(++i)) : std::nullopt;
            if (!parsed)
                return refuse(QStringLiteral("--kinds には dims,comments,leaders,texts から選んで"
                                             "カンマで区切って指定してください。"));
            kinds = *parsed;
        } else if ((pdf || image) && argument == TextSizeOption) {
            if (i + 1 >= given.size() || given.at(++i) != QLatin1String("own"))
                return refuse(QStringLiteral("--text-size には own を指定してください。"));
            textSize = TextSize::OwnPoints;
        } else if (argument.startsWith(u'-')) {
            return refuse(QStringLiteral("不明なオプションです: ") + argument);
        } else {
            files << argument;
        }
    }
    if (files.size() != 2 || !isRecordBook(files.at(1)))
        return refuse(given.first()
                      + QStringLiteral(" には出力ファイルと記録帳の .ini ファイルを指定してください。"));
    if (overlap && !sheet)
        return refuse(QStringLiteral("--overlap は --tile と一緒に指定してください。"));
    if (dpi && share)
        return refuse(QStringLiteral("--dpi と --share は一緒に指定できません。"));
    const CommandLine::Action action = pdf     ? CommandLine::Action::ExportPdf
                                       : image ? CommandLine::Action::ExportImage
                                               : CommandLine::Action::ExportBmp;
    CommandLine command{action, absolute(files.at(1)), {}, absolute(files.at(0)), kinds, sheet};
    command.overlapMm = overlap.value_or(DefaultOverlapMm);
    command.dotsPerInch = dpi.value_or(command.dotsPerInch);
    command.shareSize = share;
    command.textSize = textSize;
    return command;
}

CommandLine parseCatchBook(const QStringList &given)
{
    const QStringList files = given.mid(1);
    const bool allBooks = files.size() >= 2
                          && std::all_of(files.begin() + 1, files.end(), isRecordBook);
    if (!allBooks || std::any_of(files.begin(), files.end(),
                                 [](const QString &file) { return file.startsWith(u'-'); }))
        return refuse(QStringLiteral(
            "--export-csv には出力ファイルと、記録帳の .ini ファイルを 1 つ以上指定してください。"));
    CommandLine command{CommandLine::Action::ExportCsv, {}, {}, absolute(files.first())};
    for (const QString &book : files.mid(1))
        command.books << absolute(book);
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
    if (first == VersionOption)
        return {CommandLine::Action::ShowVersion, {}, {}};
    if (first == DumpOption) {
        if (given.size() != 2 || given.at(1).startsWith(u'-'))
            return refuse(QStringLiteral("--dump には記録帳の .ini ファイルを 1 つ指定してください。"));
        return {CommandLine::Action::Dump, absolute(given.at(1)), {}};
    }
    if (first == ExportPdfOption || first == ExportBmpOption || first == ExportImageOption)
        return parseExport(given);
    if (first == ExportCsvOption)
        return parseCatchBook(given);
    if (first.startsWith(u'-'))
        return refuse(QStringLiteral("不明なオプションです: ") + first);
    if (given.size() > 1)
        return refuse(QStringLiteral("開けるファイルは 1 つだけです。"));
    const auto action = isRecordBook(first) ? CommandLine::Action::OpenRecordBook
                                            : CommandLine::Action::NewFromPicture;
    return {action, absolute(first), {}};
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
    output.standardError = partlyReadLines(iniPath, loaded);
    if (const auto interrupted = findInterruptedSave(iniPath))
        output.standardError += errorLine(iniPath, interruptedSaveNote(*interrupted));
    output.standardOutput = recordBookToJson(content, &loaded);
    return output;
}

QByteArray partlyReadLines(const QString &iniPath, const RecordBookLoadResult &loaded)
{
    QByteArray lines;
    for (const ObjectFileReport *report :
         {&loaded.textFile, &loaded.lineFile, &loaded.shapeFile}) {
        if (report->ambiguous)
            lines += errorLine(iniPath, ambiguousNameText(report->name));
        if (!report->complete) {
            lines += errorLine(report->path, QStringLiteral("%1。その手前までを読み込みました。")
                                                 .arg(incompleteFileText(*report)));
        }
    }
    return lines;
}
