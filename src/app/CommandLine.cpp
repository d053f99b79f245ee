// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

using Action = CommandLine::Action;

// The actions an option goes with, as a set of bits.
constexpr unsigned bit(Action action)
{
    return 1u << unsigned(action);
}
constexpr unsigned WindowActions =
    bit(Action::Start) | bit(Action::OpenRecordBook) | bit(Action::NewFromPicture);
constexpr unsigned PageExports = bit(Action::ExportPdf) | bit(Action::ExportImage);

// What an option does with its value; false when the value is not one it takes.
using StoreValue = bool (*)(CommandLine &command, const QString &value);

// An option of the program. One that chooses the action takes the first file as its value
// ("--export-pdf=OUT.pdf"); any other takes a value, which `store` checks and keeps, when it
// has a hint for a wrong one, and else none. A new option is a row of Options below.
struct Option
{
    const char16_t *name;
    std::optional<Action> chooses;
    unsigned goesWith; // the actions it may be given with
    const char16_t *valueHint; // why a value was refused
    StoreValue store;
};

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

bool storeDpi(CommandLine &command, const QString &text)
{
    bool number = false;
    const int dpi = text.toInt(&number);
    if (!number || std::find(std::begin(ImageExportResolutions), std::end(ImageExportResolutions),
                             dpi) == std::end(ImageExportResolutions))
        return false;
    command.dotsPerInch = dpi;
    return true;
}

bool storeShare(CommandLine &command, const QString &)
{
    command.shareSize = true;
    return true;
}

bool storeTile(CommandLine &command, const QString &name)
{
    command.tileSheetMm = paperNamed(name);
    return command.tileSheetMm.has_value();
}

bool storeOverlap(CommandLine &command, const QString &text)
{
    bool number = false;
    command.overlapMm = text.toDouble(&number);
    return number && command.overlapMm >= 0 && command.overlapMm <= 100;
}

bool storeTextSize(CommandLine &command, const QString &size)
{
    command.textSize = TextSize::OwnPoints;
    return size == QLatin1String("own");
}

bool storeKinds(CommandLine &command, const QString &list)
{
    const std::optional<PageKinds> kinds = parseKinds(list);
    command.kinds = kinds.value_or(command.kinds);
    return kinds.has_value();
}

const Option Options[] = {
    {u"--help", Action::ShowUsage, 0, nullptr, nullptr},
    {u"-h", Action::ShowUsage, 0, nullptr, nullptr},
    {u"--version", Action::ShowVersion, 0, nullptr, nullptr},
    {u"--dump", Action::Dump, 0, nullptr, nullptr},
    {u"--export-pdf", Action::ExportPdf, 0, nullptr, nullptr},
    {u"--export-bmp", Action::ExportBmp, 0, nullptr, nullptr},
    {u"--export-image", Action::ExportImage, 0, nullptr, nullptr},
    {u"--export-csv", Action::ExportCsv, 0, nullptr, nullptr},
    {u"--kinds", {}, PageExports,
     u"--kinds には dims,comments,leaders,texts から選んでカンマで区切って指定してください。",
     storeKinds},
    {u"--tile", {}, bit(Action::ExportPdf),
     u"--tile には A4、B5、Letter のような用紙名を指定してください。", storeTile},
    {u"--overlap", {}, bit(Action::ExportPdf),
     u"--overlap には 0 から 100 までの mm を指定してください。", storeOverlap},
    {u"--dpi", {}, bit(Action::ExportImage),
     u"--dpi には 96、150、300、600 のどれかを指定してください。", storeDpi},
    {u"--share", {}, bit(Action::ExportImage), nullptr, storeShare},
    {u"--text-size", {}, PageExports, u"--text-size には own を指定してください。", storeTextSize},
};

// Qt's own options that the window takes, by the names Qt reads (with one dash or two): those
// that take a value, then those that take none.
const QStringList QtValueOptions = {
    QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"), QStringLiteral("-plugin"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
    QStringLiteral("-qwindowtitle"), QStringLiteral("-geometry"), QStringLiteral("-title"),
    QStringLiteral("-icon"), QStringLiteral("-display"), QStringLiteral("-name"),
    QStringLiteral("-session"), QStringLiteral("-style"), QStringLiteral("-stylesheet"),
};
const QStringList QtFlagOptions = {
    QStringLiteral("-reverse"), QStringLiteral("-widgetcount"), QStringLiteral("-sync"),
    QStringLiteral("-nograb"), QStringLiteral("-dograb"),
};

const Option *optionNamed(const QString &name)
{
    for (const Option &option : Options) {
        if (name == QStringView(option.name))
            return &option;
    }
    return nullptr;
}

