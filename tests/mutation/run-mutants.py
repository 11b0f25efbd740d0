#!/usr/bin/env python3
"""Injects each fault of mutants.txt, one at a time, into a copy of the tree, rebuilds it and
runs the test suite; prints which faults the suite caught and which survived.

Usage: run-mutants.py [--only ID[,ID...]] [--work FOLDER] [--prepare] [--stages NAME,...]
                      [--every-test [--report FILE]] [--check]

By default each fault stops at the first test that fails. --every-test runs every test of the
chosen stages on every fault and records each test that fails: a GoogleTest case is its own ctest
test, and a failing Qt Test binary is split into the test functions it reports as failed. It then
prints, for each test, how many faults it catches and how many it alone catches. The findings are
kept in FOLDER/every-test.json, so that runs over different faults or stages add up; --report
writes the table of all findings so far as Markdown.

The copy and its build live in FOLDER (default build-mutants/ beside the sources); the first run
configures it and builds what the stages need, later runs only what changed. Before any build,
every snippet must occur exactly once in its file, or the run stops naming the stale ones;
--check does only that.
"""
import argparse
import contextlib
import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]

# Fast tests first, each stage with the targets it needs, so that a fault caught early costs
# only the build of those; each stage stops at its first failure.
STAGES = [
    ("core", ["vorbia_core_tests", "vorbia-console", "vorbia-sim"],
     ["-E", r"^(ui_|dialogs_|install_|package_)|^ComputerSearchDifferential\."],
     120),
    ("core, long", ["vorbia_core_tests"], ["-R", r"^ComputerSearchDifferential\."],
     300),
    ("dialogs", ["DialogsTest"], ["-R", r"^dialogs_"], 300),
    ("window", ["TableWindowTest", "MatchPlayTest"], ["-R", r"^ui_(TableWindowTest|MatchPlayTest)$"],
     300),
    ("widgets", ["NewMatchButtonTest", "WindowSystemTest", "CoachAdviceTest"],
     ["-R", r"^ui_(NewMatchButtonTest|NewMatchButtonTest_2x|WindowSystemTest|CoachAdviceTest)$"],
     120),
    ("end to end", ["all"], ["-R", r"^(ui_end_to_end|ui_recorded_match|install_and_start)$"],
     420),
]


class Mutant:
    def __init__(self, ident):
        self.ident = ident
        self.title = ""
        self.file = ""
        self.find = None
        self.replace = None
        self.unobservable = ""


def read_table(path):
    mutants = []
    current = None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("== "):
            ident, _, title = line[3:].partition(" ")
            current = Mutant(ident)
            current.title = title.strip()
            mutants.append(current)
            continue
        key, sep, value = line.partition(":")
        if current is None or not sep or key not in ("file", "find", "replace", "unobservable"):
            sys.exit(f"{path}:{number}: cannot read this line: {line}")
        value = value[1:] if value.startswith(" ") else value
        setattr(current, key, value)
    for m in mutants:
        if not m.file or m.find is None or m.replace is None:
            sys.exit(f"mutant {m.ident}: needs file, find and replace")
    if len({m.ident for m in mutants}) != len(mutants):
        sys.exit("two mutants share an id")
    return mutants


def check_snippets(mutants):
    stale = []
    for m in mutants:
        path = SOURCE / m.file
        count = path.read_text(encoding="utf-8").count(m.find) if path.exists() else 0
        if count != 1:
            stale.append(f"  {m.ident} ({m.file}): snippet found {count} times: {m.find!r}")
    if stale:
        print("Stale mutants, update tests/mutation/mutants.txt:", *stale, sep="\n")
        sys.exit(2)


def sync_copy(copy):
    """Copies the tracked files (with local changes) into the copy. Unchanged files are left as
    they are, so the build redoes only what changed; a changed file gets the time of copying,
    never its own older time, which could be older than the object built from its last copy."""
    tracked = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                             cwd=SOURCE, check=True, capture_output=True).stdout
    names = {name for name in tracked.decode().split("\0") if name}
    for name in names:
        source, target = SOURCE / name, copy / name
        if not source.is_file():
            continue
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        shutil.copymode(source, target)
    for target in list(copy.rglob("*")):
        if target.is_file() and str(target.relative_to(copy)) not in names:
            target.unlink()


