#!/usr/bin/env bash
# Prints the address of the Debian archive this machine's apt sources take Debian's own releases
# from, so that the set-up reaches the same mirror or proxy as apt does, behind any of them. Both
# of apt's formats are read: one-line entries (sources.list, *.list) and deb822 (*.sources). An
# entry counts when one of its suites is a Debian release or its updates, not security's.
set -euo pipefail
release='^(bookworm|trixie|forky|sid|oldstable|stable|testing|unstable)(-updates)?$'
shopt -s nullglob
lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
deb822=(/etc/apt/sources.list.d/*.sources)
mirror=$(
    {
        if ((${#lists[@]} > 0)); then
            # deb [ options ] URI SUITE COMPONENT...
            awk -v release="$release" '$1 == "deb" {
                i = 2
                if ($i ~ /^\[/) { while ($i !~ /\]$/ && i < NF) i++; i++ }
                if ($(i + 1) ~ release) print $i
            }' "${lists[@]}" 2>/dev/null
        fi
        if ((${#deb822[@]} > 0)); then
            # Paragraphs of fields; an entry's URIs and Suites may each hold several words.
            awk -v release="$release" 'BEGIN { RS = ""; FS = "\n" } {
                types = uris = suites = ""
                for (f = 1; f <= NF; f++) {
                    if ($f ~ /^Types:/) types = substr($f, 7)
                    else if ($f ~ /^URIs:/) uris = substr($f, 6)
                    else if ($f ~ /^Suites:/) suites = substr($f, 8)
                }
                if (types !~ /(^| )deb( |$)/) next
                n = split(suites, each, " ")
                for (s = 1; s <= n; s++) if (each[s] ~ release) { split(uris, uri, " "); print uri[1]; break }
            }' "${deb822[@]}" 2>/dev/null
        fi
    } | head -n 1
)
if [[ -z $mirror ]]; then
    echo "debian-mirror.sh: no Debian archive found in this machine's apt sources" >&2
    exit 1
fi
echo "${mirror%/}"
