#!/usr/bin/env python3
"""kalvorix-cli against independent implementations of the same arithmetic:
GMP (through gmpy2, the reference), GNU bc and Python's own integers (int()
and format()).

Every workload is converted by all of them and the digits must agree, so the
run is also a cross-check of the converter; a mismatch ends it with status 1.
Processes are set against processes; the core inside its process (core_bench,
on random digits of the same lengths) against GMP's conversion inside its
process and Python's integers in this one. The batch workload, a million short
numbers on standard input, is set against a four-line Python script.

    python3 bench/peers.py [--cli PATH] [--bench PATH] [--repeat N] [--plot FILE]
        times every workload (best of N runs) and draws the plot with gnuplot
    python3 bench/peers.py --check [--cli PATH]
        the cross-check alone, on small inputs, in a few seconds
    python3 bench/peers.py --cli build/m32/cli/kalvorix-cli --bench - --without bc,python
        another build (here the 32-bit one) beside GMP alone

A fraction is expanded exactly and cut after PREC digits, as the program does:
its peers compute floor(N * B^PREC / A^k) for the k digits N of base A.
GMP is Debian's python3-gmpy2, for whichever python3 has it (this one, or the
system's /usr/bin/python3); without it the GMP columns stay empty.
"""
import argparse
import inspect
import json
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SEED = 1729
DIGITS = "0123456789ABCDEF"
# 32767: the longest number the window takes; core_bench's Lengths are the same.
LENGTHS = (1024, 2048, 4096, 8192, 16384, 32767, 100000, 300000, 1000000)
WHOLE = ((10, 2), (10, 16), (16, 10), (7, 11))  # (from, to) of the timed whole numbers
BC_ENV = dict(os.environ, BC_LINE_LENGTH="0")  # one line per number, however long
CLI, CORE, PYTHON = "kalvorix-cli", "kalvorix core in-process", "Python in-process"
GMP, GMP_CORE = "GMP process", "GMP in-process"
NAMES = [CLI, GMP, "bc", "Python process", CORE, GMP_CORE, PYTHON]
# (measured, against): the first's time as a multiple of the second's.
RATIOS = ((CLI, GMP), (CORE, GMP_CORE), (CLI, "bc"), (CLI, "Python process"), (CORE, PYTHON))
BATCH_LINES = 1000000


@dataclass(frozen=True)
class Workload:
    source: int
    target: int
    text: str
    precision: int = 4

    def label(self):
        whole, _, fraction = self.text.partition(".")
        size = f"{len(whole)}-digit" if not fraction else f"{len(fraction)}-digit fraction"
        cut = f", precision {self.precision}" if fraction else ""
        return f"{size} base {self.source} to base {self.target}{cut}"

    def core_name(self):
        """Its core_bench counterpart: WholeNumber/A/B/DIGITS, or Fraction/A/B for
        the fractions, which core_bench cuts at 1000 digits of 1000."""
        if "." in self.text:
            return f"Fraction/{self.source}/{self.target}"
        return f"WholeNumber/{self.source}/{self.target}/{len(self.text)}"

    def length(self):
        return len(self.text)


def number(source, whole, fraction=0):
    """A random number of base source, the same on every run, with whole digits
    before the point (the first not 0; none gives "0") and fraction after it."""
    rng = random.Random(f"{SEED}:{source}:{whole}:{fraction}")
    digits = DIGITS[:source]
    text = rng.choice(digits[1:]) + "".join(rng.choices(digits, k=whole - 1)) if whole else "0"
    return text + "." + "".join(rng.choices(digits, k=fraction)) if fraction else text


