#!/usr/bin/env python3
"""The first suggestion in the real program, in a text editor, with the built-in engine.

Mousepad opens a 2,500-character document that ends with a line break; once the program has
read the window, Ctrl+End, a wait, then " Hel" typed. Prints, per run, the time from the last
key to the first ghost (from the program's log), whether the request failed, the prompt tokens
the model evaluated over the scene against the last request's prompt, and the load.

The model is the 1B one tq_bench_llama_builtin writes (build/models/bench-llama-1b-q8.gguf),
padded once to the download's size and installed with its marker like a finished download.
Runs inside a private desktop session:

  tools/desktop-session.sh python3 bench/editor_scene.py [--program build/app/tessaquill]
      [--model build/models/bench-llama-1b-q8.gguf] [--waits 3,6,12] [--runs 5] [--fresh]

Several programs (--program LABEL=PATH, repeated) take turns run by run, so a busy machine
slows them alike; a summary per program and wait follows the runs.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SPEC_FILE = "gemma-4-E2B-Q8_0.gguf"
SPEC_BYTES = 4967478336
SPEC_SHA256 = "fcf7224c47518fca8a8a85391cfb0873a94d3dee4434fb77763113bfa7264d97"
WORDS = ("the of and to in is was that for on with as by at from this have are be not or which one all "
         "were they their there been has more when will would who so no she he we you them time people "
         "year way day man thing woman life child world school state family student group country problem "
         "hand part place case week company system program question work government number night point home "
         "water room mother area money story fact month lot right study book eye job word business issue side").split()


def document(seed):
    rng = random.Random(seed)
    out = ""
    while len(out) < 2600:
        words = [rng.choice(WORDS) for _ in range(rng.randint(8, 16))]
        words[0] = words[0].capitalize()
        out += (" " if out else "") + " ".join(words) + "."
    return out[:2499].rstrip() + "\n"


def padded_model(model, cache):
    """A copy of `model` padded to the download's size, made once."""
    os.makedirs(cache, exist_ok=True)
    path = os.path.join(cache, SPEC_FILE)
    stamp = path + ".from"
    source = "%s %d %d" % (os.path.realpath(model), os.path.getsize(model), int(os.path.getmtime(model)))
    if not (os.path.exists(path) and os.path.exists(stamp) and open(stamp).read() == source):
        shutil.copyfile(model, path)
        subprocess.run(["truncate", "-s", str(SPEC_BYTES), path], check=True)
        with open(stamp, "w") as f:
            f.write(source)
    return path


