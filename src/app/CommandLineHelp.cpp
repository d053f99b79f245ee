// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "platform/Version.h"

// The exit statuses listed here are the ones declared in CommandLine.h.
QString commandLineUsage()
{
    return QStringLiteral(
               "使い方: catchscale [ファイル]\n"
               "  または: catchscale --dump 記録帳.ini\n"
               "  または: catchscale --export-pdf 出力.pdf 記録帳.ini [--kinds 種類,...]\n"
               "                    [--tile 用紙 [--overlap MM]] [--text-size own]\n"
               "  または: catchscale --export-bmp 出力.bmp 記録帳.ini\n"
               "  または: catchscale --export-image 出力.png 記録帳.ini [--dpi 解像度 | --share]\n"
               "                    [--kinds 種類,...] [--text-size own]\n"
               "  または: catchscale --export-csv 出力.csv 記録帳.ini [記録帳.ini...]\n"
               "%1: 定規と一緒に写した魚を写真の上で計測し、実寸で印刷します。\n"
               "ファイルが記録帳 (.ini) ならそれを開き、それ以外は画像 (BMP, JPEG, GIF) として\n"
               "新しい記録帳を作ります。ファイルを省くと空の画面で起動します。\n"
               "\n"
               "      --dump 記録帳.ini      記録帳の内容を JSON で標準出力に書き出します\n"
               "      --export-pdf 出力.pdf 記録帳.ini\n"
               "                             記録帳を実寸で PDF に印刷します\n"
               "      --kinds 種類,...       PDF に印刷する種類を dims,comments,leaders,texts\n"
               "                             から選びます (省くとすべて、\"\" なら画像だけ)\n"
               "      --tile 用紙            PDF を用紙 (A4, B5, Letter など) に分けて、\n"
               "                             1 ページ 1 枚で実寸のまま書き出します\n"
               "      --overlap MM           分けた用紙の重なり (のりしろ)、既定は 10 mm\n"
               "      --text-size own        文字を写真の縮尺に合わせず、それぞれの大きさ (pt) で\n"
               "                             印刷します。6 pt 未満になる文字があると知らせます\n"
               "      --export-bmp 出力.bmp 記録帳.ini\n"
               "                             記録帳を実寸のビットマップに保存します\n"
               "      --export-image 出力.png 記録帳.ini\n"
               "                             印刷範囲を PNG か JPEG (.jpg) の画像に保存します\n"
               "      --dpi 解像度           画像の解像度 (96, 150, 300, 600)、既定は 300。\n"
               "                             ファイルに解像度を記録するので、実寸で印刷できます\n"
               "      --share                共有用の大きさ (長辺 2048 px) に縮尺バーを付けます\n"
               "      --export-csv 出力.csv 記録帳.ini [記録帳.ini...]\n"
               "                             残した寸法を 1 行ずつ釣果表 (CSV、UTF-8) に書き出します。\n"
               "                             出力が .jsonl なら JSON Lines で書き出します\n"
               "  -h, --help                 この使い方を表示して終了します\n"
               "      --version              バージョン情報を表示して終了します\n"
               "\n"
               "終了ステータス:\n"
               " 0  正常終了\n"
               " 1  記録帳を読み込めない\n"
               " 2  コマンドラインの誤り\n"
               " 3  出力ファイルに書き込めない、または書き出せない名前 (記録帳のファイル、\n"
               "    .ini、拡張子の違うファイルなど)\n"
               "\n"
               "バグの報告先: <%2>\n")
        .arg(QString::fromUtf8(Version::FileDescription), QString::fromUtf8(Version::BugReports));
}

QString commandLineVersion()
{
    return QStringLiteral("catchscale (%1) %2\n%3\n"
                          "License GPLv3+: GNU GPL version 3 or later "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QString::fromUtf8(Version::ProductName), QString::fromUtf8(Version::Text),
             QString::fromUtf8(Version::Copyright));
}

QString commandLineHelpHint()
{
    return QStringLiteral("詳しくは 'catchscale --help' を実行してください。\n");
}
