/*
 * Times libpg_query (PostgreSQL's own parser and its deparser) on a file of
 * SELECT statements, for the side-by-side comparison with Korvan.
 *
 *   pg_query_bench [--timeout SECONDS] [--budget SECONDS] [--warmup SECONDS]
 *                  [--stack-mb MB] FILE
 *
 * FILE holds statements separated by a line holding only ";" (CR LF line
 * breaks, so the separator is "\r\n;\r\n"; a trailing one is allowed).
 *
 * Prints one TSV line:
 *   libpg_query  file  statements  bytes  parse_seconds  roundtrip_seconds  status
 * bytes being the size of the file and the seconds the best time of one pass
 * over all statements; passes are repeated until about --budget seconds
 * (default 1) have been spent, at least once, after an untimed warm-up of
 * --warmup seconds (default 1) done as in js_bench.mjs, so that all peers
 * are treated alike.  "parse" is pg_query_parse_protobuf, "roundtrip" is
 * that plus pg_query_deparse_protobuf; freeing the results is timed in both.
 * A pass longer than --timeout seconds (default 60) ends the run with status
 * "timeout"; a statement the parser rejects gives "error: ..." and no times.
 *
 * The work runs on a thread with a stack of --stack-mb MB (default 64, as
 * the JavaScript peers get): the deparser recurses once per operator of a
 * chain like "a + b + c ...", and overflows 8 MB near 4,500 of them.
 * Exits non-zero only when it cannot run at all (bad arguments, unreadable
 * or empty file).
 */
#define _POSIX_C_SOURCE 200809L

#include <pg_query.h>

#include <errno.h>
#include <pthread.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#define PEER "libpg_query"
#define SEPARATOR "\r\n;\r\n"
#define WARMUP_MAX_CHARS (16 * 1024)

/* Warms up the parser when a file holds only huge statements. */
static char warmup_fallback[] =
    "SELECT t1.c1, upper(t2.c2) AS u2, t1.c3 + t2.c4 * 2 AS total\r\n"
    "FROM tab1 t1 INNER JOIN tab2 t2 ON t1.c1 = t2.c1 LEFT OUTER JOIN tab3 t3 ON t2.c2 = t3.c2\r\n"
    "WHERE (t1.c1 = 1 OR t1.c2 IN (1, 2, 3)) AND NOT t2.c5 LIKE 'ab''c%' AND t3.c6 IS NULL\r\n"
    "GROUP BY t1.c1, t2.c2, t1.c3, t2.c4 HAVING count(*) > 1 ORDER BY t1.c1 DESC";

static char head_line[4096]; /* "peer\tfile\tstatements\tbytes" */
static char timeout_line[4200];
static size_t timeout_line_len;

static void die(const char *what, const char *detail)
{
    fprintf(stderr, "pg_query_bench: %s%s%s\n", what, detail ? ": " : "", detail ? detail : "");
    exit(2);
}

static double now_seconds(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec + (double)ts.tv_nsec / 1e9;
}

static void on_alarm(int sig)
{
    (void)sig;
    /* Only async-signal-safe calls here: the line was prepared beforehand. */
    ssize_t ignored = write(STDOUT_FILENO, timeout_line, timeout_line_len);
    (void)ignored;
    _exit(0);
}

static void arm_pass_timer(double seconds)
{
    struct itimerval it;
    memset(&it, 0, sizeof it);
    it.it_value.tv_sec = (time_t)seconds;
    it.it_value.tv_usec = (suseconds_t)((seconds - (double)(time_t)seconds) * 1e6);
    if (it.it_value.tv_sec == 0 && it.it_value.tv_usec == 0)
        it.it_value.tv_usec = 1;
    if (setitimer(ITIMER_REAL, &it, NULL) != 0)
        die("setitimer failed", strerror(errno));
}

static void disarm_pass_timer(void)
{
    struct itimerval it;
    memset(&it, 0, sizeof it);
    setitimer(ITIMER_REAL, &it, NULL);
}

