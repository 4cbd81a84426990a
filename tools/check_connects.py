#!/usr/bin/env python3
"""Review rule made a check: every Qt connect() names its signal and slot as pointers to
members or a functor, and passes a context object, so that no connection outlives its
receiver. String-based SIGNAL()/SLOT() connects are refused.
Usage: check_connects.py FILE..."""

import re
import sys


def call_arguments(text, start):
    """The top-level arguments of the call whose '(' is at `start`."""
    depth, current, arguments = 0, [], []
    for index in range(start, len(text)):
        char = text[index]
        if char in "([{":
            depth += 1
            if depth == 1:
                continue
        elif char in ")]}":
            depth -= 1
            if depth == 0:
                arguments.append("".join(current).strip())
                return arguments
        elif char == "," and depth == 1:
            arguments.append("".join(current).strip())
            current = []
            continue
        current.append(char)
    return arguments


problems = []
for path in sys.argv[1:]:
    text = open(path, encoding="utf-8").read()
    for match in re.finditer(r"\b(SIGNAL|SLOT)\s*\(", text):
        line = text.count("\n", 0, match.start()) + 1
        problems.append(f"{path}:{line}: string-based {match.group(1)}() connect")
    for match in re.finditer(r"\bconnect\s*\(", text):
        line = text.count("\n", 0, match.start()) + 1
        arguments = call_arguments(text, match.end() - 1)
        if len(arguments) < 4:
            problems.append(f"{path}:{line}: connect() without a context object")
        elif not arguments[1].startswith("&"):
            problems.append(f"{path}:{line}: the signal is not a pointer to member")

for problem in problems:
    print(problem)
print(f"connect check: {len(problems)} problem(s)")
sys.exit(1 if problems else 0)
