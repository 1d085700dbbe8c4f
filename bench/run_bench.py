#!/usr/bin/env python3
"""Times tavrin-convert against the Python peer on generated headers of 1, 4
and 16 MB, and, under Wine, a conversion with VBScript.RegExp against that
engine's own Execute. Run through bench/run.sh, which builds first."""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build", "bench")
NATIVE = os.path.join(ROOT, "build", "native", "cli", "tavrin-convert")
PEER = [sys.executable, os.path.join(ROOT, "bench", "peer_convert.py")]
WINE = os.path.join(ROOT, "cmake", "wine-run")
VBSCRIPT_BENCH = os.path.join(ROOT, "build", "windows", "bench", "vbscript_bench.exe")
WINDOW_BENCH = os.path.join(ROOT, "build", "windows", "bench", "window_bench.exe")
RUNS = 7
MB = 1 << 20


def make(name, *args):
    path = os.path.join(WORK, name)
    if not os.path.exists(path):
        with open(path, "wb") as out:
            subprocess.run([sys.executable, os.path.join(ROOT, "bench", "make_header.py"), *args],
                           stdout=out, check=True)
    return path


def best(command, path):
    """The fastest of RUNS runs, in seconds, and the output of the last."""
    fastest = None
    for _ in range(RUNS):
        start = time.perf_counter()
        result = subprocess.run(command + [path], stdout=subprocess.PIPE, check=True)
        elapsed = time.perf_counter() - start
        fastest = elapsed if fastest is None else min(fastest, elapsed)
    return fastest, result.stdout


def main():
    os.makedirs(WORK, exist_ok=True)
    print("native tavrin-convert against Python re (best of %d runs)" % RUNS)
    print("%6s %10s %10s %12s %12s %8s" % ("size", "ours s", "peer s", "ours MB/s", "peer MB/s", "ratio"))
    ours_by_size = {}
    for size in (1, 4, 16):
        path = make("header-%dmb.h" % size, "--seed", "1", "--bytes", str(size * MB))
        ours, ours_out = best([NATIVE], path)
        peer, peer_out = best(PEER, path)
        if ours_out != peer_out:
            sys.exit("outputs differ for %s" % path)
        ours_by_size[size] = ours
        print("%4d MB %10.3f %10.3f %12.1f %12.1f %8.2f" %
              (size, ours, peer, size / ours, size / peer, peer / ours))
    print("16 MB costs %.1f times what 1 MB costs" % (ours_by_size[16] / ours_by_size[1]))

    if os.path.exists(VBSCRIPT_BENCH):
        path = make("defines-20000.h", "--seed", "2", "--definitions", "20000", "--bytes", str(MB))
        print("\nunder Wine, VBScript.RegExp, %s:" % os.path.basename(path))
        sys.stdout.flush()
        subprocess.run([WINE, VBSCRIPT_BENCH, path], check=True)

    if os.path.exists(WINDOW_BENCH):
        path = make("defines-20000.h", "--seed", "2", "--definitions", "20000", "--bytes", str(MB))
        print("\nunder Wine, Tavrin.exe's window, %s:" % os.path.basename(path))
        sys.stdout.flush()
        # The window needs a display: a virtual one of its own, and a
        # wineserver started on it.
        subprocess.run(["wineserver", "-k"], check=False)
        subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp",
                        WINE, WINDOW_BENCH, "Z:" + path], check=True)
        subprocess.run(["wineserver", "-k"], check=False)


if __name__ == "__main__":
    main()
