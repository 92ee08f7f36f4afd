#!/usr/bin/env python3
"""Turns the game data files (src/tables/data/*.txt) into one compiled-in
C++ source and its header.

  python3 tools/gen_table_data.py OUTDIR FILE...

writes OUTDIR/tables/table_data.cpp and OUTDIR/tables/table_data_list.h. The
build runs it whenever a data file changes; nothing it writes is committed.
Any fault in a file stops the build with the file, the line and the reason.

A data file is UTF-8 text, one row per line, in the order of the roll values
(the first row belongs to the smallest roll). Lines starting with "#" are
comments. Directives:

  @columns name:32 reading:32? weight:int key:wide
      The columns, in order. "name:W" is code page 932 text of at most W-1
      bytes (kept in a W-byte field); "?" after the width allows an empty
      cell; "int" a 32-bit signed number; "wide" UTF-16 text (a name looked
      up with LookupFolded). Each column becomes a named member of the row
      struct <file>_row, so a handler reads Data::<file>.Row(i).<column>.
  @dice 2D6
      The die convention the table is rolled with: 1D6, 2D6, D66 (first die
      the tens), D66-SECOND-TENS, HALF-D66, ORDERED-D66, 1D10, 2D10, D100 or
      DRAW (one draw modulo the rows). The row count of every block must be
      the one the dice reach (any count for DRAW).
  @rows N
      The row count (of every block, when the table has blocks). Required
      without @dice or with DRAW; checked against @dice otherwise.
  @blocks N
      The rows form N blocks of equal size (sub-tables of one shape picked
      by an index); each block starts with "@block LABEL" (the label may be
      empty; it names the block for the reader and the tests).
  @repeats
      A row may repeat an earlier one (several rolls that share one
      result); otherwise repeated rows are refused.
  @shape NAME
      Tables of one shape share one row struct, NAME_row (the generator
      checks that their columns are the same), so one handler can take any
      of them: the name lists of one game, say.
  @lookup
      The columns are "id:int name:wide": also writes the table as a
      mirado::LookupEntry list <file>_lookup (<file>_lookup_count entries).

A table of the common shape also describes its reply; the generator then
writes the DescribedTable <file>_table that the table kit serves:

  @kinds first|last  half-width|wide|folded  none|first|draw
      Word 3 selects a block: the patterns below are tried (the first hit,
      or every pattern and the last hit) on the word read in half width,
      as typed, or folded; a word that selects none gives no reply, the
      first kind, or a drawn kind (odd: the first, even: the second).
  @kind PATTERN = NAME
      One kind per block, in block order: a UTF-16 whole-word pattern (empty:
      never matches) and the name a reply shows.
  @reply FORMAT          (or @reply-tight: no space after the arrow)
  @fill FIELD ...
      One reply line after "NOTICE target :name -> ", and what fills its
      conversions in order: shown, tens, ones (the roll), kind (the kind's
      name), a column's name, "column?WRAP" (a text column inside WRAP, a
      text holding one %s, when it is not empty), "column=WORD0/WORD1" (a
      number column shown as WORD0 for 0, WORD1 otherwise). FORMAT takes %s,
      %-Ns for text and %d, %Nd, %0Nd, %+d for numbers; the generator checks
      that the fields match the conversions.
"""
import os
import re
import sys

DICE = {"1D6": 6, "2D6": 11, "D66": 36, "D66-SECOND-TENS": 36, "HALF-D66": 18, "ORDERED-D66": 21, "1D10": 10,
        "2D10": 19, "D100": 100, "DRAW": 0}
DICE_ENUM = {"1D6": "k1D6", "2D6": "k2D6", "D66": "kD66", "D66-SECOND-TENS": "kD66SecondTens",
             "HALF-D66": "kHalfD66", "ORDERED-D66": "kOrderedD66", "1D10": "k1D10", "2D10": "k2D10",
             "D100": "kD100", "DRAW": "kDraw", None: "kNone"}
FOLDING = {"half-width": "kHalfWidth", "wide": "kWide", "folded": "kFolded"}
FALLBACK = {"none": "kNoReply", "first": "kFirstKind", "draw": "kDrawnKind"}
CONVERSION = re.compile(r"%(%|[-0+]*\d*[sd])")
CPP_WORDS = {"char", "int", "new", "delete", "default", "case", "class", "const", "for", "if", "do", "while",
             "return", "this", "union", "struct", "long", "short", "auto", "register", "operator", "template"}


