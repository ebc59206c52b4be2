# Turns the TSV lines of korvan-compare and bench/peers/run.sh into the side-by-side table and the
# check of the performance targets. Fields: name, file, statements, bytes, parse s, round-trip s, status.
BEGIN { FS = "\t" }
{
    key = $2 SUBSEP $1
    if (!($2 in seen)) { seen[$2] = 1; files[++nfiles] = $2 }
    if (!($1 in known)) { known[$1] = 1; names[++nnames] = $1 }
    count[$2] = $3; bytes[$2] = $4; status[key] = $7
    if ($7 == "ok") { parse[key] = $5; trip[key] = $6 }
}
function mbs(file, seconds) { return bytes[file] / seconds / 1e6 }
function rate(file, seconds) { return count[file] / seconds }
# The fastest peer's round-trip time on a file, or 0 when no peer finished it.
function fastest(file,    i, best, k) {
    best = 0
    for (i = 1; i <= nnames; i++) {
        if (names[i] == "Korvan" || names[i] == "bare tokenizer") continue
        k = file SUBSEP names[i]
        if (k in trip && (best == 0 || trip[k] < best)) { best = trip[k]; bestname[file] = names[i] }
    }
    return best
}
END {
    for (f = 1; f <= nfiles; f++) {
        file = files[f]
        printf "\n%s: %d statement(s), %d bytes\n", file, count[file], bytes[file]
        printf "  %-22s %12s %12s %14s %16s\n", "", "parse MB/s", "trip MB/s", "trips/s", "Korvan trip x"
        korvan = file SUBSEP "Korvan"
        for (i = 1; i <= nnames; i++) {
            k = file SUBSEP names[i]
            if (!(k in status)) continue
            if (!(k in trip)) { printf "  %-22s %s\n", names[i], status[k]; continue }
            ratio = (korvan in trip) ? sprintf("%.2f", trip[k] / trip[korvan]) : "-"
            printf "  %-22s %12.2f %12.2f %14.0f %16s\n", names[i], mbs(file, parse[k]), mbs(file, trip[k]), \
                rate(file, trip[k]), ratio
        }
    }
    print "\nTargets"
    for (f = 1; f <= nfiles; f++) {
        file = files[f]
        korvan = file SUBSEP "Korvan"
        if (!(korvan in trip)) continue
        best = fastest(file)
        if (best > 0)
            printf "  %-24s round trip %.1f x the fastest peer (%s)%s\n", file, best / trip[korvan], bestname[file], \
                (file ~ /medium|large|batch/ ? ", target 20" : "")
        tok = file SUBSEP "bare tokenizer"
        if (tok in trip)
            printf "  %-24s round trip %.3f of the bare tokenizer%s\n", file, trip[tok] / trip[korvan], \
                (file ~ /medium|large/ ? ", target 0.25" : "")
        if (file ~ /medium/) medium = trip[korvan] / bytes[file]
        if (file ~ /huge/) huge = trip[korvan] / bytes[file]
    }
    if (medium > 0 && huge > 0)
        printf "  huge statement: %.2f x the medium one's round-trip time per byte, target at most 2\n", huge / medium
}
