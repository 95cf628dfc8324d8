#!/usr/bin/env python3
"""Zormia's benchmarks: the whole program beside a bare Qt window, and the core.

Runs under Xvfb (a real X server) and prints one table:

    figure, zormia, baseline, ratio, goal

Whole-program figures are medians over several runs. Each is measured beside
the baseline (bench/baseline.cpp: one window, one label, one 16 x 16 lamp
flashing every 500 ms), which is the toolkit's floor on this machine, and quoted
as a ratio to it, so that a busy or slow machine moves both sides alike:

  start-up     exec to the start window mapped and painted; Zormia and the
               baseline are started alternately.
  desk open    the click on "Chętnie popracuję" (START.st) to the desk's first
               complete paint at its maximised size.
  idle CPU     CPU time of the process over IDLE seconds with the desk shown and
               two lamps flashing (a request pending on the line block: pwbla);
               the baseline runs over the same seconds on its own X server.
  peak memory  peak resident memory (VmHWM) at the end of those seconds.
  exercise     zormia-script running a generated loop of departure and arrival
               stories over 24 h of virtual time; wall time against 24 h.

The programs report their moments themselves through the opt-in marks of
app/bench_marks.h (ZORMIA_BENCH_MARKS), on CLOCK_MONOTONIC, the clock of
time.monotonic_ns() here. Benchmarks, not tests: the exit status says only
whether the runs worked, never whether a goal was met.

usage: tools/bench.py [--build DIR] [--runs N] [--idle-seconds S] [--quick]
"""

import argparse
import json
import os
import platform
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, str(ROOT / "tools"))
import bench_exercise  # noqa: E402

SCREEN = "1280x1024x24"
START_BUTTON = (307, 97)  # centre of START.st in the start window's client area


class BenchError(RuntimeError):
    pass


# ---- X servers ------------------------------------------------------------------


class Xvfb:
    """A private Xvfb on the first free display from :150 on."""

    def __init__(self):
        for number in range(150, 250):
            if not Path(f"/tmp/.X{number}-lock").exists() and \
                    not Path(f"/tmp/.X11-unix/X{number}").exists():
                break
        else:
            raise BenchError("no free X display")
        self.display = f":{number}"
        self.proc = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = Path(f"/tmp/.X11-unix/X{number}")
        deadline = time.monotonic() + 20
        while not socket.exists():  # the server is up once its socket is there
            if self.proc.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise BenchError(f"Xvfb {self.display} did not start")
            time.sleep(0.05)

    def close(self):
        self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def xdotool(display, *args):
    env = dict(os.environ, DISPLAY=display)
    out = subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True, timeout=20)
    if out.returncode != 0:
        raise BenchError(f"xdotool {' '.join(args)}: {out.stderr.strip()}")
    return out.stdout.strip()


def click_in_window(display, title_regex, x, y):
    window = xdotool(display, "search", "--sync", "--onlyvisible", "--name", title_regex)
    window = window.split()[0]
    xdotool(display, "mousemove", "--window", window, str(x), str(y))
    xdotool(display, "click", "1")


# ---- running a program with marks -----------------------------------------------


class Marked:
    """A program started with marks on, its stderr read line by line."""

    def __init__(self, argv, env, marks="on"):
        self.started_ns = time.monotonic_ns()
        self.proc = subprocess.Popen(argv, env=dict(env, ZORMIA_BENCH_MARKS=marks),
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.PIPE, bufsize=0)
        self.marks = {}
        self.places = {}
        self._pending = b""  # read from the pipe, not yet a whole line

    def wait_for(self, name, timeout=30.0):
        self._read_until(lambda: name in self.marks, f"mark {name!r}", timeout)
        return self.marks[name]

    def wait_for_place(self, name, timeout=30.0):
        self._read_until(lambda: name in self.places, f"the place of {name!r}", timeout)
        return self.places[name]

    def _read_until(self, done, what, timeout):
        deadline = time.monotonic() + timeout
        while not done():
            left = deadline - time.monotonic()
            if left <= 0:
                raise BenchError(f"no {what} within {timeout} s")
            ready, _, _ = select.select([self.proc.stderr], [], [], left)
            if not ready:
                continue
            data = os.read(self.proc.stderr.fileno(), 65536)
            if not data:
                raise BenchError(f"the program ended before {what} (exit {self.proc.wait()})")
            *lines, self._pending = (self._pending + data).split(b"\n")
            for line in lines:
                words = line.decode(errors="replace").split()
                if len(words) == 3 and words[0] == "zormia-mark":
                    self.marks[words[1]] = int(words[2])
                elif len(words) == 4 and words[0] == "zormia-place":
                    self.places[words[1]] = (int(words[2]), int(words[3]))

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.proc.stderr.close()