class DataError(Exception):
    pass


def c_literal(text, prefix=""):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\t")
        else:
            out.append(ch)
    # A hex escape must not swallow a following hex digit; none is written.
    return prefix + '"' + "".join(out) + '"'


def cp932_size(text, where):
    try:
        return len(text.encode("cp932"))
    except UnicodeEncodeError as e:
        raise DataError(f"{where}: not in code page 932: {e}")


class Table:
    def __init__(self, path):
        self.path = path
        self.name = os.path.splitext(os.path.basename(path))[0]
        if not re.fullmatch(r"[a-z][a-z0-9_]*", self.name):
            raise DataError(f"{path}: the file name must be lower-case letters, digits and _")
        self.columns = None  # (name, kind, width, optional)
        self.rows = []
        self.rows_expected = None
        self.dice = None
        self.blocks = None
        self.block_labels = []
        self.block_starts = []
        self.repeats = False
        self.lookup = False
        self.shape = None
        self.kinds_mode = None
        self.kinds = []
        self.replies = []  # [tight, format, fields or None, line]


def parse_columns(words, where):
    columns = []
    for column in words:
        m = re.fullmatch(r"([a-z_][a-z_0-9]*):(int|wide|(\d+)(\?)?)", column)
        if not m:
            raise DataError(f"{where}: bad column '{column}'")
        name = m.group(1)
        if name in CPP_WORDS or name in [c[0] for c in columns]:
            raise DataError(f"{where}: the column name '{name}' is taken")
        if m.group(2) == "int":
            columns.append((name, "number", 0, False))
        elif m.group(2) == "wide":
            columns.append((name, "wide", 0, False))
        else:
            columns.append((name, "text", int(m.group(3)), m.group(4) == "?"))
    return columns


def parse(path):
    t = Table(path)
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            where = f"{path}:{number}"
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.startswith("@"):
                directive, _, rest = line.partition(" ")
                # ASCII blanks only: a reply may start with ideographic spaces.
                rest = rest.strip(" \t")
                if directive == "@columns":
                    t.columns = parse_columns(rest.split(), where)
                elif directive == "@rows":
                    t.rows_expected = int(rest)
                elif directive == "@dice":
                    if rest not in DICE:
                        raise DataError(f"{where}: unknown dice '{rest}'")
                    t.dice = rest
                elif directive == "@blocks":
                    t.blocks = int(rest)
                elif directive == "@block":
                    if t.blocks is None:
                        raise DataError(f"{where}: @block without @blocks")
                    t.block_labels.append(rest)
                    t.block_starts.append(len(t.rows))
                elif directive == "@repeats":
                    t.repeats = True
                elif directive == "@shape":
                    if not re.fullmatch(r"[a-z][a-z0-9_]*", rest):
                        raise DataError(f"{where}: a shape is named in lower-case letters, digits and _")
                    t.shape = rest
                elif directive == "@lookup":
                    t.lookup = True
                elif directive == "@kinds":
                    words = rest.split()
                    if (len(words) != 3 or words[0] not in ("first", "last") or words[1] not in FOLDING
                            or words[2] not in FALLBACK):
                        raise DataError(f"{where}: @kinds takes first|last, half-width|wide|folded, none|first|draw")
                    t.kinds_mode = words
                elif directive == "@kind":
                    pattern, sep, name = line[len("@kind"):].partition("=")
                    if not sep:
                        raise DataError(f"{where}: @kind takes PATTERN = NAME")
                    pattern, name = pattern.strip(), name.strip()
                    if pattern:
                        try:
                            re.compile(pattern)
                        except re.error as e:
                            raise DataError(f"{where}: the pattern does not compile: {e}")
                    cp932_size(name, where)
                    t.kinds.append((pattern, name))
                elif directive in ("@reply", "@reply-tight"):
                    if not rest:
                        raise DataError(f"{where}: an empty reply line")
                    cp932_size(rest, where)
                    t.replies.append([directive == "@reply-tight", rest, None, where])
                elif directive == "@fill":
                    if not t.replies or t.replies[-1][2] is not None:
                        raise DataError(f"{where}: @fill must follow its @reply")
                    t.replies[-1][2] = rest.split()
                else:
                    raise DataError(f"{where}: unknown directive {directive}")
                continue
            if t.columns is None:
                raise DataError(f"{where}: a row before @columns")
            cells = [c.strip() for c in line.split("|")]
            if len(cells) != len(t.columns):
                raise DataError(f"{where}: {len(cells)} cells, {len(t.columns)} columns")
            for (cname, kind, width, optional), cell in zip(t.columns, cells):
                if kind == "number":
                    if not re.fullmatch(r"-?\d+", cell) or not -2**31 <= int(cell) < 2**31:
                        raise DataError(f"{where}: column {cname} is not a 32-bit number: '{cell}'")
                    continue
                if kind == "wide":
                    if not cell:
                        raise DataError(f"{where}: column {cname} is empty")
                    continue
                size = cp932_size(cell, where)
                if size > width - 1:
                    raise DataError(f"{where}: column {cname} is {size} bytes, room for {width - 1}")
                if not cell and not optional:
                    raise DataError(f"{where}: column {cname} is empty")
            if not t.repeats and cells in t.rows:
                raise DataError(f"{where}: repeats row {t.rows.index(cells) + 1}")
            t.rows.append(cells)
    check(t)
    return t


