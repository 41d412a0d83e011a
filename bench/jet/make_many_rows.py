#!/usr/bin/env python3
"""make_many_rows.py - rows for a large test file, from a small set of rows.

Written for this project's conversion benchmark.  Cycles through the rows of
a JSON file (as make_jet.py reads it) and numbers the names of each copy, so
every record differs from the others while text, Null columns and memo
lengths keep the mix of the small set.

    python3 make_many_rows.py BASE.json N OUT.json
"""
import json
import sys


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as fh:
        base = json.load(fh)
    n = int(sys.argv[2])
    rows = []
    for i in range(n):
        row = list(base[i % len(base)])
        for k in (0, 1):   # ALDRICH, NOME
            if row[k] is not None:
                row[k] = "%s %d" % (row[k], i + 1)
        rows.append(row)
    with open(sys.argv[3], "w", encoding="utf-8") as fh:
        json.dump(rows, fh, ensure_ascii=False)


if __name__ == "__main__":
    main()
