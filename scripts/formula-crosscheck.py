#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the formula's answers against glpsol on a formulation written here.

Reads the problems and answers that `formula_bench --dump FILE` writes, builds each
problem again independently (the share limits as sum(grams x percent) against the edge
times the total, the closest goal's distances split into a part above and a part below
each target), solves it with glpsol and compares: a mix where glpsol finds one, the same
best cost or distance. Where glpsol claims better, its mix is checked with exact
fractions against the limits as the results show them; a mix that fails that check is a
tolerance of glpsol's, not a better mix.
Usage: scripts/formula-crosscheck.py DUMP [SECONDS_PER_PROBLEM]
"""
import os
import subprocess
import sys
import tempfile
from decimal import Decimal, ROUND_CEILING, ROUND_FLOOR
from fractions import Fraction as F


def D(text):
    """A value of the dump (17 digits) as the decimal the user typed: the shortest that reads back."""
    return Decimal(repr(float(text)))


def parse(path):
    problems, cur = [], None
    for line in open(path, encoding="utf-8"):
        w = line.split()
        if not w:
            continue
        if w[0] == "instance":
            cur = {"id": int(w[1]), "kind": w[2], "rows": [], "eggs": None, "bands": {}}
        elif w[0] == "total":
            cur["total"] = int(w[1])
        elif w[0] == "goal":
            cur["goal"] = w[1]
        elif w[0] == "band":
            cur["bands"][w[1]] = None if w[2] == "off" else (D(w[2]), D(w[3]))
        elif w[0] in ("digestibility", "binder"):
            cur[w[0]] = None if w[1] == "-" else D(w[1])
        elif w[0] == "row":
            cur["rows"].append({"row": int(w[1]), "p": D(w[2]), "f": D(w[3]), "c": D(w[4]),
                                "d": D(w[5]), "b": D(w[6]),
                                "price": None if w[7] == "-" else D(w[7]), "cur": D(w[8]),
                                "min": int(w[9]), "max": None if w[10] == "-" else int(w[10]), "keep": w[11] == "1"})
        elif w[0] == "eggs":
            cur["eggs"] = {"p": D(w[1]), "f": D(w[2]), "c": D(w[3]), "d": D(w[4]),
                           "gpe": int(w[5]), "price": None if w[6] == "-" else D(w[6]),
                           "cur": D(w[7]), "free": w[8] == "1", "min": int(w[9]),
                           "max": None if w[10] == "-" else int(w[10])}
        elif w[0] == "answer":
            cur["answer"] = w[1]
            if w[1] != "nomix":
                cur["cost"] = None if w[3] == "-" else float(w[3])
                cur["distance"] = float(w[5])
        elif w[0] == "end":
            problems.append(cur)
    return problems


def two(v):
    return Decimal(str(v)).quantize(Decimal("0.01"), rounding=ROUND_CEILING), \
        Decimal(str(v)).quantize(Decimal("0.01"), rounding=ROUND_FLOOR)


def limits(pb):
    """(name, key, min or max, edge as shown, eggs count) for every active limit."""
    out = []
    for name, key in (("protein", "p"), ("fat", "f"), ("carbo", "c")):
        band = pb["bands"].get(name)
        if band:
            out.append((name + "_min", key, "min", two(band[0])[0], True))
            out.append((name + "_max", key, "max", two(band[1])[1], True))
    if pb.get("digestibility") is not None:
        out.append(("dig_min", "d", "min", two(pb["digestibility"])[0], True))
    if pb.get("binder") is not None:
        out.append(("binder_min", "b", "min", two(pb["binder"])[0], False))
    return out


def num(x):
    return format(x, ".17g") if isinstance(x, float) else str(x)


def model(pb):
    T, rows, eggs = pb["total"], pb["rows"], pb["eggs"]
    gpe = eggs["gpe"] if eggs else 0
    lines, bounds, generals, obj = [], [], [], []
    names = ["g%d" % r["row"] for r in rows]
    for r, n in zip(rows, names):
        generals.append(n)
        if r["keep"]:
            bounds.append("%s = %s" % (n, r["cur"]))
        else:
            bounds.append("%d <= %s <= %d" % (r["min"], n, r["max"] if r["max"] is not None else T))
    if eggs:
        generals.append("n")
        if eggs["free"]:
            hi = eggs["max"] if eggs["max"] is not None else T // gpe
            bounds.append("%d <= n <= %d" % (eggs["min"], hi))
        else:
            bounds.append("n = %s" % eggs["cur"])
    lines.append("tot: " + " + ".join(names + (["%d n" % gpe] if eggs else [])) + " = %d" % T)
    for name, key, side, edge, witheggs in limits(pb):
        e = edge - Decimal("0.005") if side == "min" else edge + Decimal("0.005")
        if key == "b":  # over the rows only: sum g (B - e) >= 0, strictly when e < 0
            terms = ["%s %s" % (num(r["b"] - e), n) for r, n in zip(rows, names)]
            rhs = "0" if e >= 0 else "0.000001"
            lines.append("%s: %s >= %s" % (name, " + ".join(terms), rhs))
            lines.append("weighed: " + " + ".join(names) + " >= 1")
            continue
        terms = ["%s %s" % (num(r[key]), n) for r, n in zip(rows, names)]
        if eggs:
            terms.append("%s n" % num(eggs[key] * gpe))
        if side == "min":
            lines.append("%s: %s >= %s" % (name, " + ".join(terms), num(e * T)))
        else:  # strictly below: a hair under the edge
            lines.append("%s: %s <= %s" % (name, " + ".join(terms), num(e * T - Decimal("0.000001"))))
    if pb["goal"] == "cost":
        for r, n in zip(rows, names):
            obj.append("%s %s" % (num((r["price"] or 0) / 1000), n))
        if eggs:
            obj.append("%s n" % num(eggs["price"] or 0))
    else:
        # the grams and eggs first, so that glpsol numbers its columns in that order
        obj += ["0 " + n for n in names] + (["0 n"] if eggs else [])
        cur = sum(r["cur"] for r in rows)
        for r, n in zip(rows, names):
            share = r["cur"] / cur
            # g - share x (T - gpe n) = above - below
            lines.append("t%s: %s - a%s + b%s%s = %s" % (n, n, n, n,
                         (" + %s n" % num(share * gpe)) if eggs and share > 0 else "", num(share * T)))
            obj += ["a" + n, "b" + n]
        if eggs and eggs["free"]:
            target = eggs["cur"] * T / (cur + gpe * eggs["cur"])
            lines.append("tn: %d n - an + bn = %s" % (gpe, num(gpe * target)))
            obj += ["an", "bn"]
    text = "Minimize\n obj: " + (" + ".join(obj) if obj else "0 " + names[0]) + "\nSubject To\n"
    text += "".join(" %s\n" % l for l in lines) + "Bounds\n" + "".join(" %s\n" % b for b in bounds)
    text += "Generals\n" + "".join(" %s\n" % g for g in generals) + "End\n"
    return text


def glpsol(text, seconds, workdir):
    lp, out = os.path.join(workdir, "p.lp"), os.path.join(workdir, "p.sol")
    open(lp, "w").write(text)
    run = subprocess.run(["glpsol", "--lp", lp, "--tmlim", str(seconds), "-w", out],
                         capture_output=True, text=True)
    log = run.stdout
    if "PROBLEM HAS NO PRIMAL FEASIBLE SOLUTION" in log or "PROBLEM HAS NO INTEGER FEASIBLE SOLUTION" in log:
        return "infeasible", None, None
    if "INTEGER OPTIMAL SOLUTION FOUND" not in log:
        return "undecided", None, None
    sol = open(out).read().split("\n")
    # glpsol's own format: "s mip ROWS COLS STATUS OBJ", then "i ROW VALUE", "j COL VALUE"
    head = [l for l in sol if l.startswith("s mip")][0].split()
    values = [float(l.split()[2]) for l in sol if l.startswith("j ")]
    return "optimal", float(head[5]), values


def shown_ok(pb, grams, eggcount):
    """The mix's limits checked with exact fractions as the results show them."""
    rows, eggs = pb["rows"], pb["eggs"]
    gpe = eggs["gpe"] if eggs else 0
    T = sum(grams) + gpe * eggcount
    for name, key, side, edge, witheggs in limits(pb):
        if key == "b":
            w = sum(grams)
            if w == 0:
                return False
            v = sum(F(r["b"]) * g for r, g in zip(rows, grams)) / w
        else:
            s = sum(F(r[key]) * g for r, g in zip(rows, grams)) + (F(eggs[key]) * gpe * eggcount if eggs else 0)
            v = s / T
        e = F(edge) + (F(-5, 1000) if side == "min" else F(5, 1000))
        if side == "min" and not (v >= e if e >= 0 else v > e):
            return False
        if side == "max" and not (v < e):
            return False
    return True


