#!/usr/bin/env python3
"""Samples mutants of the core and tells which ones the core tests catch.

A mutant changes one operator or constant on one line of one core source file
(every .cpp and .h under src/ except app/, cli/ and ui/ or qt/ folders). For
each, the core tests are rebuilt incrementally and run, and the file is put
back. The same seed on the same code tries the same mutants.

    tools/mutants.py --seed 1 --count 100 [--build DIR] [--missed FILE]
    tools/mutants.py --seed 1 --count 100 --list
    tools/mutants.py --rerun FILE      (the mutants named in FILE, e.g. --missed's)
    tools/mutants.py ... --killers FILE (every test runs; FILE gets the tests each caught
                                        mutant fails, to see which mutants a test alone catches)

A mutant whose every rebuilt object file is byte for byte the unmutated one
(an unused constant, a hint the compiler folds away) is `equivalent`: no test
could tell it apart, so like one that does not compile it is not counted, and
the sample draws on.
"""
import hashlib
import argparse
import bisect
import fcntl
import json
import os
import random
import resource
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BACKUP = ".mutant-backup"  # the original beside a mutated file, while it is mutated

TOKEN = re.compile(r"""
  (?P<ws>\s+)
| (?P<comment>//[^\n]*|/\*.*?\*/)
| (?P<str>(?:u8|u|U|L)?R"(?P<delim>[^()\\\s]{0,16})\(.*?\)(?P=delim)"
        | (?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
| (?P<chr>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')
| (?P<num>\.?\d(?:'?\w|[eEpP][-+]|\.)*)
| (?P<id>[A-Za-z_]\w*)
| (?P<op><=>|<<=|>>=|->\*?|\.\.\.|::|<<|>>|&&|\|\||\+\+|--|[-+*/%&|^!=<>]=|.)
""", re.S | re.X)

SWAP = {"<=": "<", ">=": ">", "==": "!=", "!=": "==", "||": "&&", "true": "false", "false": "true"}
# Words after which + and - are signs and & && are parts of a type.
NOT_OPERAND = {"return", "case", "throw", "else", "do", "co_return", "co_yield", "new", "delete",
               "sizeof", "alignof", "operator", "const", "auto", "constexpr", "volatile", "typename",
               "template", "class", "struct", "using", "static", "inline", "void", "bool", "char",
               "int", "long", "short", "unsigned", "signed", "float", "double"}
SKIPPED_CALLS = {"static_assert", "alignas"}


class Tok:
    __slots__ = ("kind", "text", "start", "end")

    def __init__(self, kind, text, start, end):
        self.kind, self.text, self.start, self.end = kind, text, start, end


def predefined_macros(compiler):
    try:
        out = subprocess.run([compiler, "-dM", "-E", "-x", "c++", "-"], input="", text=True,
                             capture_output=True, timeout=60).stdout
    except (OSError, subprocess.SubprocessError):
        return set()
    return set(re.findall(r"^#define (\w+)", out, re.M))


