#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the golden record books of the record book tests, line by line as the file format
lays them out: code page 932, CR LF. Run it from this folder; the files it writes are checked in.
"""

INI_SURVEY = [
    "[バージョン情報]", "Ver=1.0.0", "Prj=CatchScale",
    "[データファイル名]", "fMei_MapImage=釣果.jpg",
    "Text_Bin=survey_Text.Bin", "Line_Bin=survey_Line.Bin", "Shape_Bin=survey_Shape.Bin",
    "[全般]", "GE_sngHojoLen=20", "GE_strPpSize=B5",
    "[傾き補正]",
    "GE_sngHosei(0)=10", "GE_dblHosei(0)=5.710593",
    "GE_sngHosei(1)=10", "GE_dblHosei(1)=-5.710593",
    "GE_sngHosei(2)=110", "GE_dblHosei(2)=0.0996687",
    "GE_sngHosei(3)=20", "GE_dblHosei(3)=-0.0996687",
    "[既知距離]",
    "GE_tpPiccelD(0).sngX=50", "GE_tpPiccelD(0).sngY=5.5",
    "GE_tpPiccelD(1).sngX=150.25", "GE_tpPiccelD(1).sngY=5.5",
    "GE_tpPiccelD(2).sngX=1E-05", "GE_tpPiccelD(2).sngY=5",
    "GE_tpPiccelD(3).sngX=150", "GE_tpPiccelD(3).sngY=105",
    "GE_sngPiccelD_X=100.25", "GE_sngPiccelD_Y=100",
    "GE_sngDistanceD_X=250", "GE_sngDistanceD_Y=1.5E+07",
    "GE_tpPtoD_r_X=2.49376558603491", "GE_tpPtoD_r_Y=2.49376558603491",
]

HINT = "「ツール」「文字列」選択後　ダブルクリックで入力"

# Label: Visible, Caption, ToolTipText, Tag, Top, Left, Width, Height, Alignment, BackStyle,
# BorderStyle, BackColor, ForeColor, FontName, FontSize, Italic, Bold, Strikethru, Underline
LABELS_SURVEY = [
    # lblKyori: two dimensions and the spare
    ["True", "40.5cm", "12.5゜", "", "30.5", "20.25", "14.5", "4.5", "2", "1", "0",
     "16777215", "12582912", "ＭＳ ゴシック", "9.75", "True", "False", "False", "False"],
    ["True", "12.0cm", "コメント①", "tag", "-3.5", "1E-05", "10", "5", "2", "0", "1",
     "-2147483643", "255", "ＭＳ ゴシック", "12", "False", "True", "False", "True"],
    ["False", "", "", "", "0", "0", "14.5", "4.5", "2", "1", "0",
     "16777215", "12582912", "ＭＳ ゴシック", "9.75", "True", "False", "False", "False"],
    # lblMoji: the template and two text labels
    ["False", "文字列", HINT, "", "0", "0", "12", "4", "2", "1", "0",
     "16777215", "0", "ＭＳ Ｐゴシック", "9.75", "False", "False", "False", "False"],
    ["True", "全長：52.3cm", HINT, "", "100", "200", "30", "4", "0", "1", "1",
     "16777215", "0", "ＭＳ Ｐゴシック", "9.75", "False", "False", "True", "False"],
    ["True", "", "", "x", "110.5", "200", "2", "4", "1", "0", "0",
     "65280", "16711680", "ＭＳ 明朝", "14.25", "True", "True", "True", "True"],
]

# Line: Visible, Tag, X1, Y1, X2, Y2, BorderColor, BorderWidth, BorderStyle, DrawMode
LINES_SURVEY = [
    # lineHikidashi: one leader line and the spare
    ["True", "", "1.5", "2.5", "30", "-4.25", "0", "2", "1", "13"],
    ["False", "", "0", "0", "0", "0", "0", "1", "1", "13"],
    # lineHojoSave: two extension lines per dimension and the spare
    ["True", "", "10", "20", "10", "5", "16711680", "1", "1", "13"],
    ["True", "", "50", "20", "50", "5", "16711680", "1", "1", "13"],
    ["True", "a", "60", "70", "75", "70", "255", "3", "2", "13"],
    ["True", "", "60", "90", "75", "90", "255", "3", "2", "13"],
    ["False", "", "0", "0", "0", "0", "16711680", "1", "1", "13"],
    # lineDsSave: one dimension line per dimension and the spare
    ["True", "", "10", "5", "50", "5", "16711680", "1", "1", "13"],
    ["True", "", "75", "70", "75", "90", "255", "3", "5", "13"],
    ["False", "", "0", "0", "0", "0", "16711680", "1", "1", "13"],
]

# Marker: Visible, Tag, Left, Top, Width, Height, BackColor, FillColor, BorderColor,
# BorderWidth, FillStyle, BorderStyle, DrawMode, Shape, BackStyle
def marker(visible, left, top, colour):
    return [visible, "", left, top, "1.85", "1.85", "16777215", colour, colour,
            "1", "0", "1", "13", "3", "1"]

MARKERS_SURVEY = [
    marker("True", "9.075", "4.075", "16711680"),
    marker("True", "49.075", "4.075", "16711680"),
    marker("True", "74.075", "69.075", "255"),
    marker("True", "74.075", "89.075", "255"),
    marker("False", "0", "0", "12582912"),
]

INI_EMPTY = [
    "[バージョン情報]", "Ver=1.0.0", "Prj=CatchScale",
    "[データファイル名]", "fMei_MapImage=fish.bmp",
    "Text_Bin=empty_Text.Bin", "Line_Bin=empty_Line.Bin", "Shape_Bin=empty_Shape.Bin",
    "[全般]", "GE_sngHojoLen=15", "GE_strPpSize=00",
    "[傾き補正]",
    "GE_sngHosei(0)=10", "GE_dblHosei(0)=0", "GE_sngHosei(1)=10", "GE_dblHosei(1)=0",
    "GE_sngHosei(2)=100", "GE_dblHosei(2)=0", "GE_sngHosei(3)=10", "GE_dblHosei(3)=0",
    "[既知距離]",
    "GE_tpPiccelD(0).sngX=50", "GE_tpPiccelD(0).sngY=5",
    "GE_tpPiccelD(1).sngX=150", "GE_tpPiccelD(1).sngY=5",
    "GE_tpPiccelD(2).sngX=150", "GE_tpPiccelD(2).sngY=5",
    "GE_tpPiccelD(3).sngX=150", "GE_tpPiccelD(3).sngY=105",
    "GE_sngPiccelD_X=100", "GE_sngPiccelD_Y=100",
    "GE_sngDistanceD_X=100", "GE_sngDistanceD_Y=100",
    "GE_tpPtoD_r_X=1", "GE_tpPtoD_r_Y=1",
]

LABELS_EMPTY = [LABELS_SURVEY[2], LABELS_SURVEY[3]]
LINES_EMPTY = [LINES_SURVEY[1], LINES_SURVEY[6], LINES_SURVEY[9]]
MARKERS_EMPTY = [MARKERS_SURVEY[4]]


def write(name, lines):
    with open(name, "wb") as out:
        out.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def flat(records):
    return [value for record in records for value in record]


write("survey.ini", INI_SURVEY)
write("survey_Text.Bin", flat(LABELS_SURVEY))
write("survey_Line.Bin", flat(LINES_SURVEY))
write("survey_Shape.Bin", flat(MARKERS_SURVEY))
write("empty.ini", INI_EMPTY)
write("empty_Text.Bin", flat(LABELS_EMPTY))
write("empty_Line.Bin", flat(LINES_EMPTY))
write("empty_Shape.Bin", flat(MARKERS_EMPTY))
