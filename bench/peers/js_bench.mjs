// Times the JavaScript / WebAssembly SQL parsers on a file of SELECT
// statements, for the side-by-side comparison with Korvan.
//
//   node js_bench.mjs --peer NAME [--timeout SECONDS] [--budget SECONDS]
//                     [--warmup SECONDS] [--stack-mb MB] FILE
//
// NAME is one of PEERS below.  The script must sit next to the node_modules
// that install.sh prepared (run.sh copies it there), since ES modules are
// resolved from the script's own folder.
//
// Prints one TSV line:
//   peer  file  statements  bytes  parse_seconds  roundtrip_seconds  status
// with bytes the size of the file and the best time of one pass over all
// statements, passes repeated until about --budget seconds (default 1) were
// spent, at least once, after an untimed warm-up of --warmup seconds
// (default 1; see warmup() below).  Loading the module and reading the file
// are not timed.
//
// The work runs in a worker thread so that a pass longer than --timeout
// seconds (default 60) can be cut off (status "timeout"), and so that the
// parsers get a stack of --stack-mb MB (default 64, as pg_query_bench gives
// libpg_query): they recurse once per operator of a chain like
// "a + b + c ...", and Node's own stack of about 1 MB ends such a chain
// after a few thousand.  A statement a parser rejects gives "error: ..."
// and no times.  Exits non-zero only when it cannot run at all.
import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { Worker, isMainThread, parentPort, workerData } from 'node:worker_threads';

const SEPARATOR = '\r\n;\r\n';
const WARMUP_MAX_CHARS = 16 * 1024;
// Warms up the parser when a file holds only huge statements.
const WARMUP_FALLBACK =
  'SELECT t1.c1, upper(t2.c2) AS u2, t1.c3 + t2.c4 * 2 AS total\r\n' +
  'FROM tab1 t1 INNER JOIN tab2 t2 ON t1.c1 = t2.c1 LEFT OUTER JOIN tab3 t3 ON t2.c2 = t3.c2\r\n' +
  "WHERE (t1.c1 = 1 OR t1.c2 IN (1, 2, 3)) AND NOT t2.c5 LIKE 'ab''c%' AND t3.c6 IS NULL\r\n" +
  'GROUP BY t1.c1, t2.c2, t1.c3, t2.c4 HAVING count(*) > 1 ORDER BY t1.c1 DESC';

// Each peer's loader runs once, untimed, and returns { parse, roundtrip },
// both taking one statement; roundtrip returns the regenerated SQL.
const PEERS = {
  // The Rust sqlparser crate built to WebAssembly.  Its JavaScript API has
  // no call that turns a JavaScript AST back into SQL; format() parses and
  // prints the Rust AST inside the module, which is the round trip.  For
  // parse, validate() builds the same Rust AST and drops it, so both columns
  // measure the same parser (parse() would add the cost of copying the whole
  // AST into JavaScript objects, which format() never pays).
  'sqlparser-rs (wasm)': async () => {
    const m = await import('@guanmingchiu/sqlparser-ts');
    await m.init();
    return {
      parse: (sql) => {
        if (m.validate(sql, 'postgresql') !== true) throw new Error('validate() said no');
      },
      roundtrip: (sql) => m.format(sql, 'postgresql'),
    };
  },
  // PostgreSQL mode: standard SQL with double-quoted identifiers (the
  // default MySQL mode takes double quotes as strings).  Only this mode's
  // grammar is loaded.
  'node-sql-parser': async () => {
    const { Parser } = (await import('node-sql-parser/build/postgresql.js')).default;
    const parser = new Parser();
    const opt = { database: 'PostgreSQL' };
    return {
      parse: (sql) => parser.astify(sql, opt),
      roundtrip: (sql) => parser.sqlify(parser.astify(sql, opt), opt),
    };
  },
  'pgsql-ast-parser': async () => {
    const { parse, toSql } = await import('pgsql-ast-parser');
    const one = (sql) => {
      const statements = parse(sql);
      if (statements.length !== 1) throw new Error(`expected one statement, got ${statements.length}`);
      return statements[0];
    };
    return {
      parse: one,
      roundtrip: (sql) => toSql.statement(one(sql)),
    };
  },
};

function fail(message) {
  process.stderr.write(`js_bench: ${message}\n`);
  process.exit(2);
}

function parseArgs(argv) {
  const args = { peer: null, timeout: 60, budget: 1, warmup: 1, stackMb: 64, file: null };
  const number = (name, value, zeroAllowed = false) => {
    const v = Number(value);
    if (value === undefined || value === '' || !(v > 0 || (zeroAllowed && v === 0)))
      fail(`expected a ${zeroAllowed ? 'non-negative' : 'positive'} number after ${name}`);
    return v;
  };
  for (let i = 0; i < argv.length; ++i) {
    const a = argv[i];
    if (a === '--peer') args.peer = argv[++i];
    else if (a === '--timeout') args.timeout = number(a, argv[++i]);
    else if (a === '--budget') args.budget = number(a, argv[++i]);
    else if (a === '--warmup') args.warmup = number(a, argv[++i], true);
    else if (a === '--stack-mb') args.stackMb = number(a, argv[++i]);
    else if (!args.file && !a.startsWith('-')) args.file = a;
    else fail(`unexpected argument ${a}`);
  }
  if (!args.peer || !args.file)
    fail('usage: node js_bench.mjs --peer NAME [--timeout S] [--budget S] [--warmup S] [--stack-mb MB] FILE');
  if (!(args.peer in PEERS)) fail(`unknown peer "${args.peer}"; known: ${Object.keys(PEERS).join(', ')}`);
  return args;
}