def directive_lines(text, predefined):
    """Returns (lines that are preprocessor directives, lines of code the build leaves out
    or that may be left out). Conditions are judged only when every macro in them is known:
    the compiler's own, a reserved name it does not define (such as _WIN32 here), or one
    the file defines itself; a region whose condition is not known is left alone."""
    lines = text.split("\n")
    directives, dead, defined = set(), set(), set(predefined)
    stack = []  # per open #if: [this branch is live (None: not known), a branch was taken]

    def value(cond):
        def known(name):
            if name in defined:
                return "True"
            return "False" if name.startswith("_") else "None"
        expr = re.sub(r"defined\s*\(?\s*(\w+)\s*\)?", lambda m: known(m.group(1)), cond)
        expr = expr.replace("&&", " and ").replace("||", " or ").replace("!", " not ")
        if "None" in expr or re.search(r"\b(?!True\b|False\b|and\b|or\b|not\b)[A-Za-z_]\w*", expr):
            return None
        try:
            return bool(eval(re.sub(r"\b0x[0-9a-fA-F]+|\b\d+", lambda m: str(int(m.group(), 0)), expr),
                             {"__builtins__": {}}))
        except Exception:
            return None

    i = 0
    while i < len(lines):
        if not lines[i].lstrip().startswith("#"):
            if any(s[0] is not True for s in stack):
                dead.add(i + 1)
            i += 1
            continue
        first, d = i, lines[i]
        while lines[i].endswith("\\") and i + 1 < len(lines):
            i += 1
            d = d[:-1] + " " + lines[i]
        directives.update(range(first + 1, i + 2))
        d = re.sub(r"/\*.*?\*/|//.*", "", d).strip()[1:].strip()
        word, _, rest = d.partition(" ")
        live = all(s[0] is True for s in stack)
        if word in ("if", "ifdef", "ifndef"):
            cond = rest if word == "if" else ("defined(%s)" % rest.strip())
            v = value(cond)
            v = (not v) if (word == "ifndef" and v is not None) else v
            stack.append([v, v is True])
        elif word in ("elif", "else") and stack:
            top = stack[-1]
            if top[0] is None or top[1] is None:
                top[0] = top[1] = None  # after a branch that is not known, none is
            elif top[1]:
                top[0] = False
            else:
                v = True if word == "else" else value(rest)
                top[0], top[1] = v, v
        elif word == "endif" and stack:
            stack.pop()
        elif word == "define" and live:
            defined.add(re.match(r"\w*", rest).group())
        elif word == "undef" and live:
            defined.discard(rest.strip())
        i += 1
    return directives, dead


def tokens(text, directives):
    # Directive lines are blanked so that #include <...> and macro bodies are not read as code.
    lines = text.split("\n")
    for n in directives:
        lines[n - 1] = " " * len(lines[n - 1])
    code, out, pos = "\n".join(lines), [], 0
    while pos < len(code):
        m = TOKEN.match(code, pos)
        kind = m.lastgroup if m.lastgroup != "delim" else "str"
        if kind not in ("ws", "comment"):
            out.append(Tok(kind, m.group(), m.start(), m.end()))
        pos = m.end()
    return out


def template_close(toks, i):
    """The index of the > that closes a template argument list opened at toks[i], or None
    when the < is a comparison."""
    depth, paren = 1, 0
    for j in range(i + 1, min(len(toks), i + 80)):
        t, k = toks[j].text, toks[j].kind
        if t == "<":
            depth += 1
        elif t in (">", ">>"):
            if paren:
                return None
            depth -= len(t)
            if depth <= 0:
                return j
        elif t == "(":
            paren += 1
        elif t == ")":
            paren -= 1
            if paren < 0:
                return None
        elif t == "&&":
            if j + 1 >= len(toks) or toks[j + 1].text not in (">", ",", ")"):
                return None
        elif not (k in ("id", "num") or t in ("::", ",", "*", "&", "[", "]", "...")):
            return None
    return None


def operand_end(tok):
    return tok.kind in ("num", "chr") or tok.text in (")", "]") or (
        tok.kind == "id" and tok.text not in NOT_OPERAND)


def next_number(text):
    """text + 1 (0 and 1 swap), in the literal's own form; None for forms left alone."""
    m = re.fullmatch(r"(0[xX][0-9a-fA-F']+|[1-9][0-9']*|0)([uUlLzZ]*)", text)
    if m:
        digits, suffix = m.group(1).replace("'", ""), m.group(2)
        n = int(digits, 0)
        n = 1 if n == 0 else 0 if n == 1 else n + 1
        if digits[:2].lower() != "0x":
            return str(n) + suffix
        hexed = "%x" % n if digits == digits.lower() else "%X" % n
        return digits[:2] + hexed.rjust(len(digits) - 2, "0") + suffix
    m = re.fullmatch(r"(\d+)\.(\d*)([fFlL]?)", text)
    if m:
        return "%d.%s%s" % (int(m.group(1)) + 1, m.group(2) or "0", m.group(3))
    return None


