#!/usr/bin/env bash
# Checks a built help.chm: the CHM signature; every file of the project inside
# it, unpacked byte for byte as staged; the pages in Windows-1251 and declared
# so; the language Russian; contents, index, links and anchors that lead
# somewhere; the program's messages quoted exactly as app/ builds them; and
# the key texts of each topic; and, given kalvorix-cli, the worked examples
# of the solution, arithmetic and numbers in memory exactly as the program
# solves them.
# Usage: check_chm.sh HELP_CHM STAGE_DIR SOURCE_ROOT VERSION [KALVORIX_CLI]   (exit 1 on a fault)
set -uo pipefail

chm=${1:?usage: check_chm.sh HELP_CHM STAGE_DIR SOURCE_ROOT VERSION}
stage=${2:?usage: check_chm.sh HELP_CHM STAGE_DIR SOURCE_ROOT VERSION}
root=${3:?usage: check_chm.sh HELP_CHM STAGE_DIR SOURCE_ROOT VERSION}
version=${4:?usage: check_chm.sh HELP_CHM STAGE_DIR SOURCE_ROOT VERSION}
cli=${5:-}
command -v extract_chmLib >/dev/null || { echo "check_chm: needs extract_chmLib (Debian package libchm-bin)"; exit 1; }

faults=0
fault() { echo "check_chm: $*"; faults=$((faults + 1)); }

[ "$(head -c 4 "$chm")" = ITSF ] || fault "$chm does not start with the signature ITSF"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null || fault "extract_chmLib cannot read $chm"

# The files of the project: [FILES], the contents and the index.
project=$root/help/kalvorix.hhp
files=$(awk '/^\[/ {in_files = ($0 == "[FILES]"); next}
             in_files && NF {print; next}
             /^(Contents|Index) file=/ {sub(/^[^=]*=/, ""); print}' "$project")
toc=$(sed -n 's/^Contents file=//p' "$project")
keywords=$(sed -n 's/^Index file=//p' "$project")
[ -n "$toc" ] && [ -n "$keywords" ] || fault "$project names no contents or index file"
for f in $files; do
    if [ ! -f "$out/$f" ]; then
        fault "$f is not inside the CHM"
    elif ! cmp -s "$out/$f" "$stage/$f"; then
        fault "$f inside the CHM differs from the staged $stage/$f"
    fi
done
pages=$(printf '%s\n' $files | grep '\.html$')

# has FILE TEXT: whether the unpacked FILE holds TEXT (given in UTF-8) in Windows-1251.
has() {
    local needle
    needle=$(printf '%s' "$2" | iconv -f UTF-8 -t CP1251) || return 1
    LC_ALL=C grep -qF -- "$needle" "$out/$1" 2>/dev/null
}

# Windows-1251, not UTF-8 (Russian text in 1251 is never valid UTF-8).
for f in $pages $toc $keywords; do
    [ -f "$out/$f" ] || continue
    case $f in *.html) LC_ALL=C grep -q 'charset=windows-1251' "$out/$f" || fault "$f does not declare charset=windows-1251" ;; esac
    iconv -f UTF-8 -t UTF-8 "$out/$f" >/dev/null 2>&1 && fault "$f is still UTF-8"
    LC_ALL=C grep -q '@KALVORIX_[A-Z]*@' "$out/$f" && fault "$f keeps a placeholder"
done

