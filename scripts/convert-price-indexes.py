#!/usr/bin/env python3
"""Turns the published price-index tables in data/cpi/raw into the program's own series files.

    python3 scripts/convert-price-indexes.py [--check]

Writes data/cpi/series/NAME.txt, one file per series, in the form docs/file-formats.md
describes. The output is committed, so building needs neither Python nor this script; run it
again after replacing a raw table. With --check it writes nothing and exits 1 when the
committed files differ from what the tables give.

Country codes: the World Bank table names countries by ISO 3166 alpha-3 code; the program
matches the user's locale by alpha-2, taken from Debian's iso-codes (package iso-codes).
Aggregates such as WLD (World) or EMU (Euro area) have no country.
"""

import csv
import io
import json
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RAW = os.path.join(ROOT, "data", "cpi", "raw")
OUT = os.path.join(ROOT, "data", "cpi", "series")
ISO_CODES = "/usr/share/iso-codes/json/iso_3166-1.json"

MONTHS = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]

US_ATTRIBUTION = "US CPI-U: US Bureau of Labor Statistics (public domain), via github.com/datasets/cpi-us (ODC-PDDL-1.0)."
UK_ATTRIBUTION = ("UK CPI: Source: Office for National Statistics. Contains public sector information licensed "
                  "under the Open Government Licence v3.0.")
WB_ATTRIBUTION = ("World Bank series: World Bank, World Development Indicators (FP.CPI.TOTL.ZG), CC BY 4.0, "
                  "via github.com/datasets/cpi (ODC-PDDL-1.0).")


def number_text(text):
    """The value as published, checked to be a positive or signed decimal number."""
    text = text.strip()
    if not re.fullmatch(r"-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?", text):
        raise ValueError("not a number: %r" % text)
    return text


def series_file(name, title, country, kind, unit, source, attribution, rows):
    lines = [
        "# Plumbline price index",
        "name: " + name,
        "title: " + title,
        "country: " + country,
        "kind: " + kind,
        "unit: " + unit,
        "source: " + source,
        "attribution: " + attribution,
        "data:",
    ]
    lines += ["%s %s" % (period, value) for period, value in rows]
    return "\n".join(lines) + "\n"


def us_series():
    rows = []
    with open(os.path.join(RAW, "us-cpi-u-nsa.csv"), newline="", encoding="utf-8") as f:
        reader = csv.reader(f)
        header = next(reader)
        index_column = header.index("Index")
        for row in reader:
            if not row:
                continue
            date = row[0]
            if not re.fullmatch(r"[0-9]{4}-[0-9]{2}-01", date):
                raise ValueError("unexpected US date %r" % date)
            # The Inflation column is month-on-month and spans the missing 2025-10: never used.
            rows.append((date[:7], number_text(row[index_column])))
    return series_file("US-CPI-U", "US CPI-U", "US", "monthly", "index, 1982-84 = 100",
                       "US Bureau of Labor Statistics, CPI-U all items, U.S. city average, not seasonally "
                       "adjusted (CUUR0000SA0)", US_ATTRIBUTION, rows)


def uk_series():
    rows = []
    with open(os.path.join(RAW, "uk-cpi-ons-d7bt.csv"), newline="", encoding="utf-8") as f:
        for row in csv.reader(f):
            if len(row) < 2:
                continue
            m = re.fullmatch(r"([0-9]{4}) ([A-Z]{3})", row[0])
            if not m or m.group(2) not in MONTHS:
                continue  # metadata, annual and quarterly rows
            rows.append(("%s-%02d" % (m.group(1), MONTHS.index(m.group(2)) + 1), number_text(row[1])))
    return series_file("UK-CPI", "UK CPI", "GB", "monthly", "index, 2015 = 100",
                       "Office for National Statistics, CPI INDEX 00: ALL ITEMS (D7BT, MM23)", UK_ATTRIBUTION, rows)


def world_series():
    with open(ISO_CODES, encoding="utf-8") as f:
        alpha2 = {c["alpha_3"]: c["alpha_2"] for c in json.load(f)["3166-1"]}
    countries = {}
    with open(os.path.join(RAW, "world-annual-inflation.csv"), newline="", encoding="utf-8") as f:
        reader = csv.reader(f)
        next(reader)
        for row in reader:
            if not row:
                continue
            name, code, year, value = row
            if not re.fullmatch(r"[A-Z0-9]{3}", code) or not re.fullmatch(r"[0-9]{4}", year):
                raise ValueError("unexpected World Bank row %r" % row)
            entry = countries.setdefault(code, (name, []))
            if value.strip():
                entry[1].append((year, number_text(value)))
    files = {}
    for code, (name, rows) in sorted(countries.items()):
        if not rows:
            continue
        rows.sort()
        if len(set(y for y, _ in rows)) != len(rows):
            raise ValueError("duplicate year for %s" % code)
        files["WB-" + code] = series_file("WB-" + code, "%s (World Bank)" % name, alpha2.get(code, ""), "annual",
                                          "annual % change of consumer prices",
                                          "World Bank, World Development Indicators, Inflation, consumer prices "
                                          "(annual %%), FP.CPI.TOTL.ZG, %s" % name, WB_ATTRIBUTION, rows)
    return files


def main():
    check = "--check" in sys.argv[1:]
    files = {"US-CPI-U": us_series(), "UK-CPI": uk_series()}
    files.update(world_series())
    wanted = {name + ".txt": text for name, text in files.items()}
    existing = set(os.listdir(OUT)) if os.path.isdir(OUT) else set()
    differ = sorted(n for n in wanted if n not in existing or
                    io.open(os.path.join(OUT, n), encoding="utf-8", newline="").read() != wanted[n])
    stale = sorted(n for n in existing if n.endswith(".txt") and n not in wanted)
    if check:
        for n in differ + stale:
            print("differs: " + n)
        return 1 if differ or stale else 0
    os.makedirs(OUT, exist_ok=True)
    for n in differ:
        with open(os.path.join(OUT, n), "w", encoding="utf-8", newline="") as f:
            f.write(wanted[n])
    for n in stale:
        os.remove(os.path.join(OUT, n))
    print("%d series, %d written, %d removed" % (len(wanted), len(differ), len(stale)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
