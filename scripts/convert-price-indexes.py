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

The BIS table (consumer prices, long series) gives each economy's national CPI rebased to
2010 = 100, and the euro area's HICP (XM). The United States and the United Kingdom keep the
series of their own statistical offices. Australia and New Zealand publish quarterly: the BIS
repeats each quarter's value in its three months, so they are written as quarterly series.
A month without a value ("NaN" or empty) is left out, never filled in.

When a series that was committed before changes its past values (a revision), the script
names how many periods changed and the largest change in a rate over any 12 months.
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
BIS_ATTRIBUTION = ("National CPIs and euro area HICP (XX-CPI, EA-HICP): Source: Bank for International "
                   "Settlements (BIS), consumer prices (WS_LONG_CPI), based on national data.")
EUROSTAT_ATTRIBUTION = "Sweden HICP: Source: Eurostat, HICP - monthly data (index) (prc_hicp_midx)."
FRED_ATTRIBUTION = "Germany HICP: Source: Eurostat, via FRED, Federal Reserve Bank of St. Louis."

# The day each table was copied from its source repository into data/cpi/raw.
TAKEN = {
    "us-cpi-u-nsa.csv": "2026-12-07",
    "uk-cpi-ons-d7bt.csv": "2026-12-07",
    "world-annual-inflation.csv": "2026-12-07",
    "bis-consumer-prices-long.csv": "2026-12-08",
    "eurostat-hicp-de-se.csv": "2026-12-08",
    "fred-hicp-de.csv": "2026-12-08",
}
# Economies of the BIS table that keep their own office's series, and those that publish quarterly.
BIS_SKIPPED = {"US", "GB"}
BIS_QUARTERLY = {"AU", "NZ"}

WB_ATTRIBUTION = ("World Bank series: World Bank, World Development Indicators (FP.CPI.TOTL.ZG), CC BY 4.0, "
                  "via github.com/datasets/cpi (ODC-PDDL-1.0).")


def number_text(text):
    """The value as published, checked to be a positive or signed decimal number."""
    text = text.strip()
    if not re.fullmatch(r"-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?", text):
        raise ValueError("not a number: %r" % text)
    return text


def series_file(name, title, country, kind, unit, source, attribution, rows, publisher, taken, currency=""):
    lines = [
        "# Plumbline price index",
        "name: " + name,
        "title: " + title,
        "country: " + country,
        "kind: " + kind,
        "unit: " + unit,
        "source: " + source,
        "attribution: " + attribution,
        "publisher: " + publisher,
        "taken: " + taken,
    ]
    if currency:
        lines.append("currency: " + currency)
    lines.append("data:")
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
                       "adjusted (CUUR0000SA0)", US_ATTRIBUTION, rows, "US Bureau of Labor Statistics",
                       TAKEN["us-cpi-u-nsa.csv"])


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
                       "Office for National Statistics, CPI INDEX 00: ALL ITEMS (D7BT, MM23)", UK_ATTRIBUTION, rows,
                       "Office for National Statistics", TAKEN["uk-cpi-ons-d7bt.csv"])


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
                                          "(annual %%), FP.CPI.TOTL.ZG, %s" % name, WB_ATTRIBUTION, rows,
                                          "World Bank", TAKEN["world-annual-inflation.csv"])
    return files


def month_text(text):
    if not re.fullmatch(r"[0-9]{4}-(0[1-9]|1[0-2])", text):
        raise ValueError("unexpected month %r" % text)
    return text