QString nameOf(Action action)
{
    for (const Option &option : Options) {
        if (option.chooses == action)
            return QString::fromUtf16(option.name);
    }
    return {};
}

// Why an option may not be given with the action chosen.
QString misplaced(const QString &name, unsigned goesWith)
{
    if (goesWith == WindowActions)
        return name + QStringLiteral(" はウィンドウを開くときだけ指定できます。");
    QStringList actions;
    for (const Option &option : Options) {
        if (option.chooses && (goesWith & bit(*option.chooses)))
            actions << QString::fromUtf16(option.name);
    }
    return name + QStringLiteral(" は ") + actions.join(QStringLiteral(" か "))
           + QStringLiteral(" と一緒に指定してください。");
}

// The files of an action, checked, made absolute.
CommandLine withFiles(CommandLine command, const QStringList &files)
{
    if (files.contains(QString()))
        return refuse(QStringLiteral("ファイル名が空です。"));
    const QString option = nameOf(command.action);
    switch (command.action) {
    case Action::Start:
        if (files.size() > 1)
            return refuse(QStringLiteral("開けるファイルは 1 つだけです。"));
        if (files.size() == 1) {
            command.action = isRecordBook(files.first()) ? Action::OpenRecordBook
                                                         : Action::NewFromPicture;
            command.path = absolute(files.first());
        }
        return command;
    case Action::Dump:
        if (files.size() != 1)
            return refuse(QStringLiteral("--dump には記録帳の .ini ファイルを 1 つ指定してください。"));
        command.path = absolute(files.first());
        return command;
    case Action::ExportPdf:
    case Action::ExportBmp:
    case Action::ExportImage:
        if (files.size() != 2 || !isRecordBook(files.at(1)))
            return refuse(option + QStringLiteral(
                                       " には出力ファイルと記録帳の .ini ファイルを指定してください。"));
        command.output = absolute(files.first());
        command.path = absolute(files.at(1));
        return command;
    case Action::ExportCsv:
        if (files.size() < 2 || !std::all_of(files.begin() + 1, files.end(), isRecordBook))
            return refuse(QStringLiteral("--export-csv には出力ファイルと、記録帳の .ini ファイルを "
                                         "1 つ以上指定してください。"));
        command.output = absolute(files.first());
        for (const QString &book : files.mid(1))
            command.books << absolute(book);
        return command;
    default:
        return command;
    }
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine command;
    QStringList files;
    QStringList given;      // the options besides the action, by name
    QList<unsigned> allows; // and the actions each may go with
    bool filesOnly = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (filesOnly || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            filesOnly = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        std::optional<QString> value;
        if (equals >= 0)
            value = argument.mid(equals + 1);

        const Option *option = optionNamed(name);
        const QString qtName = name.startsWith(QLatin1String("--")) ? name.mid(1) : name;
        const bool qtValue = !option && QtValueOptions.contains(qtName);
        if (!option && !qtValue && !QtFlagOptions.contains(qtName))
            return refuse(QStringLiteral("不明なオプションです: ") + name);
        if (option && option->chooses) {
            if (command.action != Action::Start && command.action != *option->chooses)
                return refuse(nameOf(command.action) + QStringLiteral(" と ") + name
                              + QStringLiteral(" は一緒に指定できません。"));
            command.action = *option->chooses;
            if (value)
                files.prepend(*value); // "--export-pdf=OUT.pdf"
            continue;
        }
        const bool takesValue = qtValue || (option && option->valueHint);
        if (!takesValue && value)
            return refuse(name + QStringLiteral(" には値を付けられません。"));
        if (takesValue && !value && i + 1 < arguments.size())
            value = arguments.at(++i);
        given << name;
        if (option) {
            allows << option->goesWith;
            if ((takesValue && !value) || !option->store(command, value.value_or(QString())))
                return refuse(QString::fromUtf16(option->valueHint));
            continue;
        }
        if (takesValue && !value)
            return refuse(name + QStringLiteral(" には値を指定してください。"));
        allows << WindowActions;
        command.windowOptions << qtName;
        if (value)
            command.windowOptions << *value;
    }
    if (command.action == Action::ShowUsage || command.action == Action::ShowVersion)
        return command; // whatever else was given
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (!(allows.at(i) & bit(command.action)))
            return refuse(misplaced(given.at(i), allows.at(i)));
    }
    if (given.contains(QLatin1String("--overlap")) && !command.tileSheetMm)
        return refuse(QStringLiteral("--overlap は --tile と一緒に指定してください。"));
    if (given.contains(QLatin1String("--dpi")) && command.shareSize)
        return refuse(QStringLiteral("--dpi と --share は一緒に指定できません。"));
    return withFiles(std::move(command), files);
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