# Russian: the LCID record (code 4) of #SYSTEM is 0x419, and the title is readable.
read -r -a sys <<<"$(od -An -tu1 -v "$out/#SYSTEM" 2>/dev/null | tr -s ' \n' '  ')"
lcid=
at=4  # after the version dword, records of code, length, data
while [ $((at + 6)) -le ${#sys[@]} ]; do
    code=$((sys[at] + 256 * sys[at + 1]))
    length=$((sys[at + 2] + 256 * sys[at + 3]))
    if [ "$code" -eq 4 ]; then lcid=$((sys[at + 4] + 256 * sys[at + 5])); break; fi
    at=$((at + 4 + length))
done
[ "$lcid" = 1049 ] || fault "the CHM's language is ${lcid:-missing}, not 0x419 (1049, Russian)"
has '#SYSTEM' 'Справка Kalvorix' || fault "the CHM's title is not 'Справка Kalvorix' in Windows-1251"

# Every topic is in the contents; every target of the contents, the index, a
# link or an image exists, and so does the anchor it names.
for page in $pages; do
    grep -q "value=\"$page\"" "$out/$toc" || fault "$page is missing from the contents $toc"
done
targets() {  # FILE: the local targets it refers to, "page#anchor" or "page"
    grep -o -E '(href|src|value)="[^":]+\.(html|css|png)(#[A-Za-z0-9_-]+)?"' "$out/$1" | sed -E 's/^[a-z]+="//; s/"$//'
}
for f in $pages $toc $keywords; do
    [ -f "$out/$f" ] || continue
    for target in $(targets "$f"); do
        file=${target%%#*}
        if [ ! -f "$out/$file" ]; then
            fault "$f refers to $file, which is not inside the CHM"
        elif [ "$file" != "$target" ] && ! grep -q "name=\"${target#*#}\"" "$out/$file"; then
            fault "$f refers to $target, but $file has no such anchor"
        fi
    done
done
[ "$(grep -c 'text/sitemap' "$out/$keywords" 2>/dev/null)" -ge 40 ] || fault "the index $keywords has fewer than 40 entries"
for term in 'Точность вычислений' 'Римская система' 'Правило трёх раз' 'Регистр памяти' 'Текущее значение' \
            'Дробная часть' 'Отрицательные числа' 'Разделитель целой и дробной части' 'Клавиши' \
            'Сообщения программы' 'kalvor.ini' 'kalvorix-cli' 'HOME (клавиша)' 'MC' 'MR' 'Деление на нуль' \
            'F2 (клавиша)' 'Решение' 'Точное значение' 'Периодическая дробь' 'F3 (клавиша)' 'Арифметика' \
            'Деление уголком' 'Неполное частное' 'F4 (клавиша)' 'Прямой код' 'Дополнительный код' 'Мантисса' \
            'Числа в памяти'; do
    has "$keywords" "value=\"$term" || fault "the index has no entry \"$term\""
done

# Every Russian piece of the program's messages, as app/ builds them, is
# quoted in messages.html: the literals of the texts, of the conversion's
# fragments and the start-up failure, each line of them on its own.
messages=$( { cat "$root/app/texts.cpp" "$root/app/convert.cpp" "$root/app/arithmetic.cpp"; grep 'START_FAILURE\[\] =' "$root/app/win/main.cpp"; } |
    grep -o -h '"[^"]*"' | sed 's/^"//; s/"$//; s/\\n/\n/g' | LC_ALL=C grep '[^ -~]')
[ "$(printf '%s\n' "$messages" | grep -c .)" -ge 20 ] || fault "found too few message texts in $root/app"
while IFS= read -r line; do
    [ -n "$line" ] || continue
    has messages.html "$line" || fault "messages.html does not quote the message line \"$line\""
done <<<"$messages"
has messages.html "<pre>Kalvorix $version для Windows " || fault "messages.html does not quote the About box of version $version"

# Key texts of each topic, and the contents' names for them.
while IFS='|' read -r file text; do
    has "$file" "$text" || fault "$file lacks \"$text\""
done <<'EOF'
index.html|калькулятор систем счисления
index.html|от 1 до 3999
window.html|Точность вычислений:
window.html|2-ной, 3-ной, … 16-ной, Римской системы
window.html|2-ную, 3-ную, … 16-ную, Римскую систему
window.html|Перевести
window.html|О программе
window.html|<img src="window.png"
convert.html|обрезается, а не округляется
convert.html|<span class="num">0.00011001</span>
convert.html|0.8 &times; 2 = 1.6
convert.html|точка <span class="num">.</span> или запятая
convert.html|Отрицательные числа
precision.html|от 1 до 1000
roman.html|<span class="num">MMMCMXCIX</span> (3999)
roman.html|<span class="num">XXXIX</span> = 39
roman.html|Правило трёх раз.
roman.html|поле ответа остаётся пустым
memory.html|Шесть команд
memory.html|<td>MC</td><td><kbd>Delete</kbd></td>
memory.html|<td>M&divide;</td>
memory.html|при смене точности
keys.html|<tr><td><kbd>Enter</kbd></td>
keys.html|<tr><td><kbd>Escape</kbd></td>
keys.html|<tr><td><kbd>End</kbd></td>
keys.html|<tr><td><kbd>HOME</kbd></td>
keys.html|<tr><td><kbd>Insert</kbd></td>
keys.html|<tr><td><kbd>Delete</kbd></td>
keys.html|<kbd>*</kbd> на цифровой клавиатуре
keys.html|<tr><td><kbd>F2</kbd></td>
keys.html|<span class="ui">Решение...</span>
keys.html|<tr><td><kbd>F3</kbd></td>
arith.html|<span class="ui">Арифметика...</span>
arith.html|<b>без округления</b>
arith.html|неполное частное
arith.html|<pre class="example">Вычисляем A9<sub>16</sub> + 5F<sub>16</sub> в восьмеричной системе счисления.
arith.html|Точное значение: 0.(3)<sub>10</sub>.
cli.html|<a name="arith">
contents.hhc|value="Арифметика в системах счисления"
solution.html|<kbd>F2</kbd>
solution.html|Решение появится, когда число будет переведено.
solution.html|<span class="num">1011<sub>2</sub> = 1·2<sup>3</sup> + 0·2<sup>2</sup> + 1·2<sup>1</sup> + 1·2<sup>0</sup> = 8 + 0 + 2 + 1 = 11<sub>10</sub></span>
solution.html|<span class="num">900 = CM (1000 - 100)</span>
solution.html|Точное значение: 0.0(0011)<sub>2</sub>.
solution.html|чистая периодическая
solution.html|не больше 10 000 цифр
solution.html|не больше 64 цифр
solution.html|Таблица до 64 строк показывается целиком
settings.html|<code>PREC 8</code>
settings.html|от 1 до 1000
cli.html|kalvorix-cli [-f СИСТЕМА] [-t СИСТЕМА|all] [-p ТОЧНОСТЬ] [--json] [--steps] [ЧИСЛО ...]
cli.html|<code>exact_value</code>
cli.html|Код завершения
contents.hhc|value="Римская система"
contents.hhc|value="Сообщения программы"
contents.hhc|value="Решение и точность"
contents.hhc|value="Числа в памяти компьютера"
keys.html|<tr><td><kbd>F4</kbd></td>
bits.html|<kbd>F4</kbd>
bits.html|<span class="ui">Числа в памяти...</span>
bits.html|<b>Дополнительный код</b>
bits.html|<span class="num">1101 0011</span>
bits.html|<td>binary64</td>
bits.html|единственное место, где Kalvorix округляет
EOF

# The worked examples are the program's own solutions, line for line. A page
# marks bases and exponents with <sub> and <sup>, which the command line
# writes as Unicode subscripts and superscripts.
# example_of PAGE ANCHOR: the first example after the anchor, in the command
# line's marks.
example_of() {
    iconv -f CP1251 -t UTF-8 "$out/$1" |
        awk -v a="<a name=\"$2\">" 'index($0, a) {found = 1}
             found && /<pre class="example">/ {inside = 1; sub(/.*<pre class="example">/, "")}
             inside {if (sub(/<\/pre>.*/, "")) {print; exit} print}' |
        perl -CS -pe 's{<sub>(\d+)</sub>}{join "", map { chr(0x2080 + $_) } split //, $1}ge;
                      s{<sup>([-\d]+)</sup>}{join "", map { $_ eq "-" ? "\x{207B}" : substr("\x{2070}\x{B9}\x{B2}\x{B3}\x{2074}\x{2075}\x{2076}\x{2077}\x{2078}\x{2079}", $_, 1) } split //, $1}ge'
}
if [ -n "$cli" ]; then
    # A conversion's: what kalvorix-cli --steps prints after the result line,
    # without the empty line that ends it.
    solved=$("$cli" --steps -f 10 -t 2 -p 4 11.625 | sed '1d; $d')
    example=$(example_of solution.html example)
    [ -n "$example" ] && [ "$example" = "$solved" ] ||
        fault "the worked example of solution.html differs from kalvorix-cli --steps -f 10 -t 2 -p 4 11.625"
    # Those of numbers in memory: the solution that follows the fields, from
    # its heading on.
    for case in 'codes-example|--code 8 --steps -- -45' 'float-example|--float 32 --steps 0.1'; do
        anchor=${case%%|*}
        # shellcheck disable=SC2086
        printed=$("$cli" ${case#*|})
        solved=$(printf '%s\n' "$printed" | sed -n '/^Прямой, обратный\|^Запись числа/,$p')
        example=$(example_of bits.html "$anchor")
        [ -n "$example" ] && [ "$example" = "$solved" ] || fault "the example #$anchor of bits.html differs from kalvorix-cli ${case#*|}"
    done
    # Those of arithmetic: what follows the result line.
    for case in 'addition|8|A9_16 + 5F_16' 'subtraction|2|1101_2 - 111_2' 'multiplication|16|A9_16 * 5C_16' \
                'division|10|1_3 : 10_3' 'whole|10|17 : 5'; do
        anchor=${case%%|*} rest=${case#*|}
        solved=$("$cli" --arith --steps -t "${rest%%|*}" "${rest#*|}" | sed '1d')
        example=$(example_of arith.html "$anchor")
        [ -n "$example" ] && [ "$example" = "$solved" ] ||
            fault "the example #$anchor of arith.html differs from kalvorix-cli --arith --steps -t ${rest%%|*} '${rest#*|}'"
    done
fi

if [ "$faults" -eq 0 ]; then
    echo "check_chm: $chm: $(printf '%s\n' $files | wc -l) files, Russian, messages and links in order"
fi
[ "$faults" -eq 0 ]