def table_literals(toks):
    """Indexes of the tokens in data tables: brace lists that are rows of another list, and
    lists of more than eight literals. Their entries are data, not logic."""
    out, stack = set(), []  # per open brace: [index, is a list, is a row]
    for i, t in enumerate(toks):
        prev = toks[i - 1].text if i else ""
        if t.text == "{":
            outer_list = bool(stack) and stack[-1][1]
            is_list = prev in ("=", ",", "{", "(", "return") or (
                prev == ">" or toks[i - 1].kind == "id") and outer_list is False and prev not in (
                "namespace", "else", "do", "try") and i > 1 and toks[i - 2].text != "class"
            stack.append([i, is_list, outer_list and prev in ("{", ",")])
        elif t.text == "}" and stack:
            start, is_list, row = stack.pop()
            inner = toks[start + 1:i]
            literal = all(x.kind in ("num", "chr") or x.text in (",", "-") for x in inner)
            if row or (is_list and literal and sum(x.text == "," for x in inner) >= 8):
                out.update(range(start, i))
    return out


def mutations(text, predefined, tables=False):
    """Every (offset, end, replacement, line, token before, token after) of one file."""
    directives, dead = directive_lines(text, predefined)
    toks = tokens(text, directives)
    table = set() if tables else table_literals(toks)
    starts = [0] + [m.end() for m in re.finditer("\n", text)]
    line = [bisect.bisect_right(starts, t.start) for t in toks]
    # On a line that handles strings, + is most likely a concatenation.
    stringy = {n for n, l in enumerate(text.split("\n"), 1) if re.search(r'"|std::string', l)}
    opens, closes, in_template, skipped = set(), set(), set(), set()
    for i, t in enumerate(toks):
        if t.text == "<" and i and toks[i - 1].kind == "id":
            j = template_close(toks, i)
            if j is not None:
                opens.add(i)
                closes.add(j)
                in_template.update(range(i + 1, j))
        elif t.text == "(" and i and toks[i - 1].text in SKIPPED_CALLS:
            depth = 0
            for j in range(i, len(toks)):
                depth += {"(": 1, ")": -1}.get(toks[j].text, 0)
                skipped.add(j)
                if depth == 0:
                    break
    out = []
    for i, t in enumerate(toks):
        if line[i] in dead or i in skipped or i == 0 or i + 1 == len(toks):
            continue
        prev, nxt, after = toks[i - 1], toks[i + 1], None
        if prev.text in ("operator", "template", "::", ".", "->"):
            continue
        if t.text in ("<", ">") and (i in opens or i in closes or i in in_template or
                                     not operand_end(prev)):
            continue
        if t.text in ("<", ">"):
            after = t.text + "="
        elif t.text in SWAP and t.text != "&&":
            after = SWAP[t.text]
        elif t.text == "&&":
            typed = prev.text in NOT_OPERAND or i - 1 in closes or (
                prev.kind == "id" and prev.text[:1].isupper() and nxt.kind == "id" and
                i + 2 < len(toks) and toks[i + 2].text in (")", ",", "=", ";", "{"))
            if operand_end(prev) and not typed and nxt.text not in (")", ",", ">", "=", "..."):
                after = "||"
        elif t.text in ("+", "-") and operand_end(prev) and (
                "num" in (prev.kind, nxt.kind) or line[i] not in stringy):
            after = "-" if t.text == "+" else "+"
        elif t.kind == "num" and i not in in_template and i not in table and not (
                t.text == "0" and prev.text == "=" and nxt.text == ";" and
                toks[i - 2].text in (")", "const", "override", "noexcept")):  # = 0 of a pure virtual
            after = next_number(t.text)
        if after is not None:
            out.append((t.start, t.end, after, line[i], prev, nxt))
    return out


