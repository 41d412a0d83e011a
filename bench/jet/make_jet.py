#!/usr/bin/env python3
"""make_jet.py - write a small Access-format (Jet) database file from scratch.

Written for test fixtures only.  Python 3 standard library, no other input
than a JSON file of rows.  Kept in bench/jet/ as the project's own tool: it
makes the test files of tests/legacy/data/ and the large files that the
conversion benchmark reads.  The layout follows the public format notes of the
mdbtools project (page types, database definition page, TDEF pages, data
pages, long-value pages, usage maps); every byte is produced here.

What it writes
--------------
* One file holding exactly one user table (name chosen with --table,
  default TOLMIREKS) with twelve columns, in this order:
      ALDRICH NOME FORNECEDOR FORMULA LOCAL QUANTIDADE MW MP BP DENSITY
          -> TEXT(255)
      HAZARDS CARACTERISTIC
          -> MEMO
  plus the system catalog table MSysObjects (page 2) with the rows
  "Tables", "Databases", "Relationships", "MSysDb", "MSysObjects" and the
  user table.
* --jet 4 (default): Access 2000 format, 4096-byte pages, text stored as
  UTF-16LE.  TEXT columns are flagged "Unicode compression"; a value is
  written in the compressed form (0xFF 0xFE marker) when that is shorter and
  possible, otherwise as plain UTF-16LE (--no-compress: always plain).
  MEMO values are plain UTF-16LE.
* --jet 3: Access 97 format, 2048-byte pages, text in code page 1252 (a value
  that cannot be encoded in cp1252 is an error).
* --columns: another column set for the one user table, as NAME or
  NAME:memo separated by commas (default: the twelve above).
* --code-page (Jet 3): the code page of the text, written into the header
  and the text columns (default 1252).
* --password / --db-key: a database password in the header (masked as the
  format has it), or a database key that marks the file encrypted (the
  pages themselves are not encoded: only the mark is written).
* --deleted / --moved: rows (by index) that Access left deleted in place
  (row offset flag 0x8000, not counted in the table), or moved to another
  page when they grew (the old place holds a pointer, flag 0x4000; the row
  itself lies on an overflow page, flagged deleted there).
* Tables of more pages than one map row covers get indirect (type 1) usage
  maps on map pages (type 0x05), so large files for benchmarks can be made.
* Null values (JSON null) set the column's null-mask bit to 0; an empty
  string is a present value of length 0.
* MEMO storage: inline in the row when short (flag 0x80); otherwise in a
  long-value (LVAL) page, either as one LVAL row (flag 0x40) or, when longer
  than one page can hold, as a chain of LVAL rows (flag 0x00) each starting
  with the data pointer of the next piece.
* Table and LVAL pages are listed in usage-map rows (type 0 maps) that the
  TDEF points at; page 1 holds a global page map.

What it does not do
-------------------
* No indexes (no primary key, no index pages), no relationships, no
  properties (the table's LvProp is an empty property block: no captions,
  defaults, "Required" flags), no
  MSysACEs / MSysQueries / MSysRelationships tables, no security, no
  encrypted pages.
* No column types other than TEXT and MEMO; the column set is fixed.
* No Jet 3 "jump table": a Jet 3 row must stay under 256 bytes.  MEMO values
  are moved to LVAL pages to achieve that; if the row is still too long the
  script stops with an error.
* Text values longer than 255 characters in a TEXT column are refused.
* Unused bytes are zero (Access leaves garbage there).
* Characters outside the Basic Multilingual Plane are written as UTF-16
  surrogate pairs (valid for Access); mdbtools 1.0 decodes text as UCS-2
  and shows them as "??".
* A Jet 4 row must fit in one page (about 4 KB): ten long TEXT values that
  cannot be compressed can exceed it; the script then stops with an error.
* mdbtools 1.0 shows a zero-length string exactly like a Null; the file
  still stores them differently (null-mask bit 1 and length 0 for "").

Usage
-----
    python3 make_jet.py --jet 4 --table TOLMIREKS rows.json out.mdb

rows.json: a JSON array; each element an array of 12 values, each a string
or null, in the column order above.
"""