def quarterly_rows(code, rows):
    """The BIS repeats a quarterly value in the quarter's three months: one row per quarter,
    after checking that the months of each quarter agree."""
    quarters = {}
    for month, value in rows:
        year, m = int(month[:4]), int(month[5:7])
        quarters.setdefault("%04d-Q%d" % (year, (m - 1) // 3 + 1), set()).add(value)
    for quarter, values in quarters.items():
        if len(values) != 1:
            raise ValueError("%s %s: months of one quarter differ: %s" % (code, quarter, sorted(values)))
    return [(q, v.pop()) for q, v in sorted(quarters.items())]


def bis_series():
    name = "bis-consumer-prices-long.csv"
    files = {}
    with open(os.path.join(RAW, name), newline="", encoding="utf-8") as f:
        reader = csv.reader(f)
        header = next(reader)
        column = {title: i for i, title in enumerate(header)}
        months = [(i, month_text(title)) for i, title in enumerate(header) if re.fullmatch(r"[0-9]{4}-[0-9]{2}", title)]
        for row in reader:
            if not row:
                continue
            if row[column["FREQ"]] != "M" or row[column["UNIT_MEASURE"]] != "628":
                continue  # the annual rows and the percent changes (771)
            code = row[column["REF_AREA"]]
            area = row[column["Reference area"]]
            if code in BIS_SKIPPED:
                continue
            rows = [(month, number_text(row[i])) for i, month in months if row[i].strip() not in ("", "NaN")]
            if not rows:
                continue
            if code == "XM":
                series, title, country, currency = "EA-HICP", "Euro area HICP", "", "EUR"
            else:
                series, title, country, currency = code + "-CPI", area + " CPI", code, ""
            kind = "monthly"
            if code in BIS_QUARTERLY:
                kind, rows = "quarterly", quarterly_rows(code, rows)
            files[series] = series_file(
                series, title, country, kind, "index, 2010 = 100",
                "BIS consumer prices, long series (WS_LONG_CPI, %s), %s, rebased by the BIS"
                % (row[column["Series"]], "HICP" if code == "XM" else "national CPI"),
                BIS_ATTRIBUTION, rows, "Bank for International Settlements (BIS), from national data", TAKEN[name],
                currency)
    return files


def fred_series():
    name = "fred-hicp-de.csv"
    rows = []
    with open(os.path.join(RAW, name), newline="", encoding="utf-8") as f:
        reader = csv.reader(f)
        header = next(reader)
        value_column = header.index("CP0000DEM086NEST")
        for row in reader:
            if not row:
                continue
            date = row[header.index("observation_date")]
            if not re.fullmatch(r"[0-9]{4}-[0-9]{2}-01", date):
                raise ValueError("unexpected FRED date %r" % date)
            if row[value_column].strip() not in ("", "."):
                rows.append((month_text(date[:7]), number_text(row[value_column])))
    return series_file("DE-HICP", "Germany HICP", "DE", "monthly", "index, 2015 = 100",
                       "Eurostat HICP all items (prc_hicp_midx), as FRED republishes it (CP0000DEM086NEST)",
                       FRED_ATTRIBUTION, rows, "Eurostat, via FRED (Federal Reserve Bank of St. Louis)", TAKEN[name])


def eurostat_series(geo):
    name = "eurostat-hicp-de-se.csv"
    rows = []
    updated = set()
    with open(os.path.join(RAW, name), newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            if (row["freq"], row["unit"], row["coicop"], row["geo"]) != ("M", "I15", "CP00", geo):
                continue
            updated.add(row["LAST UPDATE"])
            if row["OBS_VALUE"].strip() not in ("", ":"):
                rows.append((month_text(row["TIME_PERIOD"]), number_text(row["OBS_VALUE"])))
    rows.sort()
    if len(set(m for m, _ in rows)) != len(rows):
        raise ValueError("duplicate month for %s" % geo)
    return rows, updated


def sweden_series():
    rows, updated = eurostat_series("SE")
    return series_file("SE-HICP", "Sweden HICP", "SE", "monthly", "index, 2015 = 100",
                       "Eurostat HICP - monthly data (index) (prc_hicp_midx, M, I15, CP00, SE), last updated %s"
                       % ", ".join(sorted(updated)), EUROSTAT_ATTRIBUTION, rows, "Eurostat",
                       TAKEN["eurostat-hicp-de-se.csv"])


def check_german_hicp(fred_text):
    """Eurostat's own German HICP and FRED's copy of it must agree where both have a month."""
    eurostat = dict(eurostat_series("DE")[0])
    for line in fred_text.split("data:\n", 1)[1].splitlines():
        month, value = line.split(" ")
        if month in eurostat and float(eurostat[month]) != float(value):
            raise ValueError("German HICP %s: FRED %s, Eurostat %s" % (month, value, eurostat[month]))


def parse_series(text):
    kind, values = "", {}
    head, _, data = text.partition("data:\n")
    for line in head.splitlines():
        if line.startswith("kind: "):
            kind = line[6:]
    for line in data.splitlines():
        period, value = line.split(" ", 1)
        values[period] = float(value)
    return kind, values


def period_key(period):
    if "-Q" in period:
        return int(period[:4]) * 4 + int(period[6]) - 1
    if "-" in period:
        return int(period[:4]) * 12 + int(period[5:7]) - 1
    return int(period)


def revision_report(old_text, new_text):
    """How many periods of the old version the new one changes or drops, and the largest change
    in a rate over any 12 months (4 quarters) both give; None when nothing before changed."""
    old_kind, old = parse_series(old_text)
    new_kind, new = parse_series(new_text)
    if old_kind != new_kind or old_kind == "annual":
        changed = sum(1 for p in old if p not in new or old[p] != new[p])
        return (changed, None) if changed else None
    changed = [p for p in old if p not in new or old[p] != new[p]]
    if not changed:
        return None
    step = 4 if old_kind == "quarterly" else 12
    old_keys = {period_key(p): v for p, v in old.items()}
    new_keys = {period_key(p): v for p, v in new.items()}
    largest = None
    for key in old_keys:
        start = key - step
        if start in old_keys and start in new_keys and key in new_keys:
            before = (old_keys[key] / old_keys[start] - 1) * 100
            after = (new_keys[key] / new_keys[start] - 1) * 100
            largest = max(largest or 0.0, abs(after - before))
    return len(changed), largest


def main():
    check = "--check" in sys.argv[1:]
    files = {"US-CPI-U": us_series(), "UK-CPI": uk_series()}
    files.update(world_series())
    files.update(bis_series())
    files["DE-HICP"] = fred_series()
    files["SE-HICP"] = sweden_series()
    check_german_hicp(files["DE-HICP"])
    wanted = {name + ".txt": text for name, text in files.items()}
    existing = set(os.listdir(OUT)) if os.path.isdir(OUT) else set()
    differ = sorted(n for n in wanted if n not in existing or
                    io.open(os.path.join(OUT, n), encoding="utf-8", newline="").read() != wanted[n])
    stale = sorted(n for n in existing if n.endswith(".txt") and n not in wanted)
    for n in differ:
        path = os.path.join(OUT, n)
        if n in existing:
            old_text = io.open(path, encoding="utf-8", newline="").read()
            report = revision_report(old_text, wanted[n])
            if report:
                period = {"monthly": "month", "quarterly": "quarter"}.get(parse_series(old_text)[0], "year")
                line = "revised: %s: %d past %s%s changed" % (n[:-4], report[0], period, "" if report[0] == 1 else "s")
                if report[1] is not None:
                    line += "; a rate over 12 months changed by up to %.2f points" % report[1]
                print(line)
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