def core_files(built=None):
    files = []
    for p in (ROOT / "src").rglob("*"):
        parts = p.relative_to(ROOT / "src").parts
        if (p.suffix in (".cpp", ".h") and p.is_file() and parts[0] not in ("app", "cli") and
                not any(d in ("ui", "qt") for d in parts[:-1])):
            if built is not None and p.suffix == ".cpp" and str(p) not in built:
                print("note: %s is not built into the core tests; left out" % rel(p), file=sys.stderr)
                continue
            files.append(p)
    return sorted(files, key=lambda p: rel(p))


def rel(p):
    return p.relative_to(ROOT).as_posix()


def candidates(files, predefined, tables):
    out = []
    for path in files:
        text = path.read_bytes().decode("utf-8", "surrogateescape")
        for start, end, after, line, prev, nxt in mutations(text, predefined, tables):
            def show(mid):  # with the tokens on either side, as written
                s = " ".join((text[prev.start:start] + mid + text[end:nxt.end]).split())
                return s if len(s) < 60 else mid
            out.append(dict(path=path, start=start, end=end, after=after,
                            name="%s:%d: %s → %s" % (rel(path), line, show(text[start:end]),
                                                     show(after))))
    # The same change twice on one line: the second and later get "#2", "#3", so that a
    # name stands for one mutant (--rerun).
    seen = {}
    for c in out:
        seen[c["name"]] = seen.get(c["name"], 0) + 1
        if seen[c["name"]] > 1:
            c["name"] += " #%d" % seen[c["name"]]
    return out


def run(cmd, cwd=None, timeout=None, env=None):
    """(exit status or None on timeout, output). The command runs in its own process group,
    which is killed whole on a timeout or when this program is interrupted."""
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         stdin=subprocess.DEVNULL, start_new_session=True)
    try:
        out, _ = p.communicate(timeout=timeout)
        return p.returncode, out.decode("utf-8", "replace")
    except BaseException as e:
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        p.communicate()
        if isinstance(e, subprocess.TimeoutExpired):
            return None, ""
        raise


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def restore(path, content):
    """Puts the original back, with a new time stamp: the build folder holds objects of the
    mutant, newer than the original's time stamp, which must be rebuilt."""
    old = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM, signal.SIGHUP})
    try:
        path.write_bytes(content)
        os.utime(path)
        Path(str(path) + BACKUP).unlink(missing_ok=True)
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, old)


def running_in(folder):
    """Processes working in the folder: a build or test that a killed run left going on."""
    mine, pid = set(), os.getpid()  # this program and the shells that started it
    while pid > 1 and pid not in mine:
        mine.add(pid)
        try:
            pid = int(re.search(r"^PPid:\s*(\d+)", Path("/proc/%d/status" % pid).read_text(), re.M)[1])
        except (OSError, TypeError):
            break
    out = []
    for proc in Path("/proc").glob("[0-9]*"):
        try:
            cwd = os.readlink(proc / "cwd")
        except OSError:
            continue
        if int(proc.name) not in mine and (cwd == str(folder) or cwd.startswith(str(folder) + os.sep)):
            out.append(proc.name)
    return out


def restore_stale():
    for backup in sorted((ROOT / "src").rglob("*" + BACKUP)):
        target = Path(str(backup)[: -len(BACKUP)])
        restore(target, backup.read_bytes())
        print("restored %s, left mutated by a run that was killed" % rel(target), file=sys.stderr)


def build(build_dir):
    return run(["cmake", "--build", str(build_dir), "-j2", "--target", "core_tests"])


def test(binary, timeout, fail_fast=True):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return run([str(binary), "--gtest_brief=1"] + (["--gtest_fail_fast"] if fail_fast else []),
               cwd=binary.parent, timeout=timeout, env=env)


def objects(build_dir, since=None):
    """The object files of the build (those written at or after `since`), by their digest."""
    found = {}
    for root, _, names in os.walk(build_dir):
        for name in names:
            if name.endswith((".o", ".obj")):
                path = os.path.join(root, name)
                if since is None or os.stat(path).st_mtime >= since:
                    found[path] = hashlib.sha1(Path(path).read_bytes()).hexdigest()
    return found


