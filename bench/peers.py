#!/usr/bin/env python3
"""kalvorix-cli against two independent implementations of the same arithmetic:
GNU bc and Python's own integers (int() and format()).

Every workload is converted by all of them and the digits must agree, so the
run is also a cross-check of the converter; a mismatch ends it with status 1.
Processes are set against processes; the core inside its process (core_bench,
on random digits of the same lengths) against Python's integers in this one.

    python3 bench/peers.py [--cli PATH] [--bench PATH] [--repeat N] [--plot FILE]
        times every workload (best of N runs) and draws the plot with gnuplot
    python3 bench/peers.py --check [--cli PATH]
        the cross-check alone, on small inputs, in a few seconds

A fraction is expanded exactly and cut after PREC digits, as the program does:
its peers compute floor(N * B^PREC / A^k) for the k digits N of base A.
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
LENGTHS = (1024, 2048, 4096, 8192, 16384, 32767)  # 32767: the longest number the window takes
WHOLE = ((10, 2), (10, 16), (16, 10))  # (from, to) of the timed whole numbers
BC_ENV = dict(os.environ, BC_LINE_LENGTH="0")  # one line per number, however long
CLI, CORE, PYTHON = "kalvorix-cli", "kalvorix core in-process", "Python in-process"
RATIOS = (("bc", CLI), ("Python process", CLI), (PYTHON, CORE))  # (peer, measured against)


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


def run(command, stdin, env=None):
    done = subprocess.run(command, input=stdin, capture_output=True, text=True, env=env, check=False)
    if done.returncode != 0:
        sys.exit(f"{command[0]} failed ({done.returncode}): {done.stderr.strip()}")
    return done.stdout


def peers(w, cli):
    """name -> function giving the result of w in the program's form."""
    fractional = "." in w.text

    def from_lines(lines):
        return compose(lines[0], lines[1].zfill(w.precision) if fractional else "")

    def by_bc():
        return from_lines(run(["bc", "-q"], bc_program(w), BC_ENV).split("\n"))

    source, target, precision = str(w.source), str(w.target), str(w.precision)
    python = [sys.executable, "-c", PYTHON_PROCESS, source, target, precision]
    return {
        CLI: lambda: run([cli, "-f", source, "-t", target, "-p", precision], w.text + "\n").strip(),
        "bc": by_bc,
        "Python process": lambda: from_lines(run(python, w.text).split("\n")),
        PYTHON: lambda: compose(*python_convert(w.text, w.source, w.target, w.precision)),
    }


def core_times(bench):
    """core_bench's wall time per run, in seconds, by benchmark name."""
    report = json.loads(run([bench, "--benchmark_filter=^(WholeNumber|Fraction)/", "--benchmark_format=json"], ""))
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return {b["name"]: b["real_time"] * scale[b["time_unit"]] for b in report["benchmarks"]}


def best_time(call, repeat, budget):
    """The fastest of repeat calls' wall times, fewer (two at least) once budget
    seconds are spent; a call of a few milliseconds, where the noise of starting
    a process weighs most, is repeated for a quarter of a second (100 at most)."""
    times = []
    while len(times) < 2 or (len(times) < repeat and sum(times) < budget) or (sum(times) < 0.25 and len(times) < 100):
        start = time.perf_counter()
        result = call()
        times.append(time.perf_counter() - start)
    return min(times), result


def cross_check(w, results):
    """Exits with status 1 unless every peer's digits are the program's."""
    expected = results[CLI]
    for name, got in results.items():
        if got != expected:
            at = next((k for k, (a, b) in enumerate(zip(got, expected)) if a != b), min(len(got), len(expected)))
            sys.exit(f"MISMATCH on {w.label()}: {name} gives {len(got)} characters, kalvorix-cli "
                     f"{len(expected)}; first difference at character {at}: "
                     f"{got[at:at + 20]!r} against {expected[at:at + 20]!r}")


def check_workloads():
    fixed = [(10, 2, "0", 4), (10, 16, "255", 4), (10, 2, "0.5", 100), (10, 2, "0.0001", 3),
             (3, 10, "0.1", 100), (16, 10, "FF.8", 4)]
    whole = [(10, 2), (10, 16), (16, 10), (16, 3), (2, 10), (15, 11), (7, 13)]
    fractions = [(10, 2, 0, 100), (3, 16, 0, 100), (16, 15, 0, 300), (10, 7, 40, 60), (12, 5, 50, 50)]
    return ([Workload(*f) for f in fixed] + [Workload(a, b, number(a, 300)) for a, b in whole]
            + [Workload(a, b, number(a, n, k), 100) for a, b, n, k in fractions])


