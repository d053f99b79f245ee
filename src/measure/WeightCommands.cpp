// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightCommands.h"

#include "platform/SettingsFile.h"
#include "platform/SettingsWriteFailure.h"
#include "measure/MeasuringTool.h"
#include "measure/LengthUnits.h"
#include "measure/WeightEstimate.h"
#include "measure/WeightTable.h"
#include "platform/ProfileFile.h"
#include "recordbook/CatchTemplate.h"
#include "measure/CatchWeight.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

const QString Title = QStringLiteral("重さの推定");
const QString TableFileName = QStringLiteral("weight-table.txt");
const QString Section = QStringLiteral("重さの推定");
const QString OnKeepKey = QStringLiteral("ON_KEEP");
const QString OnKeepItem = QStringLiteral("mnuWeightOnKeep");
// How many of a table's faulty lines a message lists.
constexpr qsizetype ProblemsShown = 5;

std::optional<WeightTable> loadTable(MeasuringTool &tool)
{
    const QString path = weightTablePath(tool.process.settingsFile, tool.process.executableFolder);
    std::optional<WeightTable> table = loadWeightTable(path);
    if (!table) {
        tool.platform.showOk(Title, QStringLiteral("重さの換算表を読めません。\r") + path,
                             platform::MessageIcon::Warning);
    }
    return table;
}

QString tableSummary(const WeightTable &table)
{
    QStringList names;
    for (const SpeciesWeight &species : table.species)
        names << species.names.first();
    QString text = QStringLiteral("換算表にある魚: ") + names.join(QStringLiteral("、"))
                   + QStringLiteral("\r魚は「ﾂｰﾙ→重さの推定→重さの換算表を開く」で加えられます。");
    if (!table.problems.isEmpty()) {
        text += QStringLiteral("\r換算表の次の行は読めませんでした:\r")
                + table.problems.mid(0, ProblemsShown).join(u'\r');
    }
    return text;
}

void tellUnknownSpecies(MeasuringTool &tool, const WeightTable &table)
{
    const QString species = templateEntry(tool.annotations, CatchTemplateLine::Title);
    if (tool.process.weightTitleTold == species)
        return;
    tool.process.weightTitleTold = species;
    const bool titled = templateLabel(tool.annotations, CatchTemplateLine::Title) >= 0;
    const QString why =
        !titled ? QStringLiteral("重さを推定するには、「>゜)))彡 マダイ」のように、"
                                 "「>゜)))彡」で始まる文字列に魚の名前を書いてください。")
        : species.isEmpty()
            ? QStringLiteral("重さを推定するには、「>゜)))彡」の行に魚の名前を書いてください。")
            : QStringLiteral("「%1」は重さの換算表にありません。").arg(species);
    tool.platform.showOk(Title, why + u'\r' + tableSummary(table), platform::MessageIcon::Information);
}

void chooseOnKeep(MeasuringTool &tool)
{
    tool.process.estimateWeightOnKeep = !tool.process.estimateWeightOnKeep;
    showWeightChoice(tool);
    const QString file = tool.process.settingsFile;
    const QString value = tool.process.estimateWeightOnKeep ? QStringLiteral("1") : QStringLiteral("0");
    if (!WriteSetting(Section, OnKeepKey, value, file)) {
        tool.platform.showOk(Title, choiceNotSaved(QStringLiteral("この設定"), file),
                             platform::MessageIcon::Warning);
    }
    if (tool.process.estimateWeightOnKeep) {
        tool.process.weightTitleTold.reset();
        estimateWeightAfterKeep(tool);
    }
}

// The girth as typed: centimetres, with or without "cm", in full-width characters too.
std::optional<double> typedGirthMm(const QString &typed)
{
    QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.endsWith(QStringLiteral("cm"), Qt::CaseInsensitive))
        text.chop(2);
    bool ok = false;
    const double cm = text.trimmed().toDouble(&ok);
    if (!ok || !(cm > 0) || !std::isfinite(cm))
        return std::nullopt;
    return cm * 10;
}