def same_code(unmutated, rebuilt):
    """True when the build rebuilt objects and every one is the unmutated object."""
    return bool(rebuilt) and all(unmutated.get(p) == d for p, d in rebuilt.items())


def failed_tests(out):
    """The tests GoogleTest's summary names as failed."""
    return sorted(set(re.findall(r"^\[  FAILED  \] (\w+\.\w+)", out, re.M)))


def configure(build_dir):
    if (build_dir / "CMakeCache.txt").exists():
        return
    print("configuring %s" % build_dir, file=sys.stderr)
    # -O1: the test files compile in half the time they take with -O2, and a mutant of a
    # header rebuilds most of them.
    cmd = ["cmake", "-S", str(ROOT), "-B", str(build_dir), "-DCMAKE_BUILD_TYPE=Release",
           "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG", "-DVANTOREL_GUI=OFF"]
    if shutil.which("ninja"):
        cmd += ["-G", "Ninja"]
    if shutil.which("ccache") and "CMAKE_CXX_COMPILER_LAUNCHER" not in os.environ:
        cmd += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    status, out = run(cmd)
    if status != 0:
        sys.exit("configuring %s failed:\n%s" % (build_dir, out))


def compiler(build_dir):
    cache = build_dir / "CMakeCache.txt"
    if cache.exists():
        m = re.search(r"^CMAKE_CXX_COMPILER:\w+=(.+)$", cache.read_text(errors="replace"), re.M)
        if m:
            return m.group(1).strip()
    return os.environ.get("CXX", "c++")


