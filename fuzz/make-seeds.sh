#!/usr/bin/env bash
# Writes the seed inputs of the fuzz targets into OUT/<target>/.
# Usage: fuzz/make-seeds.sh OUT [path/to/plumbline-gendata]
set -euo pipefail
out=${1:?usage: make-seeds.sh OUT [plumbline-gendata]}
gendata=${2:-}

root=$(cd "$(dirname "$0")/.." && pwd)
line_dir=$out/fuzz_histline
file_dir=$out/fuzz_histfile
invest_dir=$out/fuzz_investfile
csv_dir=$out/fuzz_priceindexcsv
series_dir=$out/fuzz_seriesfile
import_dir=$out/fuzz_importcsv
rm -rf "$line_dir" "$file_dir" "$invest_dir" "$csv_dir" "$series_dir" "$import_dir"
mkdir -p "$line_dir" "$file_dir" "$invest_dir" "$csv_dir" "$series_dir" "$import_dir"

n=0
line() { n=$((n + 1)); printf '%s' "$1" >"$line_dir/seed$n"; }
file() { n=$((n + 1)); printf '%b' "$1" >"$file_dir/seed$n"; }

# History lines as the program writes them, and the forms the reader also accepts.
line '1,#2003-01-15#,10000,10800,1.6'
line '3,#2003-03-12#,2500.75,2600,0'
line '2,#2001-06-30#,2500,2562.5,2.1'
line '12,#1999-12-31#,0,0,-0.5'
line '1,#2003-01-15 13:45:10#,.5,-0.25,2E-3'
line ' 1 , #2003-01-15# , 10000 , 10800 , 1.6 '
line '32767,#9999-12-31#,922337203685477.5807,-922337203685477.5808,3.402823E+38'
line '1,#0100-01-01 00:00:01#,1e3,+7,1.175494E-38'
line '1,#2003-02-29#,1,1,1'
line '1,#2003-01-15#,10000,10800'
line '1,#2003-01-15#,10000,10800,1.6,9'
line '1,2003-01-15,10000,10800,1.6'
line '1,#2003-01-15#,1x0,10800,1.6'
line '40000,#2003-01-15#,1,1,1'
line '1,#2003-01-1'
# Lines of the investment work file: number and two texts of 50 characters.
pad50() { printf '%-50s' "$1"; }
line "1,\"$(pad50 'Mutual fund')\",\"$(pad50 'First Bank')\""
line "2,\"$(pad50 'Savings \"plus\" account')\",\"$(pad50 'Credit Union')\""
line '3,"short","text"'
line '3,"unterminated'

n=0
# Whole history files.
file '1,#2001-01-02#,10000,10000,0\r\n2,#2001-06-30#,2500,2500,0\r\n1,#2002-01-02#,10000,10800,1.6\r\n2,#2002-06-30#,2500,2562.5,2.1\r\n'
file '1,#2001-01-02#,10000,10000,0\n2,#2001-06-30#,2500,2500,0\n'
file '1,#2001-01-02#,10000,10000,0\r\n2,#2001-06-30#,2500,2500,0'
file '1,#2001-01-02#,10000,10000,0\r\n\r\n   \r\n2,#2001-06-30#,2500,2500,0\r\n\r\n'
file '1,#2001-01-02#,10000,10000,0\r\n2,#2001-06-30#,25'
file '1,#2001-01-02#,10000,10000,0\r\n\x00\x01\xff\xfe garbage\r\n2,#2001-06-30#,2500,2500,0\r\n'
file '\r\n\r\n'
n=$((n + 1))
{ printf '1,#2001-01-02#,10000,10000,0\r\n'; head -c 5000 /dev/zero | tr '\0' '9'; printf '\r\n2,#2001-06-30#,2500,2500,0\r\n'; } >"$file_dir/seed$n"
n=$((n + 1))
{ for i in $(seq 1 2200); do printf '%d,#2001-01-02#,10000.25,10000,1.5\r\n' $((i % 7 + 1)); done; } >"$file_dir/seed$n"

# Investment files: the example pair, a cut-short one, undecodable records.
n=0
rec() { printf "$1"; pad50 "$2"; pad50 "$3"; }
{ rec '\x01\x00' 'Mutual fund' 'First Bank'; rec '\x02\x00' 'Savings account' 'Credit Union'; } >"$invest_dir/seed1"
head -c 153 "$invest_dir/seed1" >"$invest_dir/seed2"
head -c 50 "$invest_dir/seed1" >"$invest_dir/seed3"
{ rec '\x01\x00' 'Mutual fund' 'First Bank'; rec '\x00\x00' '' ''; rec '\xff\xff' 'x' 'y'; } >"$invest_dir/seed4"
{ rec '\x01\x00' $'Caf\xe9 \x80 fund' 'Bank'; printf '\x02\x00\x00\x01\x02'; head -c 97 /dev/zero; } >"$invest_dir/seed5"
: >"$invest_dir/seed6"

# Price index downloads: the shipped ones cut to a few hundred lines, and the other forms read.
head -c 4000 "$root/data/cpi/raw/us-cpi-u-nsa.csv" >"$csv_dir/us"
head -c 6000 "$root/data/cpi/raw/uk-cpi-ons-d7bt.csv" >"$csv_dir/ons"
printf 'observation_date,CPIAUCSL\r\n2020-01-01,258.1\r\n2020-02-01,.\r\n2020-03-01,258.9\r\n' >"$csv_dir/fred"
printf '\xef\xbb\xbfREF_DATE;VALUE\r2020-01;1.234,5\r2020-02;1.240,1\r' >"$csv_dir/semicolon"
printf '"REF_DATE","GEO","VALUE"\n"2020-01","Canada","136.8"\n"2020-02","Canada","137.4"\n' >"$csv_dir/statcan"
# Series files as the program writes them: monthly, annual, quarterly, a currency area's.
for name in US-CPI-U UK-CPI WB-DEU AU-CPI EA-HICP; do
    head -c 3000 "$root/data/cpi/series/$name.txt" >"$series_dir/$name"
done

if [ -n "$gendata" ]; then
    tmp=$(mktemp -d)
    "$gendata" --out "$tmp" --investments 6 --records-per-investment 30 --seed 7 >/dev/null
    cp "$tmp/PlDataHist.txt" "$file_dir/generated"
    cp "$tmp/PlumblineData" "$invest_dir/generated"
    head -n 40 "$tmp/PlDataHist.txt" | while IFS= read -r l; do
        n=$((n + 1))
        printf '%s' "${l%$'\r'}" >"$line_dir/generated$n"
    done
    rm -rf "$tmp"
fi

# Records to import: plumbline-export's output, a bank's statement with a decimal comma, dates
# that read both ways, and the forms the reader refuses.
cp "$root/fuzz/seeds/fuzz_importcsv/"* "$import_dir/"
printf '\xef\xbb\xbfDate;Original Amount;Current Amount;Inflation Rate\r15.03.2021;1.000,00;(1.010,50);\r01.06.2020;"1.000";1.020,25;1,5\r' >"$import_dir/semicolon"
printf 'date,original,current\n03/04/2020,$1,000.00,"$1,010.50"\n1/1/2020,1,2\n' >"$import_dir/slashes"
printf 'when,paid,worth,note\n2021-05-05,1000,1200,"two\r\nlines ""quoted"""\n2021-02-30,x,,\n' >"$import_dir/problems"
printf 'date,original,current\n2020-01-01,"1,2\n' >"$import_dir/open-quote"
