#!/usr/bin/env python3
"""What a step changed in a Wine prefix, held against what docs/deployment.md says it writes.

  prefix_changes.py snapshot PREFIX FILE
      records every file and folder under drive_c (size and SHA-256) and every registry key and
      value of the prefix, as JSON.
  prefix_changes.py noise BEFORE AFTER FILE
      records what changed between two snapshots: what Wine itself writes when any program runs
      (a run of its notepad), to be left out of every comparison.
  prefix_changes.py check BEFORE AFTER NOISE DOCUMENT SECTION [--may]
      fails, naming each difference, unless what changed from BEFORE to AFTER, less the noise, is
      exactly what the table under the heading SECTION of DOCUMENT lists (no section: nothing;
      --may: what it lists may change, and nothing else). A * in a path stands for any name.
      The table's paths are Windows paths with %VARIABLES%, resolved in the prefix (WINEPREFIX)
      by the cmd.exe that FUEL_WINE_CMD names, as a program of its width sees them; with
      FUEL_WOW64=1, HKLM\Software is the Wow6432Node a 32-bit program on 64-bit Windows writes
      to. A registry key is followed by the names of its values.
"""

import fnmatch
import hashlib
import json
import os
import re
import subprocess
import sys

HIVES = {"system.reg": "HKLM", "user.reg": "HKCU"}


def files(prefix):
    found = {}
    root = os.path.join(prefix, "drive_c")
    for folder, subfolders, names in os.walk(root):
        relative = os.path.relpath(folder, root)
        if relative != ".":
            found[relative] = "folder"
        for name in names:
            path = os.path.join(folder, name)
            if os.path.islink(path):
                continue
            with open(path, "rb") as f:
                digest = hashlib.sha256(f.read()).hexdigest()
            found[os.path.normpath(os.path.join(relative, name))] = digest
    return found


def registry(prefix):
    """Wine's own text form of the hives: '[Key\\\\Path] time', then '"name"=data' lines."""
    found = {}
    for file, hive in HIVES.items():
        key = None
        with open(os.path.join(prefix, file), encoding="utf-8", errors="replace") as f:
            lines = f.read().replace("\\\n", "").splitlines()
        for line in lines:
            header = re.match(r"^\[(.*)\](?: \d+)?$", line)
            if header:
                key = hive + "\\" + header.group(1).replace("\\\\", "\\")
                # Wine writes a key with subkeys only through them.
                parts = key.lower().split("\\")
                for depth in range(2, len(parts) + 1):
                    found.setdefault("\\".join(parts[:depth]), "")
            elif key and not line.startswith("#") and "=" in line:
                name, data = line.split("=", 1)
                name = "@" if name == "@" else name.strip('"')
                found[(key + "\\\\" + name).lower()] = data
    return found


def snapshot(prefix):
    # Keyed by the word each entry of changed() begins with.
    return {"file": files(prefix), "registry": registry(prefix)}


def changed(before, after):
    """Every file or registry entry added, removed or altered, as 'file PATH' or 'registry PATH'."""
    result = set()
    for kind in ("file", "registry"):
        old, new = before[kind], after[kind]
        for path in set(old) | set(new):
            if old.get(path) != new.get(path):
                result.add(kind + " " + path)
    return result


def resolve(path, cache={}):
    """A documented Windows path as snapshot() names it."""
    def variable(match):
        name = match.group(1)
        # A cmd.exe started just as the prefix's last program ended has been seen to fail once
        # and pass when started again.
        for _ in range(3):
            if name in cache:
                break
            run = subprocess.run(["wine", os.environ["FUEL_WINE_CMD"], "/c", f"echo %{name}%"],
                                 capture_output=True, text=True)
            if run.returncode == 0 and run.stdout.strip():
                cache[name] = run.stdout.strip()
        if name not in cache:
            sys.exit(f"cmd.exe in {os.environ['WINEPREFIX']} did not say what %{name}% is")
        return cache[name]
    path = re.sub(r"%([^%]+)%", variable, path)
    if re.match(r"^[A-Za-z]:\\", path):
        return "file " + os.path.normpath(path[3:].replace("\\", "/"))
    return "registry " + path.lower()


def documented(document, section):
    """The entries the table under the heading SECTION lists, each key with its values."""
    expected = set()
    if not section:
        return expected
    with open(document, encoding="utf-8") as f:
        text = f.read()
    heading = re.search(r"^#+ " + re.escape(section) + r"\s*$", text, re.M)
    if not heading:
        sys.exit(f"{document} has no heading '{section}'")
    body = re.split(r"^#+ ", text[heading.end():], maxsplit=1, flags=re.M)[0]
    wow64 = os.environ.get("FUEL_WOW64") == "1"
    for row in re.findall(r"^\|.*\|$", body, re.M):
        names = re.findall(r"`([^`]+)`", row)
        if not names:
            continue
        entry = resolve(names[0])
        if entry.startswith("registry "):
            if wow64:
                entry = re.sub(r"^registry hklm\\software\\", r"registry hklm\\software\\wow6432node\\", entry)
            expected.add(entry)
            expected.update(entry + "\\\\" + name.lower() for name in names[1:])
        else:
            expected.add(entry)
    return expected


def with_parents(entries, base):
    """Each listed entry with the folders or keys above it that were not there before."""
    result = set(entries)
    for entry in entries:
        kind, path = entry.split(" ", 1)
        separator = "/" if kind == "file" else "\\"
        path = path.split("\\\\")[0]
        while separator in path:
            path = path.rsplit(separator, 1)[0]
            if separator in path and path not in base[kind]:
                result.add(kind + " " + path)
    return result


def main():
    command, arguments = sys.argv[1], sys.argv[2:]
    if command == "snapshot":
        prefix, out = arguments
        with open(out, "w") as f:
            json.dump(snapshot(prefix), f)
        return 0
    load = lambda path: json.load(open(path))
    if command == "noise":
        before, after, out = arguments
        with open(out, "w") as f:
            json.dump(sorted(changed(load(before), load(after))), f)
        return 0
    before, after, noise, document, section = arguments[:5]
    optional = arguments[5:] == ["--may"]
    base = load(before)
    found = changed(base, load(after)) - set(load(noise))
    expected = with_parents(documented(document, section), base)
    listed = lambda entry: any(fnmatch.fnmatchcase(entry, pattern) for pattern in expected)
    unexpected = sorted(entry for entry in found if not listed(entry))
    missing = [] if optional else sorted(
        pattern for pattern in expected if not fnmatch.filter(found, pattern))
    for entry in sorted(found):
        if listed(entry):
            print(f"changed, as listed: {entry}")
    for entry in unexpected:
        print(f"changed, not in {os.path.basename(document)}: {entry}")
    for entry in missing:
        print(f"in {os.path.basename(document)}, not changed: {entry}")
    print(f"{len(found)} changes, {len(unexpected)} not listed, {len(missing)} listed and not made")
    return 1 if unexpected or missing else 0


if __name__ == "__main__":
    sys.exit(main())