/* Keeps a message on one short TSV-safe line. */
static void short_message(char *out, size_t cap, const char *msg)
{
    size_t n = 0;
    for (const char *p = msg ? msg : "(no message)"; *p && n + 1 < cap; ++p)
        out[n++] = (*p == '\t' || *p == '\r' || *p == '\n') ? ' ' : *p;
    out[n] = '\0';
    if (n + 1 == cap && n > 3)
        memcpy(out + n - 3, "...", 3);
}

static void report_error(size_t index, size_t count, const char *stage, const PgQueryError *err)
{
    char msg[200];
    short_message(msg, sizeof msg, err->message);
    printf("%s\t-\t-\terror: statement %zu of %zu: %s: %s (at offset %d)\n", head_line, index + 1, count,
           stage, msg, err->cursorpos);
    fflush(stdout);
    exit(0);
}

/* One pass over all statements; returns its duration in seconds. */
static double run_pass(char **stmts, size_t count, int roundtrip, double timeout)
{
    arm_pass_timer(timeout);
    double start = now_seconds();
    for (size_t i = 0; i < count; ++i) {
        PgQueryProtobufParseResult parsed = pg_query_parse_protobuf(stmts[i]);
        if (parsed.error)
            report_error(i, count, "parse", parsed.error);
        if (roundtrip) {
            PgQueryDeparseResult sql = pg_query_deparse_protobuf(parsed.parse_tree);
            if (sql.error)
                report_error(i, count, "deparse", sql.error);
            if (!sql.query || !sql.query[0]) {
                printf("%s\t-\t-\terror: statement %zu of %zu: deparse gave no text\n", head_line, i + 1, count);
                exit(0);
            }
            pg_query_free_deparse_result(sql);
        }
        pg_query_free_protobuf_parse_result(parsed);
    }
    double elapsed = now_seconds() - start;
    disarm_pass_timer();
    return elapsed;
}

/* Round trips over the statements small enough to stop on time (or over a
 * small one of our own when the file has none), cycling until the warm-up
 * time is spent. */
static void warm_up(char **stmts, size_t count, double seconds, double timeout)
{
    if (seconds <= 0.0)
        return;
    char *fallback[1] = {warmup_fallback};
    int any = 0;
    for (size_t i = 0; i < count && !any; ++i)
        any = strlen(stmts[i]) <= WARMUP_MAX_CHARS;
    if (!any) {
        stmts = fallback;
        count = 1;
    }
    arm_pass_timer(seconds + timeout); /* the last statement may start just before the end */
    const double until = now_seconds() + seconds;
    for (size_t i = 0;; i = (i + 1) % count) {
        if (strlen(stmts[i]) <= WARMUP_MAX_CHARS) {
            PgQueryProtobufParseResult parsed = pg_query_parse_protobuf(stmts[i]);
            const int rejected = parsed.error != NULL;
            if (!rejected) {
                PgQueryDeparseResult sql = pg_query_deparse_protobuf(parsed.parse_tree);
                pg_query_free_deparse_result(sql);
            }
            pg_query_free_protobuf_parse_result(parsed);
            if (rejected)
                break; /* the timed passes report it, with the statement's number */
        }
        if (now_seconds() >= until)
            break;
    }
    disarm_pass_timer();
}

static double best_of_passes(char **stmts, size_t count, int roundtrip, double timeout, double budget)
{
    double best = -1.0, spent = 0.0;
    do {
        double t = run_pass(stmts, count, roundtrip, timeout);
        if (best < 0.0 || t < best)
            best = t;
        spent += t;
    } while (spent < budget);
    return best;
}

struct bench_job {
    char **stmts;
    size_t count;
    double timeout, budget, warmup;
};

static void *run_bench(void *arg)
{
    const struct bench_job *job = arg;
    warm_up(job->stmts, job->count, job->warmup, job->timeout);
    double parse = best_of_passes(job->stmts, job->count, 0, job->timeout, job->budget);
    double roundtrip = best_of_passes(job->stmts, job->count, 1, job->timeout, job->budget);
    printf("%s\t%.9f\t%.9f\tok\n", head_line, parse, roundtrip);
    return NULL; /* libpg_query frees its memory context as the thread ends */
}

