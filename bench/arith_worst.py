#!/usr/bin/env python3
"""The worst arithmetic requests the window accepts (operands of 32,767
characters, precision 1000), each timed through a kalvorix-cli process with
its worked solution (--arith --steps): the best wall time and the best
processor time (user and system) of several runs, the start of the process
included. On a shared machine the processor time is the steadier figure. The
same requests as core_bench's Arithmetic/...; for the 32-bit build, give it
--cli build/m32/cli/kalvorix-cli.
"""
import argparse
import random
import resource
import subprocess
import time

LONGEST = 32767
ALPHABET = "0123456789ABCDEF"


def digits(length, base, seed):
    rng = random.Random(seed)
    text = [ALPHABET[rng.randrange(base)] for _ in range(length)]
    text[0] = ALPHABET[1 + rng.randrange(base - 1)]
    return "".join(text)


def mixed(base, seed):
    half = (LONGEST - 1) // 2
    return digits(half, base, seed) + "." + digits(half, base, seed + 1)


def fraction(base, seed):
    return "0." + digits(LONGEST - 2, base, seed)


def cases():
    yield "base-15 16,383.16,383 digits times the same, to base 11", mixed(15, 1), 15, "*", mixed(15, 3), 15, 11
    yield "32,767 hexadecimal digits times a base-15 fraction, to base 11", digits(LONGEST, 16, 5), 16, "*", \
        fraction(15, 6), 15, 11
    yield "32,767 hexadecimal digits divided by 32,767, to base 11", digits(LONGEST, 16, 7), 16, "/", \
        digits(LONGEST, 16, 8), 16, 11
    yield "32,767 hexadecimal digits divided by 9,700, to base 16", digits(LONGEST, 16, 7), 16, "/", \
        digits(9700, 16, 9), 16, 16
    yield "base-15 16,383.16,383 digits divided by the same, to base 11", mixed(15, 1), 15, "/", mixed(15, 3), 15, 11
    yield "base-15 minus base-7 16,383.16,383 digits, to base 11", mixed(15, 1), 15, "-", mixed(7, 2), 7, 11
    yield "base-3 fraction plus hexadecimal fraction, to base 10", fraction(3, 1), 3, "+", fraction(16, 2), 16, 10
    yield "1 divided by 15^32766, to base 5", "1", 15, "/", "1" + "0" * (LONGEST - 1), 15, 5


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", default="build/release/cli/kalvorix-cli")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    print("| Request, precision 1000, with its solution | wall (ms) | processor (ms) |")
    print("|---|---|---|")
    for name, a, base_a, op, b, base_b, target in cases():
        line = f"{a}_{base_a} {op} {b}_{base_b}\n"
        wall = cpu = None
        for _ in range(args.runs):
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.perf_counter()
            done = subprocess.run([args.cli, "--arith", "--steps", "-p", "1000", "-t", str(target)], input=line,
                                  capture_output=True, text=True)
            elapsed = (time.perf_counter() - start) * 1000
            after = resource.getrusage(resource.RUSAGE_CHILDREN)
            used = (after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000
            if done.returncode != 0:
                raise SystemExit(f"{name}: {done.stderr}")
            wall = elapsed if wall is None else min(wall, elapsed)
            cpu = used if cpu is None else min(cpu, used)
        print(f"| {name} | {wall:.1f} | {cpu:.1f} |")


if __name__ == "__main__":
    main()