# The literal computer search is the slowest test by far; 10,000 random tables still find any
# fault of the computer's search that the mutants hold.
TEST_ENVIRONMENT = dict(os.environ, VORBIA_DIFFERENTIAL_TABLES="10000")


def run(command, log, cwd=None, timeout=None):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(map(str, command))}\n")
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout, env=TEST_ENVIRONMENT).returncode
        except subprocess.TimeoutExpired:
            return 124


def build(build_dir, log, targets=("all",)):
    return run(["cmake", "--build", build_dir, f"-j{os.cpu_count()}", "--target", *targets],
               log) == 0


def stage_key(name):
    return name.replace(", ", "-").replace(" ", "-")


def failing_tests(build_dir, selection, timeout, log):
    """Runs every selected test; the names of those that failed. A Qt Test binary that reports
    failed functions gives one name per function, "ctest name::function"."""
    output = build_dir / "Testing" / "every-test-output.txt"
    failed = build_dir / "Testing" / "Temporary" / "LastTestsFailed.log"
    failed.unlink(missing_ok=True)
    output.unlink(missing_ok=True)
    run(["ctest", "--timeout", str(timeout), "--output-on-failure", "--output-log", output,
         *selection], log, cwd=build_dir)
    names = [line.split(":", 1)[-1] for line in
             (failed.read_text().split("\n") if failed.exists() else []) if line.strip()]
    if not names:
        return []
    # ctest's log: each test's own output follows its result line; Qt Test marks a failed function
    # with "FAIL!  : Class::function(...)".
    functions, current = {}, None
    for line in output.read_text(encoding="utf-8", errors="replace").splitlines():
        match = re.match(r"\s*\d+/\d+ Test\s+#\d+: (\S+) ", line)
        if match:
            current = match.group(1)
            continue
        match = re.match(r"FAIL!\s+:\s+\w+::(\w+)\(", line)
        if match and current in names:
            functions.setdefault(current, []).append(match.group(1))
    found = []
    for name in names:
        found += [f"{name}::{f}" for f in dict.fromkeys(functions.get(name, []))] or [name]
    return found


def every_failure(build_dir, log, stages):
    """For each of the given stages, every test of it that fails; None when a stage's targets
    do not build."""
    found = {}
    for stage, targets, selection, timeout in STAGES:
        if stage_key(stage) not in stages:
            continue
        if not build(build_dir, log, targets):
            return None
        found[stage_key(stage)] = failing_tests(build_dir, selection, timeout, log)
    return found


def load_findings(path):
    return json.loads(path.read_text()) if path.exists() else {}


def report_findings(findings, mutants):
    """Markdown: for each test, the faults it catches and those it alone catches; then each fault
    with the stages it was run on and the tests that caught it."""
    known = {m.ident: m for m in mutants}
    findings = {ident: entry for ident, entry in findings.items() if ident in known}
    for entry in findings.values():
        entry["caught_by"] = sorted({t for tests in entry["by_stage"].values() for t in tests})
        entry["stages"] = [stage_key(s[0]) for s in STAGES if stage_key(s[0]) in entry["by_stage"]]
    catches, alone = {}, {}
    for ident, entry in findings.items():
        for test in entry["caught_by"]:
            catches.setdefault(test, []).append(ident)
        if len(entry["caught_by"]) == 1:
            alone.setdefault(entry["caught_by"][0], []).append(ident)
    lines = ["| Test | Faults it catches | Faults only it catches |", "|---|---:|---|"]
    for test in sorted(catches, key=lambda t: (-len(alone.get(t, [])), -len(catches[t]), t)):
        only = alone.get(test, [])
        lines.append(f"| {test} | {len(catches[test])} | {len(only)}"
                     + (f": {', '.join(sorted(only))}" if only else "") + " |")
    lines += ["", "| Fault | Stages run | Caught by |", "|---|---|---|"]
    for ident in [m.ident for m in mutants if m.ident in findings]:
        entry = findings[ident]
        caught = entry["caught_by"]
        shown = ("does not build" if entry.get("unbuilt") else
                 ", ".join(caught) if caught else
                 "SURVIVED" + (f" ({known[ident].unobservable})"
                               if known[ident].unobservable else ""))
        lines.append(f"| {ident} | {', '.join(entry['stages'])} | {shown} |")
    return "\n".join(lines) + "\n"