def built_sources(build_dir):
    db = build_dir / "compile_commands.json"
    if not db.exists():
        return None
    return {str(Path(e["directory"], e["file"]).resolve()) for e in json.loads(db.read_text())}


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=100, help="compiling mutants to try")
    ap.add_argument("--build", default="build-mutants", help="build folder (default build-mutants)")
    ap.add_argument("--timeout", type=float, help="seconds per test run (default: 10 times the "
                    "unmutated run, at least 60)")
    ap.add_argument("--files", help="only files whose path (as src/...) matches this regex")
    ap.add_argument("--tables", action="store_true", help="mutate the entries of data tables too")
    ap.add_argument("--list", action="store_true", help="list the first COUNT mutants drawn, "
                    "run nothing (in a run, mutants that do not compile or are equivalent are "
                    "replaced by later ones)")
    ap.add_argument("--missed", help="write the missed mutants to this file")
    ap.add_argument("--rerun", help="try the mutants named in this file (lines as printed)")
    ap.add_argument("--killers", help="run every test, and write to this file the tests that "
                    "each caught mutant fails")
    args = ap.parse_args()
    sys.stdout.reconfigure(errors="replace", line_buffering=True)
    build_dir = Path(args.build) if os.path.isabs(args.build) else ROOT / args.build

    def interrupted(signum, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, interrupted)
    signal.signal(signal.SIGHUP, interrupted)
    lock = os.open(ROOT / "src", os.O_RDONLY)
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except OSError:
        sys.exit("another run of the mutant sampler is going on in %s" % ROOT)
    busy = running_in(build_dir.resolve())
    if busy:
        sys.exit("processes %s are working in %s (left by a run that was killed?): wait for them "
                 "or end them first" % (", ".join(busy), build_dir))
    restore_stale()

    if not args.list:
        configure(build_dir)
    files = core_files(built_sources(build_dir))
    if args.files:
        files = [f for f in files if re.search(args.files, rel(f))]
    cands = candidates(files, predefined_macros(compiler(build_dir)), args.tables)
    order = list(range(len(cands)))
    random.Random(args.seed).shuffle(order)
    if args.rerun:
        wanted = {re.sub(r": (caught|missed|does not compile|equivalent|timeout)$", "", l.strip())
                  for l in Path(args.rerun).read_text().splitlines() if " → " in l}
        order = [i for i in order if cands[i]["name"] in wanted]
        args.count = len(order)
        if len(order) < len(wanted):
            print("note: %d of the mutants named are not in the code any more"
                  % (len(wanted) - len(order)), file=sys.stderr)
    if args.list:
        print("%d mutants possible in %d files" % (len(cands), len(files)), file=sys.stderr)
        for i in order[: args.count]:
            print(cands[i]["name"])
        return 0

    status, out = build(build_dir)
    if status != 0:
        sys.exit("the unmutated code does not build:\n" + out[-4000:])
    binary = build_dir / "tests" / "core_tests"
    t0 = time.monotonic()
    status, out = test(binary, 1800)
    baseline = time.monotonic() - t0
    if status != 0:
        sys.exit("the core tests fail on the unmutated code:\n" + out[-4000:])
    unmutated = objects(build_dir)
    timeout = args.timeout or max(60.0, 10 * baseline)
    print("core tests take %.1f s unmutated; timeout %.0f s" % (baseline, timeout), file=sys.stderr)

    caught = tried = broken = equivalent = 0
    missed, building, testing, per_kind = [], 0.0, 0.0, {".cpp": [], ".h": []}
    started, cpu = time.monotonic(), children_cpu()
    try:
        for i in order:
            if tried == args.count:
                break
            c = cands[i]
            path = c["path"]
            original = path.read_bytes()
            text = original.decode("utf-8", "surrogateescape")
            t0 = time.monotonic()
            try:
                shutil.copy2(path, str(path) + BACKUP)
                # Whole seconds: some file systems keep no finer time stamps.
                since = int(time.time())
                path.write_bytes((text[: c["start"]] + c["after"] + text[c["end"]:])
                                 .encode("utf-8", "surrogateescape"))
                status, _ = build(build_dir)
                t1 = time.monotonic()
                building += t1 - t0
                if status != 0:
                    verdict = "does not compile"
                elif same_code(unmutated, objects(build_dir, since)):
                    verdict = "equivalent"
                else:
                    status, out = test(binary, timeout, fail_fast=not args.killers)
                    testing += time.monotonic() - t1
                    verdict = "timeout" if status is None else "caught" if status else "missed"
                    if args.killers and verdict == "caught":
                        with open(args.killers, "a") as k:
                            k.write("%s: %s\n" % (c["name"], " ".join(failed_tests(out))
                                                     or "(the test program itself failed)"))
            finally:
                restore(path, original)
            per_kind[path.suffix].append(time.monotonic() - t0)
            if verdict == "does not compile":
                broken += 1
            elif verdict == "equivalent":
                equivalent += 1
            else:
                tried += 1
                caught += verdict != "missed"
                if verdict == "missed":
                    missed.append(c["name"])
            print("%s: %s" % (c["name"], verdict))
    except KeyboardInterrupt:
        print("interrupted; the file is restored, the build folder rebuilds it next time",
              file=sys.stderr)
        return 130
    finally:
        if args.missed:
            Path(args.missed).write_text("".join(m + "\n" for m in missed))
    spent, cpu = time.monotonic() - started, children_cpu() - cpu
    status, out = build(build_dir)
    if status != 0:
        print("warning: the unmutated code no longer builds in %s:\n%s" % (build_dir, out[-2000:]),
              file=sys.stderr)
    kinds = "; ".join("%d in %s files, %.0f s each" % (len(t), k, sum(t) / len(t))
                      for k, t in per_kind.items() if t)
    print("%d mutants did not compile, %d were equivalent (the same object code); %d tried in "
          "%.0f s (%.0f s building, %.0f s testing, %.0f s of processor time); %s"
          % (broken, equivalent, tried + broken + equivalent, spent, building, testing, cpu, kinds))
    print("caught %d of %d" % (caught, tried))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit(130)
