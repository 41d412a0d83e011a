#!/usr/bin/env python3
"""make_more.py - writes the rows of the conversion tests' extra files, then the
files themselves with bench/jet/make_jet.py.  Run from this folder:

    python3 make_more.py

The five files copied from the shared fixtures (tolmireks-*.mdb, other-table-jet4.mdb
and their JSON) are not made here.  Each file made here has a JSON of the rows the
conversion must give, in the inventory's column order (ALDRICH NOME FORNECEDOR FORMULA
LOCAL QUANTIDADE MW MP BP DENSITY HAZARDS CARACTERISTIC), each a string or null.
"""
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
MAKE_JET = os.path.join(HERE, "..", "..", "..", "bench", "jet", "make_jet.py")


def load(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as fh:
        return json.load(fh)


def dump(rows, name):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as fh:
        json.dump(rows, fh, ensure_ascii=False, indent=1)


def jet(args, rows_json, out):
    subprocess.run([sys.executable, MAKE_JET] + args + [rows_json, out], check=True, cwd=HERE)


def main():
    rows4 = load("tolmireks-jet4.json")
    rows3 = load("tolmireks-jet3.json")

    # Access leaves deleted rows in place and moves rows that grew to another page.
    jet(["--jet", "4", "--deleted", "3,12", "--moved", "5,17"], "tolmireks-jet4.json",
        "deleted-moved-jet4.mdb")
    dump([r for i, r in enumerate(rows4) if i not in (3, 12)], "deleted-moved-jet4.json")
    jet(["--jet", "3", "--deleted", "3", "--moved", "5,17"], "tolmireks-jet3.json",
        "deleted-moved-jet3.mdb")
    dump([r for i, r in enumerate(rows3) if i != 3], "deleted-moved-jet3.json")

    # Jet 3 text in another code page than 1252.
    crlf = "\r\n"
    cyr = [
        ["Acetone", "Ацетон", "Химреактив", "C3H6O", "Шкаф 2, полка Б", "1 л", "58.08",
         "-94.7 °C", "56.05 °C", "0.7845 г/мл",
         crlf.join(["Легковоспламеняющаяся жидкость.", "Беречь от огня."]),
         crlf.join(["Бесцветная жидкость.", "Смешивается с водой."])],
        ["Sodium chloride", "Хлорид натрия", None, "NaCl", "Шкаф 3", "1 кг", "58.44",
         "801 °C", "1413 °C", "2.165 г/см3", None, ""],
    ]
    dump(cyr, "codepage1251-jet3.json")
    jet(["--jet", "3", "--code-page", "1251"], "codepage1251-jet3.json", "codepage1251-jet3.mdb")

    # A memo far longer than one page and than libmdb's bound buffers, characters
    # outside the Basic Multilingual Plane, and text that is only non-Latin-1.
    long_memo = crlf.join("%05d Δλ→ ρ=1,84 g/cm³ — ácido" % i for i in range(1, 1501))
    long_rows = [
        ["Sulfuric acid", "Ácido sulfúrico 𝛼-grade 🧪", "Vetec", "H₂SO₄", "Armário", "1 L",
         "98.08", "10.31 °C", "337 °C", "1.84", long_memo, "≈ Δ 𝔄"],
        ["Water", "Água", None, "H2O", "", "", None, None, None, None, "", None],
    ]
    dump(long_rows, "long-memo-jet4.json")
    jet(["--jet", "4"], "long-memo-jet4.json", "long-memo-jet4.mdb")

    # A table of another shape: names in other case and order, two columns missing
    # (FORNECEDOR, CARACTERISTIC) and two that are not the inventory's.
    cols = ["nome", "Aldrich", "Formula", "local", "Quantidade", "mw", "MP", "bp", "Density",
            "hazards:memo", "OBSERVACAO", "DATA_COMPRA"]
    order = [1, 0, 3, 4, 5, 6, 7, 8, 9, 10]  # our ordinals of the first ten
    src = []
    expected = []
    for i, r in enumerate(rows4[:6]):
        src.append([r[k] for k in order] + ["obs %d" % i, "2001-0%d-15" % (i + 1)])
        e = list(r)
        e[2] = None
        e[11] = None
        expected.append(e)
    dump(src, "other-columns-source.json")
    dump(expected, "other-columns-jet4.json")
    jet(["--jet", "4", "--columns", ",".join(cols)], "other-columns-source.json",
        "other-columns-jet4.mdb")
    os.remove(os.path.join(HERE, "other-columns-source.json"))

    # The names in a column that is not called NOME: refused, as a CSV without one is.
    cols = ["ALDRICH", "PRODUTO", "FORNECEDOR", "FORMULA", "LOCAL", "QUANTIDADE", "MW", "MP", "BP",
            "DENSITY", "HAZARDS:memo", "CARACTERISTIC:memo"]
    dump(rows4[:3], "no-name-column-source.json")
    jet(["--jet", "4", "--columns", ",".join(cols)], "no-name-column-source.json",
        "no-name-column-jet4.mdb")
    os.remove(os.path.join(HERE, "no-name-column-source.json"))

    # No password, its area masked as Access writes it: converted.
    jet(["--jet", "4", "--mask-blank-password"], "tolmireks-jet3.json", "masked-blank-password-jet4.mdb")
    dump(rows3, "masked-blank-password-jet4.json")

    # Protected files: refused without being read.
    jet(["--jet", "4", "--password", "quimica01"], "tolmireks-empty-jet4.json", "password-jet4.mdb")
    jet(["--jet", "3", "--password", "lab97"], "tolmireks-empty-jet4.json", "password-jet3.mdb")
    jet(["--jet", "4", "--db-key", "0x5a3c1e77"], "tolmireks-empty-jet4.json", "encrypted-jet4.mdb")


if __name__ == "__main__":
    main()