def check(t):
    path = t.path
    if t.columns is None:
        raise DataError(f"{path}: @columns is required")
    blocks = t.blocks or 1
    if t.blocks is not None:
        if len(t.block_labels) != t.blocks:
            raise DataError(f"{path}: @blocks says {t.blocks}, the file has {len(t.block_labels)} @block lines")
        if t.block_starts and t.block_starts[0] != 0:
            raise DataError(f"{path}: rows before the first @block")
    per_block = t.rows_expected
    if t.dice is not None and DICE[t.dice]:
        if per_block is not None and per_block != DICE[t.dice]:
            raise DataError(f"{path}: @rows {per_block}, but {t.dice} reaches {DICE[t.dice]} rows")
        per_block = DICE[t.dice]
    if per_block is None:
        raise DataError(f"{path}: the row count is unknown: give @rows (or @dice)")
    if len(t.rows) != per_block * blocks:
        raise DataError(f"{path}: {len(t.rows)} rows; {blocks} block(s) of {per_block} want {per_block * blocks}")
    for i, start in enumerate(t.block_starts):
        end = t.block_starts[i + 1] if i + 1 < len(t.block_starts) else len(t.rows)
        if end - start != per_block:
            raise DataError(f"{path}: block '{t.block_labels[i]}' has {end - start} rows, not {per_block}")
    t.per_block = per_block
    if t.lookup and [(c[0], c[1]) for c in t.columns] != [("id", "number"), ("name", "wide")]:
        raise DataError(f"{path}: @lookup wants the columns id:int name:wide")
    if t.kinds_mode is None and t.kinds:
        raise DataError(f"{path}: @kind without @kinds")
    if t.kinds_mode is not None:
        if len(t.kinds) != blocks:
            raise DataError(f"{path}: {len(t.kinds)} kinds for {blocks} blocks")
        if t.kinds_mode[2] == "draw" and len(t.kinds) != 2:
            raise DataError(f"{path}: a drawn kind takes exactly two kinds")
    if t.replies:
        if t.dice is None:
            raise DataError(f"{path}: a described reply needs @dice")
        if len(t.replies) > 8:
            raise DataError(f"{path}: at most 8 reply lines")
        t.fields = [fields_of(t, reply) for reply in t.replies]