def cpu_ns(pid):
    """CPU time of every thread of the process, in nanoseconds."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended just now
    return total


def peak_rss_kib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    raise BenchError("no VmHWM")


# ---- the figures ------------------------------------------------------------------


def measure_startup(zormia, baseline, env, runs):
    times = {"zormia": [], "baseline": []}
    for i in range(runs):
        order = [("zormia", zormia), ("baseline", baseline)]
        if i % 2:
            order.reverse()
        for name, program in order:
            run = Marked([program], env, marks="exit=start-painted")
            try:
                times[name].append((run.wait_for("start-painted") - run.started_ns) / 1e6)
                run.proc.wait(10)
            finally:
                run.stop()
    return times


def open_desk(zormia, env, display):
    run = Marked([zormia], env)
    try:
        run.wait_for("start-painted")
        click_in_window(display, "^Stacja", *START_BUTTON)
        opened = run.wait_for("desk-open")
        painted = run.wait_for("desk-painted")
    except BaseException:
        run.stop()
        raise
    return run, (painted - opened) / 1e6


def measure_desk_open(zormia, env, display, runs):
    times = []
    for _ in range(runs):
        run, ms = open_desk(zormia, env, display)
        run.stop()
        times.append(ms)
    return times


def measure_idle(zormia, baseline, env, displays, runs, seconds):
    cpu = {"zormia": [], "baseline": []}
    memory = {"zormia": [], "baseline": []}
    for _ in range(runs):
        base = Marked([baseline], dict(env, DISPLAY=displays[1]))
        try:
            base.wait_for("start-painted")
            desk, _ = open_desk(zormia, dict(env, DISPLAY=displays[0]), displays[0])
            try:
                click_in_window(displays[0], "^Tremix", *desk.wait_for_place("pwbla"))
                # The pointer rests on a plain cell, away from buttons and hints.
                xdotool(displays[0], "mousemove", "1270", "1014")
                time.sleep(2)  # the click's repaint and the tooltip timers are over
                pids = {"zormia": desk.proc.pid, "baseline": base.proc.pid}
                before = {k: cpu_ns(p) for k, p in pids.items()}
                time.sleep(seconds)
                after = {k: cpu_ns(p) for k, p in pids.items()}
                for k, pid in pids.items():
                    cpu[k].append((after[k] - before[k]) / 1e6)
                    memory[k].append(peak_rss_kib(pid) / 1024)
            finally:
                desk.stop()
        finally:
            base.stop()
    return cpu, memory


def measure_exercise(script_runner, env, runs, virtual_hours=24):
    with tempfile.TemporaryDirectory() as folder:
        script = Path(folder) / "exercise.zs"
        virtual_ms = bench_exercise.write_script(script, virtual_hours * 3600 * 1000)
        speeds = []
        for _ in range(runs):
            config = Path(folder) / "config"
            shutil.rmtree(config, ignore_errors=True)
            run_env = dict(env, XDG_CONFIG_HOME=str(config))
            run_env.pop("DISPLAY", None)
            run_env.pop("QT_QPA_PLATFORM", None)  # zormia-script's own offscreen screen
            start = time.monotonic()
            done = subprocess.run([script_runner, str(script)], env=run_env, capture_output=True,
                                  text=True, timeout=600)
            wall = time.monotonic() - start
            if done.returncode != 0:
                raise BenchError(f"the exercise failed (exit {done.returncode}): "
                                 f"{done.stderr.strip()[:400]}")
            speeds.append(virtual_ms / 1000 / wall)
        return speeds, virtual_ms


def measure_core(core_bench):
    out = subprocess.run([core_bench, "--benchmark_format=json", "--benchmark_min_time=0.5",
                          "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                         capture_output=True, text=True, timeout=600)
    if out.returncode != 0:
        raise BenchError(f"core_bench failed: {out.stderr.strip()[:400]}")
    results = {}
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    for b in json.loads(out.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            results[b["run_name"]] = (b["real_time"] * scale[b["time_unit"]], b.get("allocs/op"))
    return results


# ---- the table --------------------------------------------------------------------


def machine():
    model = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    memory = 0
    for line in Path("/proc/meminfo").read_text().splitlines():
        if line.startswith("MemTotal:"):
            memory = int(line.split()[1]) / 1024 / 1024
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout.strip() or "?"
    return (f"{model}, {os.cpu_count()} cores, {memory:.0f} GiB, {platform.system()} "
            f"{platform.release()}, Qt {qt}, Xvfb {SCREEN}")


def median(values):
    return statistics.median(values) if values else float("nan")


def print_table(rows, out=sys.stdout):
    header = ("figure", "zormia", "baseline", "ratio", "goal", "")
    table = [header] + rows
    widths = [max(len(r[i]) for r in table) for i in range(len(header))]
    for n, r in enumerate(table):
        out.write("| " + " | ".join(c.ljust(widths[i]) for i, c in enumerate(r)) + " |\n")
        if n == 0:
            out.write("|" + "|".join("-" * (w + 2) for w in widths) + "|\n")


def verdict(ok):
    return "met" if ok else "MISSED"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=str(ROOT / "build" / "bench"),
                        help="the Release build folder (default build/bench)")
    parser.add_argument("--runs", type=int, default=10, help="runs per figure (default 10)")
    parser.add_argument("--idle-seconds", type=float, default=60.0,
                        help="length of one idle run (default 60)")
    parser.add_argument("--quick", action="store_true",
                        help="3 runs and 10 s idle runs: a look, not figures to quote")
    parser.add_argument("--skip", action="append", default=[],
                        choices=["startup", "desk", "idle", "exercise", "core"],
                        help="leave a part out (may be repeated)")
    args = parser.parse_args()
    if args.quick:
        args.runs, args.idle_seconds = 3, 10.0

    build = Path(args.build)
    bins = {name: build / "bin" / name
            for name in ("zormia", "zormia-script", "bench_baseline", "core_bench")}
    for name, path in bins.items():
        if not path.exists():
            raise BenchError(f"{path} is missing: build {args.build} first (tools/dev.sh bench)")

    print(f"machine: {machine()}")
    print(f"load average at start: {os.getloadavg()[0]:.2f}  (runs: {args.runs}, "
          f"idle runs of {args.idle_seconds:g} s)")
    sys.stdout.flush()

    home = tempfile.mkdtemp(prefix="zormia-bench-")
    env = dict(os.environ, XDG_CONFIG_HOME=home, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    servers = []
    rows = []
    try:
        servers = [Xvfb(), Xvfb()]
        env["DISPLAY"] = servers[0].display
        zormia, baseline = str(bins["zormia"]), str(bins["bench_baseline"])

        if "startup" not in args.skip:
            t = measure_startup(zormia, baseline, env, max(args.runs, 10) * 2)
            z, b = median(t["zormia"]), median(t["baseline"])
            rows.append(("start-up (ms)", f"{z:.1f}", f"{b:.1f}", f"{z / b:.2f}", "≤ 1.2 ×",
                         verdict(z / b <= 1.2)))
            print(f"start-up: zormia {sorted(round(x, 1) for x in t['zormia'])}", flush=True)
            print(f"          baseline {sorted(round(x, 1) for x in t['baseline'])}", flush=True)
        if "desk" not in args.skip:
            t = measure_desk_open(zormia, env, servers[0].display, args.runs)
            z = median(t)
            rows.append(("desk open (ms)", f"{z:.1f}", "—", "—", "≤ 30 ms", verdict(z <= 30)))
            print(f"desk open: {sorted(round(x, 1) for x in t)}", flush=True)
        if "idle" not in args.skip:
            cpu, memory = measure_idle(zormia, baseline, env,
                                       [s.display for s in servers], args.runs, args.idle_seconds)
            z, b = median(cpu["zormia"]), median(cpu["baseline"])
            share = z / (args.idle_seconds * 1000) * 100
            rows.append((f"idle CPU over {args.idle_seconds:g} s (ms)", f"{z:.0f}", f"{b:.0f}",
                         f"{z / b:.2f}", "≤ 1.5 ×, < 1 % core",
                         verdict(z / b <= 1.5 and share < 1) + f" ({share:.2f} %)"))
            print(f"idle CPU: zormia {sorted(round(x) for x in cpu['zormia'])}", flush=True)
            print(f"          baseline {sorted(round(x) for x in cpu['baseline'])}", flush=True)
            z, b = median(memory["zormia"]), median(memory["baseline"])
            rows.append(("peak memory (MiB)", f"{z:.1f}", f"{b:.1f}", f"{z / b:.2f}", "≤ 1.3 ×",
                         verdict(z / b <= 1.3)))
        if "exercise" not in args.skip:
            speeds, virtual_ms = measure_exercise(str(bins["zormia-script"]), env, args.runs)
            s = median(speeds)
            rows.append(("exercise, 24 h virtual (× real time)", f"{s:,.0f}", "—", "—",
                         "≥ 10,000 ×", verdict(s >= 10000)))
            print(f"exercise: {virtual_ms / 3600000:.1f} h virtual in "
                  f"{virtual_ms / 1000 / s:.2f} s wall (median)", flush=True)
        if "core" not in args.skip:
            core = measure_core(str(bins["core_bench"]))
            for name, (ns, allocs) in core.items():
                label = f"core: {name} (ns" + (f", {allocs:g} allocations)" if allocs is not None
                                                else ")")
                rows.append((label, f"{ns:.0f}", "—", "—", "< 2,000 ns", verdict(ns < 2000)))
    finally:
        for s in servers:
            s.close()
        shutil.rmtree(home, ignore_errors=True)

    print(f"load average at end: {os.getloadavg()[0]:.2f}")
    print()
    print_table(rows)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except BenchError as e:
        print(f"bench: {e}", file=sys.stderr)
        sys.exit(1)
