#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Says which of the program's sources clang-tidy must look at again.

  tidy-targets.py list <compile_commands.json> <keys file> <config...>
      prints the sources whose key differs from the one the last clean run kept
      (all of them when there is no keys file or the configuration changed)
  tidy-targets.py keep <compile_commands.json> <keys file> <config...>
      keeps every source's key, after a run with no finding

A source's key hashes its own text and that of every header of ours it
includes, directly or through another header; the configuration files (the
checks, the build's lists, clang-tidy's version) go into every key, so a change
to any of them checks everything again.
"""
import hashlib
import json
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def our_includes(path, src):
    """The files of ours that path includes: "folder/File.h" from src, a file
    beside it, or a source a batch names by its full path."""
    found = []
    for name in INCLUDE.findall(path.read_text(errors="replace")):
        for candidate in (src / name, path.parent / name):
            if candidate.is_file():
                found.append(candidate.resolve())
                break
    return found


def keys(commands, config):
    entries = json.loads(Path(commands).read_text())
    sources = sorted({Path(e["file"]).resolve() for e in entries})
    src = Path(__file__).resolve().parent.parent / "src"
    # Our sources, and the build's batches of them ("#include "/…/src/x.cpp"").
    sources = [s for s in sources if src in s.parents or s.parent.name == "Unity"]
    salt = hashlib.sha256()
    for name in config:
        salt.update(name.encode() + b"\0")
        path = Path(name)
        salt.update(path.read_bytes() if path.is_file() else name.encode())
    includes = {}
    result = {}
    for source in sources:
        seen, todo = set(), [source]
        while todo:
            path = todo.pop()
            if path in seen:
                continue
            seen.add(path)
            if path not in includes:
                includes[path] = our_includes(path, src)
            todo.extend(includes[path])
        digest = salt.copy()
        for path in sorted(seen):
            digest.update(str(path).encode() + b"\0" + path.read_bytes())
        result[str(source)] = digest.hexdigest()
    return result


def main():
    mode, commands, kept = sys.argv[1:4]
    current = keys(commands, sys.argv[4:])
    if mode == "keep":
        Path(kept).write_text(json.dumps(current, indent=0, sort_keys=True))
        return
    previous = json.loads(Path(kept).read_text()) if Path(kept).is_file() else {}
    for source, key in current.items():
        if previous.get(source) != key:
            print(source)


if __name__ == "__main__":
    main()