def fields_of(t, reply):
    tight, fmt, fields, where = reply
    if fields is None:
        fields = []
    columns = {c[0]: (i, c[1]) for i, c in enumerate(t.columns)}
    conversions = [m.group(1) for m in CONVERSION.finditer(fmt) if m.group(1) != "%"]
    if fmt.replace("%%", "").count("%") != len(conversions):
        raise DataError(f"{where}: the reply holds a conversion other than %s, %-Ns, %d, %Nd, %0Nd, %+d")
    if len(conversions) != len(fields):
        raise DataError(f"{where}: {len(conversions)} conversions, {len(fields)} fields")
    if len(fields) > 8:
        raise DataError(f"{where}: at most 8 fields a line")
    out = []
    for conversion, field in zip(conversions, fields):
        wants_text = conversion.endswith("s")
        if conversion.endswith("s") and re.search(r"[0+]", conversion):
            raise DataError(f"{where}: {conversion} is no text conversion")
        if conversion.endswith("d") and "-" in conversion:
            raise DataError(f"{where}: {conversion} is no number conversion")
        if field in ("shown", "tens", "ones"):
            kind, column, wrap, words, is_text = {"shown": "kShown", "tens": "kTens", "ones": "kOnes"}[field], 0, "", ("", ""), False
        elif field == "kind":
            if t.kinds_mode is None:
                raise DataError(f"{where}: 'kind' in a table without kinds")
            kind, column, wrap, words, is_text = "kKind", 0, "", ("", ""), True
        elif "?" in field:
            name, wrap = field.split("?", 1)
            if name not in columns or columns[name][1] != "text":
                raise DataError(f"{where}: '{name}' is no text column")
            if wrap.count("%s") != 1 or "%" in wrap.replace("%s", ""):
                raise DataError(f"{where}: the wrap '{wrap}' must hold one %s")
            kind, column, words, is_text = "kWrapped", columns[name][0], ("", ""), True
        elif "=" in field:
            name, spelled = field.split("=", 1)
            parts = spelled.split("/")
            if name not in columns or columns[name][1] != "number" or len(parts) != 2:
                raise DataError(f"{where}: '{field}' wants a number column and WORD0/WORD1")
            kind, column, wrap, words, is_text = "kWord", columns[name][0], "", tuple(parts), True
        elif field in columns and columns[field][1] != "wide":
            kind, column, wrap, words = ("kText" if columns[field][1] == "text" else "kNumber"), columns[field][0], "", ("", "")
            is_text = columns[field][1] == "text"
        else:
            raise DataError(f"{where}: unknown field '{field}'")
        if is_text != wants_text:
            raise DataError(f"{where}: {conversion} gets the {'text' if is_text else 'number'} field '{field}'")
        out.append((kind, column, wrap, words))
    return out