def first_failure(build_dir, log, stages):
    """The stage and test that failed first, "build" when a stage's targets do not build, or
    None when the whole suite passed."""
    for stage, targets, selection, timeout in STAGES:
        if stage_key(stage) not in stages:
            continue
        if not build(build_dir, log, targets):
            return "build"
        failed = build_dir / "Testing" / "Temporary" / "LastTestsFailed.log"
        failed.unlink(missing_ok=True)
        code = run(["ctest", "--stop-on-failure", "--timeout", str(timeout), "--output-on-failure",
                    *selection], log, cwd=build_dir)
        if code != 0:
            names = failed.read_text().split() if failed.exists() else []
            test = names[0].split(":", 1)[-1] if names else f"exit {code}"
            return f"{stage}: {test}"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--only", help="comma-separated ids of the mutants to run")
    parser.add_argument("--work", default=str(SOURCE / "build-mutants"))
    parser.add_argument("--prepare", action="store_true", help="only copy and build the tree")
    parser.add_argument("--every-test", action="store_true",
                        help="run every test on every fault and record each that fails")
    parser.add_argument("--stages", default=",".join(stage_key(s[0]) for s in STAGES),
                        help="the stages to run, all by default: " +
                        ", ".join(stage_key(s[0]) for s in STAGES))
    parser.add_argument("--report", help="with --every-test, write the findings here (Markdown)")
    parser.add_argument("--check", action="store_true",
                        help="only check that every fault's snippet occurs once in its file")
    args = parser.parse_args()
    stages = args.stages.split(",")
    unknown_stages = set(stages) - {stage_key(s[0]) for s in STAGES}
    if unknown_stages:
        sys.exit(f"no such stages: {', '.join(sorted(unknown_stages))}")

    mutants = read_table(Path(__file__).with_name("mutants.txt"))
    check_snippets(mutants)
    if args.check:
        return 0
    if args.only:
        wanted = set(args.only.split(","))
        unknown = wanted - {m.ident for m in mutants}
        if unknown:
            sys.exit(f"no such mutants: {', '.join(sorted(unknown))}")
        mutants = [m for m in mutants if m.ident in wanted]

    work = Path(args.work).resolve()
    copy, build_dir, log = work / "src", work / "build", work / "log.txt"
    copy.mkdir(parents=True, exist_ok=True)
    log.write_text("")
    sync_copy(copy)
    # Configured on every run, so that targets added to the tree since the last one exist in the
    # copy's build; the generator can be chosen only the first time.
    first = not (build_dir / "CMakeCache.txt").exists()
    generator = ["-G", "Ninja"] if first and shutil.which("ninja") else []
    launcher = (["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else [])
    if run(["cmake", "-S", copy, "-B", build_dir, *generator, *launcher,
            "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DVORBIA_BUILD_BENCH=OFF",
            "-DVORBIA_WARNINGS_AS_ERRORS=ON"], log) != 0:
        sys.exit(f"configuring the copy failed, see {log}")
    print("building the unchanged copy ...", flush=True)
    # A run of a few stages builds only what they need.
    targets = sorted({t for stage, ts, _, _ in STAGES if stage_key(stage) in stages for t in ts})
    if not build(build_dir, log, targets):
        sys.exit(f"the unchanged copy does not build, see {log}")
    if args.prepare:
        return 0
    if os.environ.get("VORBIA_MUTANTS_SKIP_BASELINE") != "1":
        print("running the suite on the unchanged copy ...", flush=True)
        if args.every_test:
            failures = every_failure(build_dir, log, stages)
            failure = ("build" if failures is None else
                       ", ".join(t for tests in failures.values() for t in tests))
        else:
            failure = first_failure(build_dir, log, stages)
        if failure:
            sys.exit(f"the suite fails without any mutant ({failure}), see {log}")
    else:
        print("(the unchanged copy's suite is not run)", flush=True)
    if args.every_test:
        return every_test(mutants, read_table(Path(__file__).with_name("mutants.txt")), copy,
                          build_dir, log, work / "every-test.json", stages, args.report)

    results = []
    for index, m in enumerate(mutants, 1):
        started = time.monotonic()
        with injected(copy, m):
            failure = first_failure(build_dir, log, stages)
        if failure == "build":
            outcome = "does not build"
        else:
            outcome = f"caught by {failure}" if failure else "SURVIVED"
        seconds = time.monotonic() - started
        results.append((m, outcome))
        print(f"[{index}/{len(mutants)}] {m.ident}: {outcome} ({seconds:.0f} s)", flush=True)

    caught = [m for m, outcome in results if outcome.startswith("caught")]
    survived = [m for m, outcome in results if outcome == "SURVIVED"]
    unbuilt = [m for m, outcome in results if outcome == "does not build"]
    print()
    print(f"{len(caught)} of {len(results)} mutants caught "
          f"({100.0 * len(caught) / max(1, len(results)):.1f} %), {len(survived)} survived, "
          f"{len(unbuilt)} did not build.")
    for m in survived:
        reason = f" -- {m.unobservable}" if m.unobservable else " -- NOT EXPLAINED"
        print(f"  survived: {m.ident} {m.title}{reason}")
    for m in unbuilt:
        print(f"  did not build: {m.ident} {m.title}")
    print(f"Build and test output: {log}")
    unexplained = [m for m in survived if not m.unobservable]
    return 1 if unexplained or unbuilt else 0


@contextlib.contextmanager
def injected(copy, m):
    """The copy holds mutant `m` while the block runs, and its original text afterwards."""
    path = copy / m.file
    original = path.read_text(encoding="utf-8")
    try:
        path.write_text(original.replace(m.find, m.replace, 1), encoding="utf-8")
        yield
    finally:
        path.write_text(original, encoding="utf-8")


def every_test(mutants, table, copy, build_dir, log, store, stages, report):
    findings = load_findings(store)
    for index, m in enumerate(mutants, 1):
        started = time.monotonic()
        with injected(copy, m):
            caught = every_failure(build_dir, log, stages)
        # The stages run now replace their earlier findings; those of other stages are kept.
        entry = findings.get(m.ident, {"by_stage": {}})
        entry["unbuilt"] = caught is None
        entry["by_stage"].update(caught or {})
        findings[m.ident] = entry
        store.write_text(json.dumps(findings, indent=1, sort_keys=True))
        caught = [t for tests in (caught or {}).values() for t in tests]
        shown = "does not build" if entry["unbuilt"] else (", ".join(caught) or "SURVIVED")
        print(f"[{index}/{len(mutants)}] {m.ident}: {shown} ({time.monotonic() - started:.0f} s)",
              flush=True)
    table_text = report_findings(findings, table)
    print()
    print(table_text)
    if report:
        # The tables replace whatever follows the marker; the text before it is kept.
        marker = "<!-- run-mutants.py writes below this line -->\n"
        path = Path(report)
        before = path.read_text(encoding="utf-8") if path.exists() else ""
        before = before.partition(marker)[0] if marker in before else before
        command = " ".join(f"{len(a.split(','))} ids" if a.count(",") > 5 else a
                           for a in sys.argv[1:])
        stamp = (f"Written {time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())} by "
                 f"`tests/mutation/run-mutants.py {command}`, with the findings of earlier runs "
                 f"kept in the work folder.\n\n")
        path.write_text(before + marker + "\n" + stamp + table_text, encoding="utf-8")
    print(f"Findings: {store}; build and test output: {log}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