static double parse_number_arg(const char *name, const char *value, int zero_allowed)
{
    char *end = NULL;
    double v = value ? strtod(value, &end) : 0.0;
    if (!value || end == value || *end != '\0' || !(v > 0.0 || (zero_allowed && v == 0.0)))
        die("expected a number after", name);
    return v;
}

int main(int argc, char **argv)
{
    double timeout = 60.0, budget = 1.0, warmup = 1.0, stack_mb = 64.0;
    const char *path = NULL;
    for (int i = 1; i < argc; ++i) {
        const char *value = i + 1 < argc ? argv[i + 1] : NULL;
        if (strcmp(argv[i], "--timeout") == 0)
            timeout = parse_number_arg(argv[i++], value, 0);
        else if (strcmp(argv[i], "--budget") == 0)
            budget = parse_number_arg(argv[i++], value, 0);
        else if (strcmp(argv[i], "--warmup") == 0)
            warmup = parse_number_arg(argv[i++], value, 1);
        else if (strcmp(argv[i], "--stack-mb") == 0)
            stack_mb = parse_number_arg(argv[i++], value, 0);
        else if (!path && argv[i][0] != '-')
            path = argv[i];
        else
            die("usage: pg_query_bench [--timeout SECONDS] [--budget SECONDS] [--warmup SECONDS] [--stack-mb MB] FILE", NULL);
    }
    if (!path)
        die("usage: pg_query_bench [--timeout SECONDS] [--budget SECONDS] [--warmup SECONDS] [--stack-mb MB] FILE", NULL);

    FILE *f = fopen(path, "rb");
    if (!f)
        die(path, strerror(errno));
    if (fseek(f, 0, SEEK_END) != 0)
        die(path, strerror(errno));
    long size = ftell(f);
    if (size < 0)
        die(path, strerror(errno));
    rewind(f);
    char *text = malloc((size_t)size + 1);
    if (!text)
        die("out of memory reading", path);
    if (fread(text, 1, (size_t)size, f) != (size_t)size)
        die(path, "short read");
    fclose(f);
    text[size] = '\0';

    /* Split in place: every separator's first byte becomes the terminator. */
    size_t cap = 64, count = 0;
    char **stmts = malloc(cap * sizeof *stmts);
    const size_t sep_len = strlen(SEPARATOR);
    char *cur = text;
    for (;;) {
        char *sep = strstr(cur, SEPARATOR);
        if (sep)
            *sep = '\0';
        else {
            /* A last separator without its final line break still ends the file. */
            size_t len = strlen(cur);
            if (len >= 3 && strcmp(cur + len - 3, "\r\n;") == 0)
                cur[len - 3] = '\0';
        }
        if (*cur != '\0' || sep) {
            if (*cur == '\0')
                die("empty statement in", path);
            if (count == cap)
                stmts = realloc(stmts, (cap *= 2) * sizeof *stmts);
            if (!stmts)
                die("out of memory splitting", path);
            stmts[count++] = cur;
        }
        if (!sep)
            break;
        cur = sep + sep_len;
    }
    if (count == 0)
        die("no statement in", path);

    const char *base = strrchr(path, '/');
    base = base ? base + 1 : path;
    snprintf(head_line, sizeof head_line, "%s\t%s\t%zu\t%ld", PEER, base, count, size);
    timeout_line_len = (size_t)snprintf(timeout_line, sizeof timeout_line, "%s\t-\t-\ttimeout\n", head_line);

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_alarm;
    sigaction(SIGALRM, &sa, NULL);

    struct bench_job job = {stmts, count, timeout, budget, warmup};
    pthread_attr_t attr;
    pthread_t thread;
    int rc = pthread_attr_init(&attr);
    if (rc == 0)
        rc = pthread_attr_setstacksize(&attr, (size_t)(stack_mb * 1024.0 * 1024.0));
    if (rc == 0)
        rc = pthread_create(&thread, &attr, run_bench, &job);
    if (rc == 0)
        rc = pthread_join(thread, NULL);
    if (rc != 0)
        die("cannot run the benchmark thread", strerror(rc));
    pthread_attr_destroy(&attr);
    free(stmts);
    free(text);
    return 0;
}