def emit(tables):
    header = ["// Generated by tools/gen_table_data.py from src/tables/data/. Do not edit.",
              "#ifndef MIRADO_TABLES_TABLE_DATA_LIST_H_", "#define MIRADO_TABLES_TABLE_DATA_LIST_H_", "",
              "#include <cstddef>", "#include <cstdint>", "", '#include "core/text.h"',
              '#include "tables/table_data.h"', '#include "tables/table_kit.h"', "",
              "namespace Tables::Data {", ""]
    source = ["// Generated by tools/gen_table_data.py from src/tables/data/. Do not edit.",
              '#include "tables/table_data_list.h"', "", "namespace Tables::Data {", "namespace {", ""]
    defs = []
    ctype = {"text": "const char*", "number": "int32_t", "wide": "const char16_t*"}
    shapes = {}
    for t in tables:
        n = t.name
        row_type = f"{t.shape or n}_row"
        columns = [(c[0], c[1]) for c in t.columns]
        if row_type in shapes:
            if shapes[row_type] != columns:
                raise DataError(f"{t.path}: the columns differ from the other tables of the shape {t.shape}")
        else:
            shapes[row_type] = columns
            header.append(f"struct {row_type} {{")
            for cname, kind, width, optional in t.columns:
                header.append(f"  {ctype[kind]} {cname};")
            header.append("};")
        t.row_type = row_type
        header.append(f"extern const Table<{row_type}> {n};")
        if t.replies:
            header.append(f"extern const DescribedTable {n}_table;")
        if t.lookup:
            header.append(f"extern const mirado::LookupEntry {n}_lookup[];")
            header.append(f"extern const std::size_t {n}_lookup_count;")
        header.append("")

        def cell(kind, value):
            if kind == "number":
                return value
            return c_literal(value, "u" if kind == "wide" else "")

        source.append(f"const {t.row_type} {n}_rows[] = {{")
        for cells in t.rows:
            source.append("    {" + ", ".join(cell(c[1], v) for c, v in zip(t.columns, cells)) + "},")
        source.append("};")
        empty = ", ".join('0' if c[1] == "number" else ('u""' if c[1] == "wide" else '""') for c in t.columns)
        source.append(f"const {t.row_type} {n}_empty = {{{empty}}};")
        source.append(f"const DataColumn {n}_columns[] = {{")
        for cname, kind, width, optional in t.columns:
            ck = {"text": "kText", "number": "kNumber", "wide": "kWide"}[kind]
            source.append(f'    {{"{cname}", CellKind::{ck}, {width}, {"true" if optional else "false"}, '
                          f"offsetof({t.row_type}, {cname})}},")
        source.append("};")
        labels = t.block_labels or [""]
        source.append(f"const char* const {n}_labels[] = {{" + ", ".join(c_literal(x) for x in labels) + "};")
        if t.kinds_mode is not None:
            source.append(f"const KindRow {n}_kind_rows[] = {{")
            for pattern, name in t.kinds:
                source.append(f"    {{{c_literal(pattern, 'u')}, {c_literal(name)}}},")
            source.append("};")
            hit, folding, fallback = t.kinds_mode
            source.append(f"const KindSelector {n}_kinds = {{{n}_kind_rows, KindFolding::{FOLDING[folding]}, "
                          f"{'true' if hit == 'last' else 'false'}, KindFallback::{FALLBACK[fallback]}}};")
        if t.replies:
            for i, fields in enumerate(t.fields):
                if not fields:
                    continue
                source.append(f"const ReplyField {n}_fields_{i}[] = {{")
                for kind, column, wrap, words in fields:
                    source.append(f"    {{FillKind::{kind}, {column}, {c_literal(wrap)}, "
                                  f"{{{c_literal(words[0])}, {c_literal(words[1])}}}}},")
                source.append("};")
            source.append(f"const ReplyLineForm {n}_lines[] = {{")
            for i, (reply, fields) in enumerate(zip(t.replies, t.fields)):
                field_list = f"{n}_fields_{i}" if fields else "nullptr"
                source.append(f"    {{{c_literal(reply[1])}, {'true' if reply[0] else 'false'}, {field_list}, "
                              f"{len(fields)}}},")
            source.append("};")
        source.append("")
        blocks = t.blocks or 1
        defs.append(f'extern const Table<{t.row_type}> {n} = {{{{"{n}", {len(t.rows)}, {len(t.columns)}, '
                    f"{n}_columns, {n}_rows, sizeof({t.row_type}), &{n}_empty, {'true' if t.repeats else 'false'}, {blocks}, "
                    f"{t.per_block}, DiceKind::{DICE_ENUM[t.dice]}, {n}_labels}}}};")
        if t.replies:
            kinds = f"&{n}_kinds" if t.kinds_mode is not None else "nullptr"
            defs.append(f"extern const DescribedTable {n}_table = {{&{n}, {kinds}, {n}_lines, {len(t.replies)}}};")
        if t.lookup:
            defs.append(f"extern const mirado::LookupEntry {n}_lookup[] = {{")
            for cells in t.rows:
                defs.append(f"    {{{cells[0]}, {c_literal(cells[1], 'u')}}},")
            defs.append("};")
            defs.append(f"extern const std::size_t {n}_lookup_count = {len(t.rows)};")
    source.append("}  // namespace")
    source.append("")
    source += defs
    source.append("")
    source.append("const DataTable* const kAllTables[] = {")
    for t in tables:
        source.append(f"    &{t.name},")
    source.append("};")
    source.append(f"const std::size_t kAllTableCount = {len(tables)};")
    source.append("")
    source.append("}  // namespace Tables::Data")
    header += ["// Every table, for the shape tests.", "extern const DataTable* const kAllTables[];",
               "extern const std::size_t kAllTableCount;", "", "}  // namespace Tables::Data", "",
               "#endif  // MIRADO_TABLES_TABLE_DATA_LIST_H_"]
    return source, header


def main():
    outdir, files = sys.argv[1], sorted(sys.argv[2:])
    tables = []
    try:
        for path in files:
            tables.append(parse(path))
    except DataError as e:
        print(f"gen_table_data: {e}", file=sys.stderr)
        return 1
    try:
        source, header = emit(tables)
    except DataError as e:
        print(f"gen_table_data: {e}", file=sys.stderr)
        return 1
    os.makedirs(os.path.join(outdir, "tables"), exist_ok=True)
    for fname, lines in (("table_data.cpp", source), ("table_data_list.h", header)):
        path = os.path.join(outdir, "tables", fname)
        text = "\n".join(lines) + "\n"
        old = None
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                old = f.read()
        if old != text:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