import argparse
import collections
import json
import struct
import sys

COLUMNS = [
    ("ALDRICH", "text"), ("NOME", "text"), ("FORNECEDOR", "text"),
    ("FORMULA", "text"), ("LOCAL", "text"), ("QUANTIDADE", "text"),
    ("MW", "text"), ("MP", "text"), ("BP", "text"), ("DENSITY", "text"),
    ("HAZARDS", "memo"), ("CARACTERISTIC", "memo"),
]

# column type codes
T_INT, T_LONG, T_DATETIME, T_BINARY, T_TEXT, T_OLE, T_MEMO = 3, 4, 8, 9, 10, 11, 12
FIXED_LEN = {T_INT: 2, T_LONG: 4, T_DATETIME: 8}

RC4_KEY = bytes([0xC7, 0xDA, 0x39, 0x6B])   # masks the header area of page 0
CREATED = 45292.5                           # 2024-01-01 12:00 as an OLE date


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for b in data:
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(b ^ s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


class Fmt:
    """Constants that differ between Jet 3 and Jet 4."""

    def __init__(self, jet, code_page=1252):
        self.jet = jet
        self.code_page = code_page
        if jet == 4:
            self.page = 4096
            self.data_hdr = 14          # data page header, row offsets follow
            self.tdef_cols = 0x3F       # start of column blocks in TDEF
            self.col_block = 25
            self.map_bytes = 64
            self.text_unit = 2          # bytes per character for TEXT length
        else:
            self.page = 2048
            self.data_hdr = 10
            self.tdef_cols = 0x2B
            self.col_block = 18
            self.map_bytes = 128
            self.text_unit = 1

    # ---- text encoding -------------------------------------------------
    def enc_text(self, s, compress):
        if self.jet == 3:
            try:
                return s.encode("cp%d" % self.code_page)
            except UnicodeEncodeError:
                raise SystemExit("Jet 3 text must be cp%d: %r" % (self.code_page, s))
        plain = s.encode("utf-16-le")
        if not compress or not s:
            return plain
        units = [plain[i:i + 2] for i in range(0, len(plain), 2)]
        if any(u[0] == 0 for u in units):   # low byte 0 cannot be coded
            return plain
        out = bytearray(b"\xff\xfe")
        narrow = True
        for u in units:
            if u[1] == 0:
                if not narrow:
                    out.append(0)
                    narrow = True
                out.append(u[0])
            else:
                if narrow:
                    out.append(0)
                    narrow = False
                out += u
        if len(out) < len(plain):
            STATS["text compressed"] += 1
            return bytes(out)
        return plain

    def enc_name(self, s):
        """Column / table names inside a TDEF."""
        if self.jet == 4:
            b = s.encode("utf-16-le")
            return struct.pack("<H", len(b)) + b
        b = s.encode("cp%d" % self.code_page)
        return bytes([len(b)]) + b


class Column:
    def __init__(self, name, ctype, num, length=0, fixed_off=None,
                 var_idx=0, flags=0x02, compress=False):
        self.name, self.type, self.num = name, ctype, num
        self.length = length
        self.fixed = fixed_off is not None
        self.fixed_off = fixed_off or 0
        self.var_idx = var_idx
        self.flags = flags
        self.compress = compress


def make_columns(layout, fmt, system=False):
    """layout: list of (name, type, text_chars_or_None). Assign offsets."""
    cols = []
    foff = 0
    vidx = 0
    for num, (name, ctype, chars) in enumerate(layout):
        extra = 0x10 if system else 0x00
        if ctype in FIXED_LEN:
            c = Column(name, ctype, num, FIXED_LEN[ctype], fixed_off=foff,
                       flags=0x03 | extra)
            foff += FIXED_LEN[ctype]
        else:
            if ctype in (T_TEXT, T_BINARY):
                length = chars * (fmt.text_unit if ctype == T_TEXT else 1)
            else:
                length = 0
            c = Column(name, ctype, num, length, var_idx=vidx,
                       flags=0x02 | extra)
            vidx += 1
        cols.append(c)
    return cols


# ----------------------------------------------------------------------
# pages
# ----------------------------------------------------------------------

class DataPage:
    """A data page (type 0x01) or an LVAL page."""

    def __init__(self, fmt, number, owner, lval=False):
        self.fmt, self.number, self.owner, self.lval = fmt, number, owner, lval
        self.rows = []
        self.flags = []

    def free(self):
        used = self.fmt.data_hdr + sum(2 + len(r) for r in self.rows)
        return self.fmt.page - used

    def fits(self, nbytes):
        return self.free() >= nbytes + 2

    def add(self, row, flag=0):
        assert self.fits(len(row)), "row does not fit"
        self.rows.append(bytes(row))
        self.flags.append(flag)
        return (self.number << 8) | (len(self.rows) - 1)

    def build(self):
        f = self.fmt
        pg = bytearray(f.page)
        pg[0], pg[1] = 0x01, 0x01
        struct.pack_into("<H", pg, 2, self.free())
        if self.lval:
            pg[4:8] = b"LVAL"
        else:
            struct.pack_into("<I", pg, 4, self.owner)
        struct.pack_into("<H", pg, f.data_hdr - 2, len(self.rows))
        end = f.page
        for i, r in enumerate(self.rows):
            start = end - len(r)
            pg[start:end] = r
            struct.pack_into("<H", pg, f.data_hdr + 2 * i, start | self.flags[i])
            end = start
        return bytes(pg)


def usage_map(fmt, pages, alloc=None, extra=None):
    """A usage map row.  Type 0 (map type, first page, bitmap) when the pages
    fit in one row's bitmap; otherwise type 1: map type, then pointers to map
    pages (type 0x05), each mapping (page size - 4) * 8 pages in turn.  New map
    pages are taken with alloc() and their contents put in extra."""
    first = 0
    if pages and max(pages) >= fmt.map_bytes * 8:
        first = min(pages) - min(pages) % 8
    if not pages or max(pages) - first < fmt.map_bytes * 8:
        bm = bytearray(fmt.map_bytes)
        for p in pages:
            bm[(p - first) // 8] |= 1 << ((p - first) % 8)
        return b"\x00" + struct.pack("<I", first) + bytes(bm)
    if alloc is None:
        raise SystemExit("too many pages for a type 0 usage map")
    per_page = (fmt.page - 4) * 8
    slots = (fmt.map_bytes + 4) // 4
    pointers = [0] * slots
    maps = {}
    for p in pages:
        k = p // per_page
        if k >= slots:
            raise SystemExit("file too large for a type 1 usage map")
        if k not in maps:
            maps[k] = bytearray(fmt.page)
            maps[k][0], maps[k][1] = 0x05, 0x01
        i = p % per_page
        maps[k][4 + i // 8] |= 1 << (i % 8)
    for k in sorted(maps):
        n = alloc()
        pointers[k] = n
        extra[n] = bytes(maps[k])
    return b"\x01" + b"".join(struct.pack("<I", q) for q in pointers)


def build_row(fmt, cols, values):
    """values: dict col.num -> bytes (already encoded) or None for null."""
    ncols = len(cols)
    fixed_len = max([c.fixed_off + c.length for c in cols if c.fixed] or [0])
    var_cols = sorted([c for c in cols if not c.fixed], key=lambda c: c.var_idx)
    w = 2 if fmt.jet == 4 else 1
    row = bytearray()
    row += ncols.to_bytes(w, "little")
    fixed = bytearray(fixed_len)
    for c in cols:
        v = values.get(c.num)
        if c.fixed and v is not None:
            fixed[c.fixed_off:c.fixed_off + c.length] = v
    row += fixed
    offsets = []
    for c in var_cols:
        offsets.append(len(row))
        v = values.get(c.num)
        if v is not None:
            row += v
    eod = len(row)
    if fmt.jet == 3 and eod > 255:
        raise ValueError("row too long for Jet 3 without jump table")
    tail = bytearray()
    tail += eod.to_bytes(w, "little")
    for off in reversed(offsets):
        tail += off.to_bytes(w, "little")
    tail += len(var_cols).to_bytes(w, "little")
    mask = bytearray((ncols + 7) // 8)
    for c in cols:
        if values.get(c.num) is not None:
            mask[c.num // 8] |= 1 << (c.num % 8)
    tail += mask
    row += tail
    if fmt.jet == 3 and len(row) > 255:
        raise ValueError("row too long for Jet 3 without jump table")
    return bytes(row)


def build_tdef(fmt, cols, nrows, system, used_dp, free_dp, memo_maps):
    f = fmt
    pg = bytearray(f.page)
    pg[0], pg[1] = 0x02, 0x01
    if f.jet == 3:
        pg[2:4] = b"VC"
    body = bytearray()
    for c in cols:
        b = bytearray(f.col_block)
        b[0] = c.type
        if f.jet == 4:
            struct.pack_into("<H", b, 5, c.num)
            struct.pack_into("<H", b, 7, c.var_idx)
            struct.pack_into("<H", b, 9, c.num)
            if c.type in (T_TEXT, T_MEMO):
                struct.pack_into("<H", b, 11, 0x0409)   # General sort order
            b[15] = c.flags
            b[16] = 0x01 if c.compress else 0x00
            struct.pack_into("<H", b, 21, c.fixed_off)
            struct.pack_into("<H", b, 23, c.length)
        else:
            struct.pack_into("<H", b, 1, c.num)
            struct.pack_into("<H", b, 3, c.var_idx)
            struct.pack_into("<H", b, 5, c.num)
            struct.pack_into("<H", b, 9, 0x0409)
            struct.pack_into("<H", b, 11, f.code_page)  # e.g. 0x04E4: 1252
            b[13] = c.flags
            struct.pack_into("<H", b, 14, c.fixed_off)
            struct.pack_into("<H", b, 16, c.length)
        body += b
    for c in cols:
        body += f.enc_name(c.name)
    for num, used, free in memo_maps:
        body += struct.pack("<HII", num, used, free)
    body += b"\xff\xff"
    tdef_len = f.tdef_cols + len(body)
    if tdef_len > f.page:
        raise SystemExit("TDEF does not fit in one page")
    pg[f.tdef_cols:tdef_len] = body
    nvar = sum(1 for c in cols if not c.fixed)
    ttype = 0x53 if system else 0x4E
    if f.jet == 4:
        struct.pack_into("<H", pg, 2, f.page - 8 - tdef_len)
        struct.pack_into("<I", pg, 8, tdef_len)
        struct.pack_into("<I", pg, 0x10, nrows)
        pg[0x18] = 0x01
        o = 0x28
    else:
        struct.pack_into("<I", pg, 8, tdef_len)
        struct.pack_into("<I", pg, 0x0C, nrows)
        o = 0x14
    pg[o] = ttype
    struct.pack_into("<HHHIIII", pg, o + 1, len(cols), nvar, len(cols),
                     0, 0, used_dp, free_dp)
    return bytes(pg)


def build_header(fmt, npages, password="", db_key=0, mask_blank=False):
    f = fmt
    pg = bytearray(f.page)
    pg[0:4] = b"\x00\x01\x00\x00"
    pg[4:20] = b"Standard Jet DB\x00"
    pg[0x14] = 0x01 if f.jet == 4 else 0x00
    n = 128 if f.jet == 4 else 126
    plain = bytearray(n)              # covers file offsets 0x18 .. 0x18+n
    def put(off, data):
        plain[off - 0x18:off - 0x18 + len(data)] = data
    put(0x3C, struct.pack("<H", f.code_page))     # code page
    put(0x3E, struct.pack("<I", db_key))          # database key (0: none)
    if f.jet == 4:
        put(0x6E, struct.pack("<I", 0x0409))      # sort order
        put(0x72, struct.pack("<d", CREATED))     # creation date
    else:
        put(0x3A, struct.pack("<H", 0x0409))
    if password or (mask_blank and f.jet == 4):
        # 20 characters at most; Jet 4 masks them with the creation date (a blank
        # password too, as Access writes it)
        if f.jet == 4:
            pw = password.encode("utf-16-le")[:40].ljust(40, b"\0")
            mask = struct.pack("<i", int(CREATED))
            pw = bytes(b ^ mask[i % 4] for i, b in enumerate(pw))
        else:
            pw = password.encode("cp%d" % f.code_page)[:20]
        put(0x42, pw)
    pg[0x18:0x18 + n] = rc4(RC4_KEY, bytes(plain))
    return bytes(pg)


# ----------------------------------------------------------------------
# the database
# ----------------------------------------------------------------------

MSYS_COLUMNS = [
    ("Id", T_LONG, None), ("ParentId", T_LONG, None), ("Name", T_TEXT, 255),
    ("Type", T_INT, None), ("DateCreate", T_DATETIME, None),
    ("DateUpdate", T_DATETIME, None), ("Owner", T_BINARY, 255),
    ("Flags", T_LONG, None), ("Database", T_MEMO, None),
    ("Connect", T_MEMO, None), ("ForeignName", T_TEXT, 255),
    ("RmtInfoShort", T_BINARY, 255), ("RmtInfoLong", T_OLE, None),
    ("Lv", T_OLE, None), ("LvProp", T_OLE, None), ("LvModule", T_OLE, None),
    ("LvExtra", T_OLE, None),
]

STATS = collections.Counter()

P_GLOBAL, P_MSYS_TDEF, P_MAPS, P_MSYS_DATA, P_USER_TDEF = 1, 2, 3, 4, 5


def build(jet, table, rows, compress=True, inline_max=None, columns=COLUMNS,
          code_page=1252, password="", db_key=0, deleted=(), moved=(),
          mask_blank=False):
    f = Fmt(jet, code_page)
    user_cols = make_columns(
        [(n, T_TEXT if t == "text" else T_MEMO, 255 if t == "text" else None)
         for n, t in columns], f)
    for c in user_cols:
        if c.type == T_TEXT and jet == 4:
            c.compress = compress
    msys_cols = make_columns(MSYS_COLUMNS, f, system=True)
    if inline_max is None:
        inline_max = 256 if jet == 4 else 0

    next_page = [P_USER_TDEF + 1]
    def alloc():
        n = next_page[0]
        next_page[0] += 1
        return n

    data_pages = []
    lval_pages = {c.num: [] for c in user_cols if c.type == T_MEMO}

    def lval_page(colnum, need):
        lst = lval_pages[colnum]
        if lst and lst[-1].fits(need):
            return lst[-1]
        p = DataPage(f, alloc(), 0, lval=True)
        lst.append(p)
        return p

    def store_memo(colnum, data, limit):
        """Return the 12-byte memo field (+ inline data) for encoded data."""
        n = len(data)
        if n >= 1 << 24:
            raise SystemExit("memo too long")
        if n == 0 or n <= limit:
            STATS["memo inline"] += 1
            return struct.pack("<III", n | 0x80000000, 0, 0) + data
        one_page = f.page - f.data_hdr - 2
        if n <= one_page:
            dp = lval_page(colnum, n).add(data)
            STATS["memo in one LVAL row"] += 1
            return struct.pack("<III", n | 0x40000000, dp, 0)
        # chain: pieces of at most (one page - 4) bytes, written last first
        piece = one_page - 4
        chunks = [data[i:i + piece] for i in range(0, n, piece)]
        STATS["memo chained over %d LVAL pages" % len(chunks)] += 1
        pages = []
        for ch in chunks:
            p = DataPage(f, alloc(), 0, lval=True)
            lval_pages[colnum].append(p)
            pages.append(p)
        nxt = 0
        for p, ch in reversed(list(zip(pages, chunks))):
            nxt = p.add(struct.pack("<I", nxt) + ch)
        return struct.pack("<III", n, nxt, 0)

    # user rows
    cur = None
    moved_rows = []
    rows_placed = []
    for ri, r in enumerate(rows):
        if not isinstance(r, list) or len(r) != len(user_cols):
            raise SystemExit("row %d: need a list of %d values" %
                             (ri, len(user_cols)))
        vals = {}
        for c, v in zip(user_cols, r):
            if v is None:
                vals[c.num] = None
                continue
            if not isinstance(v, str):
                raise SystemExit("row %d: values must be strings or null" % ri)
            if c.type == T_TEXT:
                if len(v) > 255:
                    raise SystemExit("row %d: %s longer than 255" % (ri, c.name))
                vals[c.num] = f.enc_text(v, c.compress)
            else:
                enc = f.enc_text(v, False)
                vals[c.num] = enc
        # memo placement: a memo up to `limit` encoded bytes stays in the
        # row; if the row is then too long, every memo goes to LVAL pages
        memo_nums = [c.num for c in user_cols if c.type == T_MEMO]
        for limit in (inline_max, -1):
            trial = {}
            for k, v in vals.items():
                if k in memo_nums and v is not None:
                    if len(v) == 0 or len(v) <= limit:
                        trial[k] = b"\0" * 12 + v
                    else:
                        trial[k] = b"\0" * 12
                else:
                    trial[k] = v
            try:
                row = build_row(f, user_cols, trial)
                if len(row) + 2 + f.data_hdr > f.page:
                    raise ValueError("row longer than a page")
                break
            except ValueError:
                if limit == -1:
                    raise SystemExit("row %d too long for Jet %d" % (ri, jet))
        final = {}
        for k, v in vals.items():
            if k in memo_nums and v is not None:
                final[k] = store_memo(k, v, limit)
            else:
                final[k] = v
        row = build_row(f, user_cols, final)
        flag = 0x8000 if ri in deleted else 0
        if ri in moved:
            # the place keeps a pointer; the row goes to an overflow page
            moved_rows.append((row, len(rows_placed)))
            row, flag = b"\0\0\0\0", 0x4000
        if cur is None or not cur.fits(len(row)):
            cur = DataPage(f, alloc(), P_USER_TDEF)
            data_pages.append(cur)
        cur.add(row, flag)
        rows_placed.append((cur, len(cur.rows) - 1))

    over = None
    for row, at in moved_rows:
        if over is None or not over.fits(len(row)):
            over = DataPage(f, alloc(), P_USER_TDEF)
            data_pages.append(over)
        dp = over.add(row, 0x8000)
        page, i = rows_placed[at]
        page.rows[i] = struct.pack("<I", dp)

    # usage maps on page P_MAPS; map pages of type 1 maps at the end
    map_pages = {}
    maps = DataPage(f, P_MAPS, 0)
    msys_used = maps.add(usage_map(f, [P_MSYS_DATA]))
    msys_free = maps.add(usage_map(f, [P_MSYS_DATA]))
    dl = [p.number for p in data_pages]
    user_used = maps.add(usage_map(f, dl, alloc, map_pages))
    user_free = maps.add(usage_map(f, dl, alloc, map_pages))
    memo_maps = []
    for num in sorted(lval_pages):
        pl = [p.number for p in lval_pages[num]]
        u = maps.add(usage_map(f, pl, alloc, map_pages))
        fr = maps.add(usage_map(f, pl, alloc, map_pages))
        memo_maps.append((num, u, fr))
    npages = next_page[0]

    # global map on page 1 (1 bits: pages not in use)
    glob = DataPage(f, P_GLOBAL, 1)
    bm = bytearray(f.map_bytes)
    for p in range(npages, f.map_bytes * 8):
        bm[p // 8] |= 1 << (p % 8)
    glob.add(b"\x00" + struct.pack("<I", 0) + bytes(bm))
    glob.add(b"\x00" + struct.pack("<I", 0) + bytes(f.map_bytes))

    # catalog rows
    msys = DataPage(f, P_MSYS_DATA, P_MSYS_TDEF)
    date = struct.pack("<d", CREATED)
    def cat(id_, parent, name, typ, flags, props=False):
        vals = {c.num: None for c in msys_cols}
        vals[0] = struct.pack("<i", id_)
        vals[1] = struct.pack("<i", parent)
        vals[2] = f.enc_text(name, False)
        vals[3] = struct.pack("<h", typ)
        vals[4] = date
        vals[5] = date
        vals[6] = b""
        vals[7] = struct.pack("<i", flags)
        if props:   # LvProp: an empty property block, kept in the row
            blob = b"MR2\0" if jet == 4 else b"KKD\0"
            vals[14] = struct.pack("<III", len(blob) | 0x80000000, 0, 0) + blob
        msys.add(build_row(f, msys_cols, vals))
    SYS = -0x80000000
    cat(0x0F000001, 0x0F000000, "Tables", 3, SYS)
    cat(0x0F000002, 0x0F000000, "Databases", 3, SYS)
    cat(0x0F000003, 0x0F000000, "Relationships", 3, SYS)
    cat(0x10000000, 0x0F000002, "MSysDb", 2, SYS)
    cat(P_MSYS_TDEF, 0x0F000001, "MSysObjects", 1, SYS)
    cat(P_USER_TDEF, 0x0F000001, table, 1, 0, props=True)

    pages = {
        0: build_header(f, npages, password, db_key, mask_blank),
        P_GLOBAL: glob.build(),
        P_MSYS_TDEF: build_tdef(f, msys_cols, 6, True, msys_used, msys_free, []),
        P_MAPS: maps.build(),
        P_MSYS_DATA: msys.build(),
        P_USER_TDEF: build_tdef(f, user_cols, len(rows) - len(set(deleted)), False, user_used,
                                user_free, memo_maps),
    }
    pages.update(map_pages)
    for p in data_pages:
        pages[p.number] = p.build()
    for lst in lval_pages.values():
        for p in lst:
            pages[p.number] = p.build()
    out = bytearray()
    for i in range(npages):
        out += pages[i]
    return bytes(out)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("rows", help="JSON file: array of 12-value rows")
    ap.add_argument("output", help=".mdb file to write")
    ap.add_argument("--jet", type=int, choices=(3, 4), default=4)
    ap.add_argument("--table", default="TOLMIREKS")
    ap.add_argument("--no-compress", action="store_true",
                    help="Jet 4: write TEXT values as plain UTF-16LE")
    ap.add_argument("--inline-max", type=int, default=None,
                    help="largest encoded memo kept inside the row "
                         "(default 256 bytes for Jet 4, 0 for Jet 3)")
    ap.add_argument("--columns", default=None,
                    help="the table's columns: NAME or NAME:memo, by commas")
    ap.add_argument("--code-page", type=int, default=1252,
                    help="Jet 3: the code page of the text (default 1252)")
    ap.add_argument("--password", default="",
                    help="a database password written into the header")
    ap.add_argument("--db-key", type=lambda v: int(v, 0), default=0,
                    help="a database key: marks the file encrypted")
    ap.add_argument("--mask-blank-password", action="store_true",
                    help="Jet 4: write the creation-date mask over a blank password")
    rowlist = lambda v: {int(x) for x in v.split(",") if x}
    ap.add_argument("--deleted", type=rowlist, default=set(),
                    help="indexes of rows written as deleted, by commas")
    ap.add_argument("--moved", type=rowlist, default=set(),
                    help="indexes of rows moved to an overflow page, by commas")
    a = ap.parse_args(argv)
    columns = COLUMNS
    if a.columns:
        columns = []
        for item in a.columns.split(","):
            name, _, kind = item.partition(":")
            columns.append((name, kind or "text"))
    with open(a.rows, encoding="utf-8") as fh:
        rows = json.load(fh)
    data = build(a.jet, a.table, rows, compress=not a.no_compress,
                 inline_max=a.inline_max, columns=columns,
                 code_page=a.code_page, password=a.password, db_key=a.db_key,
                 deleted=a.deleted, moved=a.moved,
                 mask_blank=a.mask_blank_password)
    with open(a.output, "wb") as fh:
        fh.write(data)
    print("%s: Jet %d, %d rows, %d pages; %s" %
          (a.output, a.jet, len(rows), len(data) // Fmt(a.jet).page,
           ", ".join("%s: %d" % kv for kv in sorted(STATS.items()))))


if __name__ == "__main__":
    main()
