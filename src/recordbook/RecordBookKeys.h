// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/ScaleValues.h"

#include <QString>

// Sections and keys of the record book's .ini file. The scale values are stored under their own
// names, so these texts are part of the file format.
namespace recordbookkeys {

inline const QString SectionVersion = QStringLiteral("バージョン情報");
inline const QString SectionFiles = QStringLiteral("データファイル名");
inline const QString SectionGeneral = QStringLiteral("全般");
inline const QString SectionTilt = QStringLiteral("傾き補正");
inline const QString SectionKnownDistance = QStringLiteral("既知距離");
// Written only for a print area the user drew; older readers skip the section.
inline const QString SectionPrintArea = QStringLiteral("印刷範囲");

inline const QString KeyVersion = QStringLiteral("Ver");
inline const QString KeyProduct = QStringLiteral("Prj");
inline const QString KeyPicture = QStringLiteral("fMei_MapImage");
inline const QString KeyTextFile = QStringLiteral("Text_Bin");
inline const QString KeyLineFile = QStringLiteral("Line_Bin");
inline const QString KeyShapeFile = QStringLiteral("Shape_Bin");
inline const QString KeyPrintAreaLeft = QStringLiteral("shpPrint.Left");
inline const QString KeyPrintAreaTop = QStringLiteral("shpPrint.Top");
inline const QString KeyPrintAreaWidth = QStringLiteral("shpPrint.Width");
inline const QString KeyPrintAreaHeight = QStringLiteral("shpPrint.Height");

inline const QString TextFileSuffix = QStringLiteral("_Text.Bin");
inline const QString LineFileSuffix = QStringLiteral("_Line.Bin");
inline const QString ShapeFileSuffix = QStringLiteral("_Shape.Bin");

// The object files are named after the .ini file without its last four characters (".ini").
inline QString baseName(const QString &iniFileName)
{
    return iniFileName.left(iniFileName.size() - 4);
}

// Calls visit(section, key, value) for every scale value in the order the writer sets them;
// value is a float, double or QString reference (const when `values` is).
template <class Values, class Visit>
void visitScaleValues(Values &values, Visit &&visit)
{
    visit(SectionGeneral, QStringLiteral("GE_sngHojoLen"), values.GE_sngHojoLen);
    visit(SectionGeneral, QStringLiteral("GE_strPpSize"), values.GE_strPpSize);
    for (int i = 0; i < 4; ++i) {
        const QString index = QString::number(i);
        visit(SectionTilt, "GE_sngHosei(" + index + ')', values.GE_sngHosei[i]);
        visit(SectionTilt, "GE_dblHosei(" + index + ')', values.GE_dblHosei[i]);
    }
    for (int i = 0; i < 4; ++i) {
        const QString point = "GE_tpPiccelD(" + QString::number(i) + ").";
        visit(SectionKnownDistance, point + "sngX", values.GE_tpPiccelD[i].sngX);
        visit(SectionKnownDistance, point + "sngY", values.GE_tpPiccelD[i].sngY);
    }
    visit(SectionKnownDistance, QStringLiteral("GE_sngPiccelD_X"), values.GE_sngPiccelD_X);
    visit(SectionKnownDistance, QStringLiteral("GE_sngPiccelD_Y"), values.GE_sngPiccelD_Y);
    visit(SectionKnownDistance, QStringLiteral("GE_sngDistanceD_X"), values.GE_sngDistanceD_X);
    visit(SectionKnownDistance, QStringLiteral("GE_sngDistanceD_Y"), values.GE_sngDistanceD_Y);
    visit(SectionKnownDistance, QStringLiteral("GE_tpPtoD_r_X"), values.GE_tpPtoD_r_X);
    visit(SectionKnownDistance, QStringLiteral("GE_tpPtoD_r_Y"), values.GE_tpPtoD_r_Y);
}

} // namespace recordbookkeys
