#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the package's machine-readable copyright file OUT from TEMPLATE, with the sources of
# the weight table (Shift_JIS, tab-separated: the species, its scientific name, ..., its
# source) in place of %WEIGHT_TABLE_SOURCES%, one continuation line a species.
#   Usage: packaging/make-copyright.sh TEMPLATE WEIGHT_TABLE OUT
set -euo pipefail
template=$1 table=$2 out=$3
sources=$(iconv -f CP932 -t UTF-8 "$table" | tr -d '\r' \
          | awk -F'\t' '!/^#/ && NF >= 6 && ++row > 1 { print " " $1 " (" $2 "): " $6 }')
[ -n "$sources" ] || { echo "make-copyright: no sources in $table" >&2; exit 1; }
sources=$sources awk '$0 == "%WEIGHT_TABLE_SOURCES%" { print ENVIRON["sources"]; next } 1' \
    "$template" >"$out.tmp"
mv "$out.tmp" "$out"