// Statements as in the input files: split on the separator line, a trailing
// separator (with or without its last line break) allowed.
function readStatements(file) {
  let text;
  try {
    text = readFileSync(file, 'utf8');
  } catch (e) {
    fail(`${file}: ${e.message}`);
  }
  const bytes = Buffer.byteLength(text, 'utf8');
  if (text.endsWith(SEPARATOR)) text = text.slice(0, -SEPARATOR.length);
  else if (text.endsWith('\r\n;')) text = text.slice(0, -3);
  if (text === '') fail(`no statement in ${file}`);
  const statements = text.split(SEPARATOR);
  const empty = statements.indexOf('');
  if (empty >= 0) fail(`empty statement ${empty + 1} in ${file}`);
  return { statements, bytes };
}

function oneLine(message, max = 200) {
  const s = String(message).replace(/\s+/g, ' ').trim() || '(no message)';
  return s.length > max ? s.slice(0, max - 3) + '...' : s;
}

if (isMainThread) {
  const args = parseArgs(process.argv.slice(2));
  const { statements, bytes } = readStatements(args.file);
  const head = [args.peer, basename(args.file), statements.length, bytes].join('\t');
  let done = false;
  const finish = (rest) => {
    if (done) return;
    done = true;
    process.stdout.write(`${head}\t${rest}\n`);
  };

  const worker = new Worker(new URL(import.meta.url), {
    workerData: { peer: args.peer, statements, budget: args.budget, warmupSeconds: args.warmup },
    resourceLimits: { stackSizeMb: args.stackMb },
  });
  let timer = null;
  const stop = (rest) => {
    clearTimeout(timer);
    finish(rest);
    worker.terminate();
  };
  worker.on('message', (m) => {
    if (m.type === 'pass') {
      clearTimeout(timer);
      timer = setTimeout(() => stop('-\t-\ttimeout'), (args.timeout + (m.extraSeconds ?? 0)) * 1000);
    } else if (m.type === 'ok') {
      stop(`${m.parse.toFixed(9)}\t${m.roundtrip.toFixed(9)}\tok`);
    } else if (m.type === 'error') {
      stop(`-\t-\terror: ${oneLine(m.message)}`);
    }
  });
  worker.on('error', (e) => {
    // Uncaught in the worker: a failed module load, or the worker ran out of memory.
    stop(`-\t-\terror: ${oneLine(`${e.code ? e.code + ': ' : ''}${e.message}`)}`);
  });
  worker.on('exit', (code) => {
    clearTimeout(timer);
    finish(`-\t-\terror: worker exited with code ${code} without a result`);
  });
} else {
  const { peer, statements, budget, warmupSeconds } = workerData;
  const api = await PEERS[peer]();
  const count = statements.length;

  // Returns the duration of one pass, or throws with the failing statement.
  const pass = (run, checkText) => {
    parentPort.postMessage({ type: 'pass' });
    let i = 0;
    const start = process.hrtime.bigint();
    try {
      for (; i < count; ++i) {
        const out = run(statements[i]);
        if (checkText && (typeof out !== 'string' || out.length === 0))
          throw new Error(`regenerated SQL is ${typeof out === 'string' ? 'empty' : typeof out}`);
      }
    } catch (e) {
      const err = new Error(`statement ${i + 1} of ${count}: ${e && e.message !== undefined ? e.message : e}`);
      err.fromStatement = true;
      throw err;
    }
    return Number(process.hrtime.bigint() - start) / 1e9;
  };
  const best = (run, checkText) => {
    let bestTime = Infinity;
    let spent = 0;
    do {
      const t = pass(run, checkText);
      bestTime = Math.min(bestTime, t);
      spent += t;
    } while (spent < budget);
    return bestTime;
  };

  // Untimed warm-up, so that the first timed pass does not pay for the JIT
  // still compiling the parser (node-sql-parser's first pass over 10,000
  // small statements was a third slower than later ones; sqlparser's first
  // pass over a 1.6 MB statement three times slower): round trips over the
  // statements small enough to stop the warm-up on time, or over a small
  // statement of our own when the file has none, until its time is spent.
  const warmup = () => {
    // The time limit holds here too, for the last statement started.
    parentPort.postMessage({ type: 'pass', extraSeconds: warmupSeconds });
    const until = process.hrtime.bigint() + BigInt(Math.round(warmupSeconds * 1e9));
    let small = statements.filter((s) => s.length <= WARMUP_MAX_CHARS);
    if (small.length === 0) small = [WARMUP_FALLBACK];
    for (let i = 0; process.hrtime.bigint() < until; i = (i + 1) % small.length) {
      try {
        api.roundtrip(small[i]);
      } catch {
        return; // the timed passes report it, with the statement's number
      }
    }
  };

  try {
    warmup();
    const parse = best(api.parse, false);
    const roundtrip = best(api.roundtrip, true);
    parentPort.postMessage({ type: 'ok', parse, roundtrip });
  } catch (e) {
    if (!e.fromStatement) throw e;
    parentPort.postMessage({ type: 'error', message: e.message });
  }
}