void estimateFromGirth(MeasuringTool &tool)
{
    AnnotationStore &objects = tool.annotations;
    if (templateLabel(objects, CatchTemplateLine::Weight) < 0) {
        tool.platform.showOk(Title, QStringLiteral("この記録帳には「重さ：」の行がありません。"
                                                   "記録帳を新しく作るときに文字列テンプレートを作成してください。"));
        return;
    }
    const QString entry = templateEntry(objects, CatchTemplateLine::Weight);
    if (!isEstimatedEntry(entry)) {
        tool.platform.showOk(Title, QStringLiteral("「重さ：」に書かれた重さ（%1）は量った重さとして残します。"
                                                   "推定を書き込むには、その行の重さを消してください。")
                                        .arg(entry));
        return;
    }
    const std::optional<KeptLength> length = longestKeptLength(objects, tool.scale);
    if (!length) {
        tool.platform.showOk(Title, QStringLiteral("胴回りの式には魚の長さが要ります。"
                                                   "先に魚の長さを測り、寸法情報を残してください。"));
        return;
    }
    const std::optional<double> old = girthInEntry(entry);
    QString initial = old ? QString::number(*old / 10, 'f', 1) : QString();
    std::optional<double> girthMm;
    for (;;) {
        const std::optional<QString> typed = tool.platform.promptText(
            Title,
            QStringLiteral("魚の長さ %1に対する胴回り（いちばん太いところ）を cm で入力してください。"
                           "空にすると胴回りからの推定を消します。")
                .arg(lengthText(length->mm, {})),
            initial);
        if (!typed)
            return;
        if (typed->trimmed().isEmpty())
            break;
        girthMm = typedGirthMm(*typed);
        if (girthMm && *girthMm <= 2 * length->mm)
            break;
        tool.platform.showOk(Title, QStringLiteral("胴回りは、魚の長さの 2 倍までの正の数（cm）で入力してください。"),
                             platform::MessageIcon::Warning);
        initial = *typed;
    }
    const std::optional<WeightTable> table = loadTable(tool);
    if (!table)
        return;
    fillWeightLine(objects, *table, tool.scale, {true, girthMm});
}

void openTable(MeasuringTool &tool)
{
    const QString path = userWeightTablePath(tool.process.settingsFile);
    if (!QFileInfo::exists(path)) {
        const QString bundled = bundledFilePath(tool.process.executableFolder, TableFileName);
        if (!QFile::copy(bundled, path)) {
            tool.platform.showOk(Title, QStringLiteral("重さの換算表を作れません。\r") + path,
                                 platform::MessageIcon::Warning);
            return;
        }
        // A copy of an installed file is read-only like its original.
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    }
    if (!tool.platform.openWithDesktop(path)) {
        tool.platform.showOk(Title, QStringLiteral("重さの換算表を開けるプログラムがありません。"
                                                   "テキストエディタで開いてください。\r")
                                        + path);
    }
}

} // namespace

QString userWeightTablePath(const QString &settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + u'/' + TableFileName;
}

QString weightTablePath(const QString &settingsFile, const QString &executableFolder)
{
    const QString own = userWeightTablePath(settingsFile);
    return QFileInfo::exists(own) ? own : bundledFilePath(executableFolder, TableFileName);
}

bool LoadWeightOnKeep(const QString &settingsFile)
{
    return ReadSetting(Section, OnKeepKey, settingsFile) == QLatin1String("1");
}

void showWeightChoice(MeasuringTool &tool)
{
    tool.menus[OnKeepItem].checked = tool.process.estimateWeightOnKeep;
}

MenuCommands weightCommands(MeasuringTool &tool)
{
    MenuCommands commands;
    commands.push_back({OnKeepItem, [&tool] { chooseOnKeep(tool); }});
    commands.push_back({QStringLiteral("mnuWeightGirth"), [&tool] { estimateFromGirth(tool); }});
    commands.push_back({QStringLiteral("mnuWeightTable"), [&tool] { openTable(tool); }});
    return commands;
}

void estimateWeightAfterKeep(MeasuringTool &tool)
{
    if (!tool.process.estimateWeightOnKeep
        || templateLabel(tool.annotations, CatchTemplateLine::Weight) < 0)
        return;
    const std::optional<WeightTable> table = loadTable(tool);
    if (table && fillWeightLine(tool.annotations, *table, tool.scale) == WeightFill::UnknownSpecies)
        tellUnknownSpecies(tool, *table);
}
