#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what a translator's slip can break in translations/*.ts, text by text:

- every text translated, with the placeholders (%1, %n) of its English one;
- one access key where the English text has one, none where it has none;
- no "|" the English text lacks (a damaged text carries one), no "..." (the
  translations write "…");
- French: a no-break space before : ; ! ? and inside « »;
- Italian and French: ’ for the apostrophe within a word;
- Japanese and Chinese: full-width punctuation after their own script and
  brackets around it (the access key's "(&X)" stays half-width).

Prints each finding as file:line: what, and fails when there is one.
  check-translations.py [file.ts ...]   (every translation by default)
"""
import html
import re
import sys
from pathlib import Path

MESSAGE = re.compile(r"<message[^>]*>.*?</message>", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
TRANSLATION = re.compile(r"<translation([^>]*)>(.*?)</translation>", re.S)
FORM = re.compile(r"<numerusform>(.*?)</numerusform>", re.S)
PLACEHOLDER = re.compile(r"%(?:\d+|n)")
ACCESS_KEY = re.compile(r"&(?!&)\S")
CJK = "\u3040-\u30ff\u3400-\u9fff\uff00-\uffef"
CJK_HALF_WIDTH = re.compile(rf"[{CJK}][,.:;!?]|\([^)]*[{CJK}][^)]*\)")


def findings(language, source, text, numerus):
    wanted, found = set(PLACEHOLDER.findall(source)), set(PLACEHOLDER.findall(text))
    if numerus:  # a form for one may say "one" instead of %n
        wanted.discard("%n"), found.discard("%n")
    if wanted != found:
        yield "placeholders differ from the English text's"
    if len(ACCESS_KEY.findall(source.replace("&&", ""))) != len(
        ACCESS_KEY.findall(text.replace("&&", ""))
    ):
        yield "access keys differ from the English text's"
    if "|" in text and "|" not in source:
        yield 'a "|" the English text has not: a damaged text?'
    if "..." in text:
        yield 'write "…", not "..."'
    if language == "fr" and re.search(r"[^\u00a0\u202f][;!?»]| :|«[^\u00a0\u202f]", text):
        yield "a no-break space before : ; ! ? » and after «"
    if language in ("fr", "it") and re.search(r"\w'\w", text):
        yield "write ’ for the apostrophe"
    if language in ("ja", "zh_CN") and CJK_HALF_WIDTH.search(text):
        yield "half-width punctuation in " + ("Japanese" if language == "ja" else "Chinese")


def check(path):
    language = path.stem.split("_", 1)[1]
    content = path.read_text(encoding="utf-8")
    count = 0
    for message in MESSAGE.finditer(content):
        line = content.count("\n", 0, message.start()) + 2
        source = html.unescape(SOURCE.search(message.group(0)).group(1))
        attributes, body = TRANSLATION.search(message.group(0)).groups()
        texts = [html.unescape(t) for t in FORM.findall(body)] or [html.unescape(body)]
        if "unfinished" in attributes or not all(texts):
            texts, problems = [], ["not translated"]
        else:
            problems = []
        for text in texts:
            problems += findings(language, source, text, len(texts) > 1)
        for problem in dict.fromkeys(problems):
            print(f"{path}:{line}: {problem}: {texts[0] if texts else source!r}")
            count += 1
    return count


def main():
    root = Path(__file__).resolve().parent.parent
    paths = [Path(a) for a in sys.argv[1:]] or sorted((root / "translations").glob("*.ts"))
    total = sum(check(path) for path in paths)
    if total:
        print(f"translations: {total} finding(s)")
        sys.exit(1)
    print(f"translations: {len(paths)} files, no finding")


if __name__ == "__main__":
    main()