def series(source, target):
    return [Workload(source, target, number(source, n)) for n in LENGTHS]


def timed_workloads():
    """A one-digit number first: the cost of starting each process."""
    whole = [w for source, target in WHOLE for w in series(source, target)]
    fractions = [Workload(10, 2, number(10, 0, 1000), 1000), Workload(3, 16, number(3, 0, 1000), 1000)]
    return [Workload(10, 2, "1")] + whole + fractions


def print_table(rows, names):
    """Milliseconds ("-" where core_bench has no counterpart) and the ratios."""
    def ms(times, name):
        return f"{times[name] * 1000:.2f}" if name in times else "-"

    def ratio(times, peer, base):
        return f"{times[peer] / times[base]:.2f}" if base in times else "-"

    print("| Workload | " + " | ".join(f"{n} (ms)" for n in names)
          + " | " + " | ".join(f"{p} / {b}" for p, b in RATIOS) + " |")
    print("|---" * (1 + len(names) + len(RATIOS)) + "|")
    for w, times in rows.items():
        print(f"| {w.label()} | " + " | ".join(ms(times, n) for n in names)
              + " | " + " | ".join(ratio(times, p, b) for p, b in RATIOS) + " |")


def plot(rows, names, output):
    terminals = subprocess.run(["gnuplot", "-e", "set terminal"], capture_output=True, text=True, check=False)
    terminal = "pngcairo" if "pngcairo" in terminals.stdout + terminals.stderr else "png"
    with tempfile.TemporaryDirectory() as tmp:
        data = Path(tmp, "times.dat")
        blocks = [f"# base {source} to base {target}\n"
                  + "\n".join(f"{len(w.text)} " + " ".join(f"{rows[w][n] * 1000:.4f}" for n in names)
                              for w in series(source, target))
                  for source, target in WHOLE]
        data.write_text("\n\n\n".join(blocks) + "\n")
        script = [f"set terminal {terminal} size 1500,620", f"set output '{output}'",
                  "set multiplot layout 1,3 title 'Whole numbers: wall time against input length'",
                  "set logscale xy", "set grid", "set key below", "set xrange [800:42000]",
                  "set xlabel 'digits of the input'", "set ylabel 'time (ms)'",
                  "set xtics (1024, 2048, 4096, 8192, 16384, 32767)"]
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
    parser.add_argument("--bench", default=str(ROOT / "build/release/bench/core_bench"))
    parser.add_argument("--check", action="store_true", help="only the cross-check, on small inputs")
    parser.add_argument("--repeat", type=int, default=5, help="runs per measurement, the fastest counts")
    parser.add_argument("--budget", type=float, default=10.0,
                        help="seconds after which a measurement stops repeating (after two runs)")
    parser.add_argument("--plot", default=str(ROOT / "docs/performance.png"))
    args = parser.parse_args()
    if hasattr(sys, "set_int_max_str_digits"):
        sys.set_int_max_str_digits(0)
    for tool in [args.cli, "bc"] + ([] if args.check else [args.bench, "gnuplot"]):
        if not shutil.which(tool):
            sys.exit(f"{tool} not found (Debian: apt-get install bc gnuplot-nox)")

    if args.check:
        workloads = check_workloads()
        for w in workloads:
            cross_check(w, {name: call() for name, call in peers(w, args.cli).items()})
        print(f"{len(workloads)} workloads: kalvorix-cli, bc and Python agree")
        return

    print("timing the core with core_bench", file=sys.stderr, flush=True)
    core = core_times(args.bench)
    rows = {}
    for w in timed_workloads():
        print(f"timing {w.label()}", file=sys.stderr, flush=True)
        measured = {name: best_time(call, args.repeat, args.budget) for name, call in peers(w, args.cli).items()}
        cross_check(w, {name: result for name, (_, result) in measured.items()})
        rows[w] = {name: seconds for name, (seconds, _) in measured.items()}
        if w.core_name() in core:
            rows[w][CORE] = core[w.core_name()]
    names = [CLI, "bc", "Python process", CORE, PYTHON]
    print_table(rows, names)
    plot(rows, names, args.plot)
    print(f"all workloads agree; plot written to {args.plot}")


if __name__ == "__main__":
    main()
