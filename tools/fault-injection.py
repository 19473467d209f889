#!/usr/bin/env python3
"""Measures what the tests catch: applies each fault of a list, one at a time, to a copy of
the committed tree, builds it, runs the unit tests and, for a fault they miss, the end-to-end
tests of its subsystem. Prints a line a fault, naming the tests that killed it, and last
`killed K of N`.

The tests a run selects must pass on the unchanged tree first: a test that fails without any
fault would seem to kill every fault. The script exits non-zero when the unchanged tree fails,
when a fault survives, or when one could not be tried.

    tools/fault-injection.py LIST [--only ID ...]

A list holds blocks separated by blank lines, each a fault:

    fault: button-release-anywhere
    subsystem: button
    file: button/command_input.cpp
    original: <the exact text, found once in the file>
    faulty: <what replaces it>
    notice: <what a user would notice>
    e2e: <optional: the end-to-end suites to run, a regex of gtest suite names>

An `e2e:` field, when present, replaces the suites of the fault's subsystem (E2E_SUITES) with
the ones that exercise the faulty code, so a fault of the platform layer need not run them all.

`\\n` in a value stands for a line break; lines starting with # are comments. The copy and its
build live in build/fault-injection and are kept between runs, so later runs build only what a
fault touches.
"""
import argparse
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
WORK = ROOT / "build" / "fault-injection"
TREE = WORK / "tree"
BUILD = TREE / "build"

# The end-to-end suites that see each subsystem at work; a fault of the platform layer may show
# anywhere.
E2E_SUITES = {
    "startup": "StartupTest|DialogTest|PreviewTest",
    "settings": "DialogTest|StartupTest",
    "preview": "PreviewTest",
    "saver": "SaverRunTest|RendererTest",
    "music": "SaverRunTest",
    "dialog": "DialogTest",
    "button": "DialogTest",
    "renderer": "RendererTest",
    "installer": "InstallerTest",
    "platform": "",
}
FIELDS = ("fault", "subsystem", "file", "original", "faulty", "notice")


def read_faults(list_file):
    faults, block = [], {}
    for number, line in enumerate(list_file.read_text(encoding="utf-8").splitlines() + [""], 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if block:
                missing = [f for f in FIELDS if f not in block]
                if missing:
                    sys.exit(f"{list_file}:{number}: fault {block.get('fault', '?')} lacks {missing}")
                if block["subsystem"] not in E2E_SUITES:
                    sys.exit(f"{list_file}:{number}: unknown subsystem {block['subsystem']}")
                faults.append(block)
                block = {}
            continue
        key, _, value = line.partition(": ")
        block[key.strip()] = value.replace("\\n", "\n")
    return faults


def run(command, log):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"$ {' '.join(command)}\n")
        out.flush()
        return subprocess.run(command, cwd=TREE, stdout=out, stderr=subprocess.STDOUT).returncode


def prepare_tree(log):
    commit = subprocess.run(["git", "rev-parse", "HEAD"], cwd=ROOT, capture_output=True,
                            text=True, check=True).stdout.strip()
    if not (TREE / ".git").exists():
        WORK.mkdir(parents=True, exist_ok=True)
        subprocess.run(["git", "worktree", "add", "--detach", str(TREE), commit], cwd=ROOT,
                       check=True, capture_output=True)
    subprocess.run(["git", "checkout", "--detach", "--force", commit], cwd=TREE, check=True,
                   capture_output=True)
    subprocess.run(["git", "clean", "-fdq", "--exclude=/build/"], cwd=TREE, check=True)
    if run(["tools/build.sh"], log) != 0:
        sys.exit(f"the unchanged tree does not build; see {log}")
    return commit[:10]


def build(log):
    return run(["cmake", "--build", "build", "--parallel", "2"], log) == 0


def tests_fail(selection, log):
    return run(["ctest", "--test-dir", "build", "--output-on-failure"] + selection, log) != 0


def failed_tests(log):
    """The tests that failed in the last ctest run that `log` holds."""
    last_run = log.read_text(encoding="utf-8", errors="replace").rpartition("$ ctest")[2]
    return re.findall(r"^\s+\d+ - (\S+) \(Failed\)", last_run, re.M)


def suites_of(fault):
    return fault.get("e2e", E2E_SUITES[fault["subsystem"]])


def e2e_selection(suites):
    return ["-L", "e2e"] + (["-R", rf"^e2e\.({suites})\.|^e2e\.session"] if suites else [])


def check_unchanged_tree(faults, log):
    """Runs, on the unchanged tree, every test that the faults select; stops when one fails."""
    suites = {suites_of(fault) for fault in faults}
    e2e = e2e_selection("" if "" in suites else "|".join(sorted(suites)))
    for selection in (["-L", "unit"], e2e):
        if tests_fail(selection, log):
            sys.exit(f"the tests fail on the unchanged tree ({' '.join(selection)}), so they cannot "
                     f"tell a fault apart; see {log}")


def try_fault(fault, log):
    """What became of one fault: 'unit', 'e2e', 'survived', or why it was not tried."""
    path = TREE / fault["file"]
    if not path.exists():
        return "no such file"
    text = path.read_text(encoding="utf-8")
    if text.count(fault["original"]) != 1:
        return f"original text found {text.count(fault['original'])} times, not once"
    try:
        path.write_text(text.replace(fault["original"], fault["faulty"]), encoding="utf-8")
        if not build(log):
            return "did not build"
        if tests_fail(["-L", "unit"], log):
            return "unit"
        return "e2e" if tests_fail(e2e_selection(suites_of(fault)), log) else "survived"
    finally:
        path.write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("list", type=pathlib.Path)
    parser.add_argument("--only", nargs="*", default=[], help="fault ids to try")
    arguments = parser.parse_args()
    faults = [f for f in read_faults(arguments.list) if not arguments.only or f["fault"] in arguments.only]
    log_folder = WORK / "logs"
    log_folder.mkdir(parents=True, exist_ok=True)
    commit = prepare_tree(log_folder / "prepare.log")
    check_unchanged_tree(faults, log_folder / "unchanged.log")
    print(f"{len(faults)} faults on {commit}; logs in {log_folder}", flush=True)

    killed = tried = 0
    for fault in faults:
        log = log_folder / f"{fault['fault']}.log"
        log.unlink(missing_ok=True)
        outcome = try_fault(fault, log)
        if outcome in ("unit", "e2e", "survived"):
            tried += 1
            killed += outcome != "survived"
            verdict = (f"killed by the {outcome} tests: {' '.join(failed_tests(log))}"
                       if outcome != "survived" else "SURVIVED")
        else:
            verdict = f"not tried: {outcome}"
        print(f"{fault['fault']:<36} {fault['subsystem']:<10} {verdict}", flush=True)
    build(log_folder / "restore.log")
    print(f"killed {killed} of {tried}")
    if killed < tried or tried < len(faults):
        sys.exit(f"{tried - killed} survived, {len(faults) - tried} not tried")


if __name__ == "__main__":
    main()
