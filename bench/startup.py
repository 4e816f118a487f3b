#!/usr/bin/env python3
"""Start-up of the editor against a Qt Widgets hello-world.

Times each program from just before it is started to the moment its main
window has been shown and painted for the first time (the program prints
the monotonic clock then, see src/app/StartupProbe.h, and quits). The editor
opens the maximal mission of the benchmarks. Runs alternate between the two
programs, so a machine that slows down meanwhile slows both; the medians and
their ratio are printed.

    bench/startup.py BUILD_DIR [--runs N] [--platform xvfb|offscreen] [--no-mission]
                               [--hello-text] [--callgrind]

--hello-text gives the hello-world a menu bar, a status line and a list of
43 rows, so it loads fonts and draws text as the editor's first window does.

--callgrind runs each program once, offscreen, under valgrind's callgrind and
prints the instructions each ran to its first paint, in all its threads and
in its main thread: figures that do not depend on how busy the machine is. The profiles are kept for
callgrind_annotate when --keep names a folder for them.

BUILD_DIR is a build configured with -DVANTOREL_BENCH=ON (Release) in which
vantorel, StartupHello and WriteMaximalMission were built. Settings, the
recovery folder and the rest of the user's files live in a temporary home,
so the user's own editor settings are neither read nor changed.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(program, args, env):
    start = time.monotonic_ns()
    proc = subprocess.run([program] + args, env=env, capture_output=True, text=True, timeout=60)
    for line in proc.stdout.splitlines():
        if line.startswith("shown "):
            return (int(line.split()[1]) - start) / 1e6
    sys.exit(f"{program} never said it was shown (exit {proc.returncode}):\n{proc.stderr}")


def count_instructions(program, args, env, keep, name):
    """Runs the program once under callgrind; the instructions it ran, all
    threads and the main thread (valgrind runs one thread at a time, so work
    another thread does alongside the main one counts in the first figure
    only, and may be done twice: the editor reads the font configuration on
    a second thread, and under valgrind the main thread gets there first)."""
    folder = keep or tempfile.mkdtemp(prefix="vantorel-callgrind-")
    out = os.path.join(folder, f"callgrind.{name}")
    proc = subprocess.run(["valgrind", "--tool=callgrind", "--separate-threads=yes",
                           f"--callgrind-out-file={out}", program]
                          + args, env=env, capture_output=True, text=True, timeout=600)
    if "shown " not in proc.stdout:
        sys.exit(f"{program} never said it was shown under valgrind:\n{proc.stderr[-2000:]}")
    counts = {}
    for profile in os.listdir(folder):
        if not profile.startswith(f"callgrind.{name}"):
            continue
        with open(os.path.join(folder, profile)) as f:
            for line in f:
                if line.startswith("summary:") or line.startswith("totals:"):
                    counts[profile] = int(line.split()[1])
                    break
    if not counts:
        sys.exit(f"no instruction count in {out}")
    if not keep:
        shutil.rmtree(folder, ignore_errors=True)
    main_thread = counts.get(f"callgrind.{name}-01", max(counts.values()))
    return sum(counts.values()), main_thread


def start_xvfb():
    if not shutil.which("Xvfb"):
        sys.exit("Xvfb is not installed (apt-get install xvfb), or use --platform offscreen")
    for display in range(90, 120):
        if os.path.exists(f"/tmp/.X{display}-lock"):
            continue
        xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1920x1080x24", "-nolisten",
                                 "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                return xvfb, f":{display}"
            time.sleep(0.05)
        xvfb.kill()
    sys.exit("no free display for Xvfb")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--platform", choices=["xvfb", "offscreen"], default="xvfb")
    parser.add_argument("--no-mission", action="store_true", help="the editor opens no file")
    parser.add_argument("--hello-text", action="store_true",
                        help="the hello-world shows menus and a list of text")
    parser.add_argument("--callgrind", action="store_true",
                        help="count the instructions to the first paint instead (offscreen)")
    parser.add_argument("--keep", help="with --callgrind: the folder for the profiles")
    opts = parser.parse_args()
    if opts.callgrind:
        opts.platform = "offscreen"
        if not shutil.which("valgrind"):
            sys.exit("valgrind is not installed (apt-get install valgrind)")

    build = os.path.abspath(opts.build)
    editor = os.path.join(build, "vantorel")
    hello = os.path.join(build, "bench", "StartupHello")
    writer = os.path.join(build, "bench", "WriteMaximalMission")
    for p in (editor, hello, writer):
        if not os.access(p, os.X_OK):
            sys.exit(f"{p} is missing: build vantorel StartupHello WriteMaximalMission")

    home = tempfile.mkdtemp(prefix="vantorel-startup-")
    xvfb = None
    try:
        mission = os.path.join(home, "maximal.tie")
        subprocess.run([writer, mission], check=True)
        # A configured game folder, so the first start asks nothing.
        config = os.path.join(home, "config", "Orvane")
        os.makedirs(config)
        with open(os.path.join(config, "Quarrow.conf"), "w") as f:
            f.write(f"[Paths]\nXVT={home}\nDefaultOpen={home}\nGotBOP=1\n")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"),
                   XDG_RUNTIME_DIR=os.path.join(home, "run"), VANTOREL_STARTUP_PROBE="1")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        if opts.platform == "xvfb":
            xvfb, display = start_xvfb()
            env["DISPLAY"] = display
            env["QT_QPA_PLATFORM"] = "xcb"
        else:
            env["QT_QPA_PLATFORM"] = "offscreen"

        hello_args = ["--text"] if opts.hello_text else []
        editor_args = ["-nologo"] + ([] if opts.no_mission else [mission])
        if opts.callgrind:
            # A first run fills what the editor keeps between runs (its cache
            # of pictures), as any start after the first finds it.
            run_once(editor, editor_args, env)
            if opts.keep:
                os.makedirs(opts.keep, exist_ok=True)
            counts = (count_instructions(hello, hello_args, env, opts.keep, "hello"),
                      count_instructions(editor, editor_args, env, opts.keep, "editor"))
            print("offscreen, callgrind, instructions to the first paint (all threads / main thread):")
            hello_name = "hello-world+text" if opts.hello_text else "hello-world     "
            print(f"  {hello_name} {counts[0][0] / 1e6:9.1f} / {counts[0][1] / 1e6:.1f} million")
            print(f"  editor           {counts[1][0] / 1e6:9.1f} / {counts[1][1] / 1e6:.1f} million")
            print(f"  ratio            {counts[1][0] / counts[0][0]:9.2f}x / "
                  f"{counts[1][1] / counts[0][1]:.2f}x")
            return
        # One of each first, untimed: the files are then in the page cache.
        run_once(hello, hello_args, env)
        run_once(editor, editor_args, env)
        hello_ms, editor_ms = [], []
        for _ in range(opts.runs):
            hello_ms.append(run_once(hello, hello_args, env))
            editor_ms.append(run_once(editor, editor_args, env))
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(home, ignore_errors=True)

    h, e = statistics.median(hello_ms), statistics.median(editor_ms)
    what = "no mission" if opts.no_mission else "the maximal mission"
    print(f"platform {opts.platform}, {opts.runs} runs each, alternating, medians:")
    hello_name = "hello-world+text" if opts.hello_text else "hello-world     "
    print(f"  {hello_name} {h:7.1f} ms  (min {min(hello_ms):.1f}, max {max(hello_ms):.1f})")
    print(f"  editor ({what}) {e:7.1f} ms  (min {min(editor_ms):.1f}, max {max(editor_ms):.1f})")
    print(f"  ratio            {e / h:7.2f}x")


if __name__ == "__main__":
    main()