def python_convert(text, source, target, precision):
    """The whole digits of text in target and its fraction's first precision
    digits ("" for a whole number). Runs in this process and, by its source
    text, in a fresh interpreter: it uses nothing outside itself."""
    spec = {2: "b", 8: "o", 10: "d", 16: "X"}.get(target)

    def write(n):
        if spec:
            return format(n, spec)
        out = ""
        while True:
            n, d = divmod(n, target)
            out = "0123456789ABCDEF"[d] + out
            if not n:
                return out

    if "." not in text:
        return write(int(text, source)), ""
    whole, fraction = text.split(".")
    scale = target**precision
    q = int(whole + fraction, source) * scale // source ** len(fraction)
    return write(q // scale), write(q % scale).zfill(precision)


PYTHON_PROCESS = inspect.getsource(python_convert) + """
import sys
if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)
source, target, precision = map(int, sys.argv[1:])
print(*python_convert(sys.stdin.read().strip(), source, target, precision), sep="\\n")
"""

# The same arithmetic on GMP's integers; the time of the conversion alone
# (after reading, before writing) goes to standard error.
GMP_PROCESS = """
import sys, time
import gmpy2
source, target, precision = map(int, sys.argv[1:])
text = sys.stdin.read().strip()
start = time.perf_counter()


def write(n):
    digits = n.digits(target)
    return (digits[2:] if digits[:2] in ("0b", "0o", "0x") else digits).upper()


if "." not in text:
    lines = [write(gmpy2.mpz(text, source))]
else:
    whole, fraction = text.split(".")
    scale = gmpy2.mpz(target) ** precision
    q = gmpy2.mpz(whole + fraction, source) * scale // gmpy2.mpz(source) ** len(fraction)
    lines = [write(q // scale), write(q % scale).zfill(precision)]
took = time.perf_counter() - start
sys.stdout.write("\\n".join(lines) + "\\n")
sys.stderr.write(repr(took) + "\\n")
"""

# The batch workload's peer: every line of standard input in base 16.
PYTHON_BATCH = """
import sys
for line in sys.stdin:
    sys.stdout.write(format(int(line), "X") + "\\n")
"""


def bc_program(w):
    """bc reads the digits in base A (ibase), computes in decimal after
    "ibase=A" (one digit keeps its value in any base) and prints in base B."""
    head = f"obase={w.target}\nibase={w.source}\n"
    if "." not in w.text:
        return head + w.text + "\n"
    whole, fraction = w.text.split(".")
    scale = f"{w.target}^{w.precision}"
    return head + f"n={whole}{fraction}\nibase=A\nq=n*{scale}/{w.source}^{len(fraction)}\nq/{scale}\nq%{scale}\n"


def compose(whole, fraction):
    """The program's form of a result: trailing zeros and a bare point dropped."""
    fraction = fraction.rstrip("0")
    return whole + "." + fraction if fraction else whole


@dataclass
class Run:
    stdout: str
    stderr: str
    peak_kib: int  # the largest resident set, when measured; else 0


def run(command, stdin, env=None, peak=False):
    """Runs command to its end; with peak, under GNU time for its largest
    resident set (the rusage of this process's own child would count the
    forked interpreter's memory too)."""
    with tempfile.TemporaryDirectory() as tmp:
        report = Path(tmp, "peak")
        prefix = ["time", "-q", "-o", str(report), "-f", "%M"] if peak else []
        done = subprocess.run(prefix + command, input=stdin, capture_output=True, text=True, env=env, check=False)
        kib = int(report.read_text().split()[-1]) if peak else 0
    if done.returncode != 0:
        sys.exit(f"{command[0]} failed ({done.returncode}): {done.stderr.strip()}")
    return Run(done.stdout, done.stderr, kib)


def gmp_python():
    """A python3 that has gmpy2, or None."""
    for candidate in (sys.executable, "/usr/bin/python3", shutil.which("python3")):
        if candidate and subprocess.run([candidate, "-c", "import gmpy2"], capture_output=True).returncode == 0:
            return candidate
    return None


def slow_for(name, w, check):
    """Peers whose growth is quadratic with a large constant run only up to
    where a run still takes seconds, not minutes (a second in all for the
    cross-check alone)."""
    if name == "bc":
        return w.length() > (1000 if check else 32767)
    if name in ("Python process", PYTHON):
        return w.length() > (32767 if w.target not in (2, 8, 10, 16) else 300000)
    return False


def cli_command(w, cli):
    return [cli, "-f", str(w.source), "-t", str(w.target), "-p", str(w.precision)]


def peers(w, cli, gmp, check=False, without=()):
    """name -> function giving (the result of w in the program's form, its Run
    or None); peers too slow for w, and those of without ("bc", "python"), are
    left out."""
    fractional = "." in w.text

    def from_lines(lines):
        return compose(lines[0], lines[1].zfill(w.precision) if fractional else "")

    def by_bc():
        done = run(["bc", "-q"], bc_program(w), BC_ENV)
        return from_lines(done.stdout.split("\n")), done

    def by_process(command):
        done = run(command, w.text)
        return from_lines(done.stdout.split("\n")), done

    def by_cli():
        done = run(cli_command(w, cli), w.text + "\n")
        return done.stdout.strip(), done

    source, target, precision = str(w.source), str(w.target), str(w.precision)
    calls = {
        CLI: by_cli,
        "bc": by_bc,
        "Python process": lambda: by_process([sys.executable, "-c", PYTHON_PROCESS, source, target, precision]),
        PYTHON: lambda: (compose(*python_convert(w.text, w.source, w.target, w.precision)), None),
    }
    if gmp:
        calls[GMP] = lambda: by_process([gmp, "-c", GMP_PROCESS, source, target, precision])
    left_out = {"bc": ("bc",), "python": ("Python process", PYTHON)}
    skipped = {name for peer in without for name in left_out[peer]}
    return {name: call for name, call in calls.items() if not slow_for(name, w, check) and name not in skipped}


def core_times(bench):
    """core_bench's wall time per run, in seconds, by benchmark name."""
    report = json.loads(run([bench, "--benchmark_filter=^(WholeNumber|Fraction)/", "--benchmark_format=json"], "").stdout)
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return {b["name"]: b["real_time"] * scale[b["time_unit"]] for b in report["benchmarks"]}


def best_time(call, repeat, budget):
    """The fastest of repeat calls' wall times, fewer (two at least) once budget
    seconds are spent; a call of a few milliseconds, where the noise of starting
    a process weighs most, is repeated for a quarter of a second (100 at most).
    Returns (seconds, result, the fastest call's Run)."""
    times, best = [], None
    while len(times) < 2 or (len(times) < repeat and sum(times) < budget) or (sum(times) < 0.25 and len(times) < 100):
        start = time.perf_counter()
        result, done = call()
        times.append(time.perf_counter() - start)
        if times[-1] == min(times):
            best = (result, done)
    return min(times), best[0], best[1]


def cross_check(label, results):
    """Exits with status 1 unless every peer's digits are the program's."""
    expected = results[CLI]
    for name, got in results.items():
        if got != expected:
            at = next((k for k, (a, b) in enumerate(zip(got, expected)) if a != b), min(len(got), len(expected)))
            sys.exit(f"MISMATCH on {label}: {name} gives {len(got)} characters, kalvorix-cli "
                     f"{len(expected)}; first difference at character {at}: "
                     f"{got[at:at + 20]!r} against {expected[at:at + 20]!r}")


def check_workloads():
    fixed = [(10, 2, "0", 4), (10, 16, "255", 4), (10, 2, "0.5", 100), (10, 2, "0.0001", 3),
             (3, 10, "0.1", 100), (16, 10, "FF.8", 4)]
    whole = [(10, 2), (10, 16), (16, 10), (16, 3), (2, 10), (15, 11), (7, 13), (7, 11)]
    fractions = [(10, 2, 0, 100), (3, 16, 0, 100), (16, 15, 0, 300), (10, 7, 40, 60), (12, 5, 50, 50)]
    return ([Workload(*f) for f in fixed] + [Workload(a, b, number(a, 300)) for a, b in whole]
            + [Workload(a, b, number(a, 20000)) for a, b in WHOLE]
            + [Workload(a, b, number(a, n, k), 100) for a, b, n, k in fractions])


def series(source, target):
    return [Workload(source, target, number(source, n)) for n in LENGTHS]


def timed_workloads():
    """A one-digit number first: the cost of starting each process."""
    whole = [w for source, target in WHOLE for w in series(source, target)]
    fractions = [Workload(10, 2, number(10, 0, 1000), 1000), Workload(3, 16, number(3, 0, 1000), 1000)]
    return [Workload(10, 2, "1")] + whole + fractions


def batch_input():
    """BATCH_LINES decimal numbers of 1 to 19 digits, the same on every run."""
    rng = random.Random(f"{SEED}:batch")
    lengths = rng.choices(range(1, 20), k=BATCH_LINES)
    return "".join(str(rng.randrange(10 ** (n - 1), 10 ** n)) + "\n" for n in lengths)


def time_batch(cli, repeat, budget, with_script):
    """(kalvorix-cli's seconds, the script's seconds or None, kalvorix-cli's peak KiB)."""
    text = batch_input()
    cli_time, cli_out, _ = best_time(lambda: (lambda d: (d.stdout, d))(run([cli, "-t", "16"], text)), repeat, budget)
    script_time = None
    if with_script:
        script_time, script_out, _ = best_time(
            lambda: (lambda d: (d.stdout, d))(run([sys.executable, "-c", PYTHON_BATCH], text)), repeat, budget)
        cross_check("the batch", {CLI: cli_out, "Python script": script_out})
    return cli_time, script_time, run([cli, "-t", "16"], text, peak=True).peak_kib


def print_table(rows, peaks):
    """Milliseconds ("-" where a peer was not run or has no counterpart), the
    ratios, and kalvorix-cli's peak memory."""
    def ms(times, name):
        return f"{times[name] * 1000:.2f}" if name in times else "-"

    def ratio(times, measured, against):
        return f"{times[measured] / times[against]:.2f}" if measured in times and against in times else "-"

    print("| Workload | " + " | ".join(f"{n} (ms)" for n in NAMES)
          + " | " + " | ".join(f"{m} / {a}" for m, a in RATIOS) + " | kalvorix-cli peak (MiB) |")
    print("|---" * (2 + len(NAMES) + len(RATIOS)) + "|")
    for w, times in rows.items():
        print(f"| {w.label()} | " + " | ".join(ms(times, n) for n in NAMES)
              + " | " + " | ".join(ratio(times, m, a) for m, a in RATIOS) + f" | {peaks[w] / 1024:.1f} |")


def plot(rows, output):
    terminals = subprocess.run(["gnuplot", "-e", "set terminal"], capture_output=True, text=True, check=False)
    terminal = "pngcairo" if "pngcairo" in terminals.stdout + terminals.stderr else "png"
    names = [n for n in NAMES if n != PYTHON]
    with tempfile.TemporaryDirectory() as tmp:
        data = Path(tmp, "times.dat")
        blocks = [f"# base {source} to base {target}\n"
                  + "\n".join(f"{w.length()} " + " ".join(f"{rows[w][n] * 1000:.4f}" if n in rows[w] else "NaN"
                                                         for n in names)
                              for w in series(source, target))
                  for source, target in WHOLE]
        data.write_text("\n\n\n".join(blocks) + "\n")
        script = [f"set terminal {terminal} size 1600,1200", f"set output '{output}'",
                  "set multiplot layout 2,2 title 'Whole numbers: wall time against input length (log-log)'",
                  "set logscale xy", "set grid", "set key top left", "set xrange [800:1300000]",
                  "set format x '10^{%L}'", "set format y '10^{%L}'",
                  "set xlabel 'digits of the input'", "set ylabel 'time (ms)'"]
        for index, (source, target) in enumerate(WHOLE):
            curves = [f"'{data}' index {index} using 1:{k + 2} with linespoints lw 2 title '{n}'"
                      for k, n in enumerate(names)]
            script += [f"set title 'base {source} to base {target}'", "plot " + ", ".join(curves)]
        script.append("unset multiplot")
        Path(tmp, "times.gp").write_text("\n".join(script) + "\n")
        subprocess.run(["gnuplot", str(Path(tmp, "times.gp"))], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", default=str(ROOT / "build/release/cli/kalvorix-cli"))
    parser.add_argument("--bench", default=str(ROOT / "build/release/bench/core_bench"),
                        help="core_bench, or - for none (the in-process columns stay empty)")
    parser.add_argument("--check", action="store_true", help="only the cross-check, on small inputs")
    parser.add_argument("--repeat", type=int, default=5, help="runs per measurement, the fastest counts")
    parser.add_argument("--budget", type=float, default=10.0,
                        help="seconds after which a measurement stops repeating (after two runs)")
    parser.add_argument("--plot", default=str(ROOT / "docs/performance.png"))
    parser.add_argument("--without", default="", help="peers to leave out: bc, python, or both with a comma")
    args = parser.parse_args()
    without = [peer for peer in args.without.split(",") if peer]
    if any(peer not in ("bc", "python") for peer in without):
        sys.exit(f"--without takes bc and python, not {args.without}")
    if hasattr(sys, "set_int_max_str_digits"):
        sys.set_int_max_str_digits(0)
    bench = None if args.bench == "-" else args.bench
    tools = [args.cli] + ([] if "bc" in without else ["bc"])
    for tool in tools + ([] if args.check else [t for t in (bench, "gnuplot", "time") if t]):
        if not shutil.which(tool):
            sys.exit(f"{tool} not found (Debian: apt-get install bc gnuplot-nox time python3-gmpy2)")
    gmp = gmp_python()
    if not gmp:
        print("no python3 with gmpy2 (Debian: apt-get install python3-gmpy2): no GMP columns", file=sys.stderr)

    if args.check:
        workloads = check_workloads()
        for w in workloads:
            cross_check(w.label(),
                        {name: call()[0] for name, call in peers(w, args.cli, gmp, True, without).items()})
        print(f"{len(workloads)} workloads: kalvorix-cli, {'GMP, ' if gmp else ''}bc and Python agree")
        return

    core = {}
    if bench:
        print("timing the core with core_bench", file=sys.stderr, flush=True)
        core = core_times(bench)
    rows, peaks = {}, {}
    for w in timed_workloads():
        print(f"timing {w.label()}", file=sys.stderr, flush=True)
        measured = {name: best_time(call, args.repeat, args.budget)
                    for name, call in peers(w, args.cli, gmp, False, without).items()}
        cross_check(w.label(), {name: result for name, (_, result, _) in measured.items()})
        rows[w] = {name: seconds for name, (seconds, _, _) in measured.items()}
        peaks[w] = run(cli_command(w, args.cli), w.text + "\n", peak=True).peak_kib  # apart: time's own start is not timed
        if GMP in measured:
            rows[w][GMP_CORE] = float(measured[GMP][2].stderr)
        if w.core_name() in core:
            rows[w][CORE] = core[w.core_name()]
    print_table(rows, peaks)
    print(f"timing the batch: {BATCH_LINES} lines of up to 19 decimal digits to base 16", file=sys.stderr, flush=True)
    cli_time, script_time, peak = time_batch(args.cli, args.repeat, args.budget, "python" not in without)
    script = f"{script_time * 1000:.0f} | {script_time / cli_time:.2f}" if script_time else "- | -"
    print(f"\n| Batch, {BATCH_LINES} lines to base 16 | kalvorix-cli (ms) | Python script (ms) "
          "| Python script / kalvorix-cli | kalvorix-cli peak (MiB) |\n|---|---|---|---|---|\n"
          f"| up to 19 decimal digits each | {cli_time * 1000:.0f} | {script} | {peak / 1024:.1f} |")
    plot(rows, args.plot)
    print(f"all workloads agree; plot written to {args.plot}")


if __name__ == "__main__":
    main()