class Log:
    """The program's log lines with the time each arrived."""

    def __init__(self, stream):
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in iter(stream.readline, b""):
            with self.lock:
                self.lines.append((time.monotonic(), raw.decode("utf-8", "replace").rstrip("\n")))

    def wait(self, pattern, timeout, since=0.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                for t, line in self.lines:
                    if t >= since and re.search(pattern, line):
                        return t, line
            time.sleep(0.005)
        return None

    def all(self, since=0.0):
        with self.lock:
            return [(t, l) for t, l in self.lines if t >= since]


def load_first(args, env, home, log, result):
    """The program has been running: its model is loaded (by a first editor window, closed again)."""
    first = home + "/first.txt"
    with open(first, "w") as f:
        f.write("A first window.\n")
    opener = subprocess.Popen(["mousepad", "--disable-server", first], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    loaded = log.wait(r"model loaded in", 120)
    opener.terminate()
    opener.wait(5)
    if not loaded:
        result["error"] = "the model was not loaded"
        return False
    result["load_seconds"] = float(re.search(r"loaded in ([0-9.]+) s", loaded[1]).group(1))
    time.sleep(2)
    return True


def run_once(args, label, program_path, wait, seed):
    home = tempfile.mkdtemp(prefix="tq-scene.")
    env = dict(os.environ)
    env.update(XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data", XDG_RUNTIME_DIR=home + "/run",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    for k in ("TESSAQUILL_LOCAL_ONLY", "QT_QPA_PLATFORM", "NO_AT_BRIDGE"):
        env.pop(k, None)
    os.makedirs(home + "/config/Tessaquill")
    os.makedirs(home + "/run", mode=0o700)
    models = home + "/data/Tessaquill/Models"
    os.makedirs(models)
    os.symlink(args.padded, os.path.join(models, SPEC_FILE))
    with open(os.path.join(models, SPEC_FILE + ".verified"), "w") as f:
        f.write(SPEC_SHA256)
    settings = {"engine": "builtIn", "delayMilliseconds": 0.0, "showKeyHint": False, "suggestFixes": False,
                "onboardingDone": True, "introSeen": True, "remindHiddenIcon": False}
    with open(home + "/config/Tessaquill/com.morvenfax.tessaquill.json", "w") as f:
        json.dump(settings, f)
    notes = home + "/notes.txt"
    with open(notes, "w") as f:
        f.write(document(seed))

    load = open("/proc/loadavg").read().split()[0]
    program = subprocess.Popen([program_path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    editor = None
    result = {"wait": wait, "label": label, "load": float(load)}
    try:
        log = Log(program.stderr)
        if not log.wait(r"system-wide start: tap running 1", 20):
            result["error"] = "the program did not start"
            return result
        if not args.fresh:
            if not load_first(args, env, home, log, result):
                return result
        since_scene = time.monotonic()
        editor = subprocess.Popen(["mousepad", "--disable-server", notes], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The field is read at the document's start, then its window.
        if not log.wait(r"screen read: [1-9]", 20, since=since_scene):
            result["error"] = "the editor's window was not read"
            return result
        time.sleep(1.0)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+End"], env=env, check=True)
        time.sleep(wait)
        typed_from = time.monotonic()
        subprocess.run(["xdotool", "type", "--delay", "80", " Hel"], env=env, check=True)
        last_key = time.monotonic()
        found = log.wait(r"showing in |the request failed", 20, since=typed_from)
        result["load_after"] = float(open("/proc/loadavg").read().split()[0])
        if not found:
            result["ghost_ms"] = None
            result["outcome"] = "no ghost in 20 s"
        elif "the request failed" in found[1]:
            result["ghost_ms"] = None
            result["outcome"] = "the request failed after %.0f ms" % ((found[0] - last_key) * 1000)
        else:
            result["ghost_ms"] = round((found[0] - last_key) * 1000)
            result["outcome"] = "ghost"
        # The request's own count comes when it has finished generating.
        log.wait(r"model request", 15, since=found[0] if found else last_key)
        before_scene = [int(m.group(1)) for t, l in log.all() for m in [re.search(r"(\d+) in all", l)] if m and t < since_scene]
        totals = [int(m.group(1)) - (before_scene[-1] if before_scene else 0)
                  for t, l in log.all() for m in [re.search(r"(\d+) in all", l)] if m and t >= since_scene]
        prompts = [int(m.group(1)) for _, l in log.all() for m in [re.search(r"model request: prompt (\d+) tokens", l)] if m]
        loads = [re.search(r"loaded in ([0-9.]+) s", l) for _, l in log.all(since_scene)]
        if args.fresh and any(loads):
            result["load_seconds"] = float([m for m in loads if m][0].group(1))
        result["evaluated"] = totals[-1] if totals else None
        result["last_prompt"] = prompts[-1] if prompts else None
        if args.keep_log:
            result["log"] = ["%.2f %s" % (t - typed_from, l) for t, l in log.all()]
        return result
    finally:
        for p in (editor, program):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(home, ignore_errors=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    build = os.path.join(os.path.dirname(here), "build")
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--program", action="append", default=[],
                    help="LABEL=PATH or PATH; repeated, the programs take turns")
    ap.add_argument("--model", default=os.path.join(build, "models", "bench-llama-1b-q8.gguf"))
    ap.add_argument("--cache", default=os.path.join(tempfile.gettempdir(), "tq-scene-model"))
    ap.add_argument("--waits", default="3,6,12")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--keep-log", action="store_true")
    ap.add_argument("--fresh", action="store_true",
                    help="open the editor right after the program starts, so the wait includes the model's load")
    args = ap.parse_args()
    if not os.path.exists(args.model):
        sys.exit("The model is missing: run tq_bench_llama_builtin once (it writes %s)." % args.model)
    args.padded = padded_model(args.model, args.cache)
    programs = []
    for p in args.program or [os.path.join(build, "app", "tessaquill")]:
        label, _, path = p.rpartition("=")
        programs.append((label or "program", path))
    results = []
    for wait in [float(w) for w in args.waits.split(",")]:
        for i in range(args.runs):
            for label, path in programs:
                r = run_once(args, label, path, wait, seed=100 + i)
                results.append(r)
                print(json.dumps(r), flush=True)
    print("\nprogram  wait  first ghost after the last key (ms; - for none)  evaluated/last prompt  load")
    for label, _ in programs:
        for wait in sorted({r["wait"] for r in results}):
            rs = [r for r in results if r["label"] == label and r["wait"] == wait]
            ghosts = ", ".join("-" if r.get("ghost_ms") is None else str(r["ghost_ms"]) for r in rs)
            ratios = ", ".join("%.2f" % (r["evaluated"] / r["last_prompt"]) if r.get("evaluated") and r.get("last_prompt")
                               else "-" for r in rs)
            loads = ", ".join("%.1f" % r["load"] for r in rs)
            print("%-8s %4.0f s  %s  |  %s  |  %s" % (label, wait, ghosts, ratios, loads))


if __name__ == "__main__":
    main()