def main():
    problems = parse(sys.argv[1])
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    counts = {}
    def count(what):
        counts[what] = counts.get(what, 0) + 1
    with tempfile.TemporaryDirectory() as workdir:
        for pb in problems:
            status, obj, values = glpsol(model(pb), seconds, workdir)
            answer = pb["answer"]
            if status == "undecided":
                count("glpsol undecided in %d s" % seconds)
                continue
            if answer == "nomix":
                count("agree: no mix" if status == "infeasible" else "DISAGREE: Vornak no mix, glpsol a mix")
                continue
            if status == "infeasible":
                count("DISAGREE: Vornak a mix, glpsol none")
                continue
            mine = pb["cost"] if pb["goal"] == "cost" else pb["distance"]
            if mine is None:
                count("skipped: no cost")
                continue
            tol = 1e-6 * max(1.0, abs(obj))
            if abs(mine - obj) <= tol:
                count("agree: same optimum" + (" (Vornak said maybe not the best)" if answer == "maybe" else ""))
            elif mine < obj:
                count("Vornak better than glpsol's optimum (glpsol's tolerance)")
            else:
                n = len(pb["rows"])
                grams = [round(v) for v in values[:n]]
                eggcount = round(values[n]) if pb["eggs"] else 0
                if not shown_ok(pb, grams, eggcount):
                    count("glpsol better only outside a limit (its tolerance)")
                else:
                    count("DISAGREE: glpsol better" + (" (Vornak said maybe not the best)" if answer == "maybe" else ""))
                    print("instance %d: Vornak %.9g, glpsol %.9g" % (pb["id"], mine, obj), file=sys.stderr)
    print("Cross-check of %d problems against glpsol (%s):" % (len(problems), os.path.basename(sys.argv[1])))
    for what in sorted(counts):
        print("  %-60s %5d" % (what, counts[what]))


if __name__ == "__main__":
    main()
