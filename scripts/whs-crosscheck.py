#!/usr/bin/env python3
"""A cross-check of `tarnbeck-cli whs`, written apart from the program's
code: generates random data folders that cross every WHS rule (net double
bogey with and without an index, plus handicaps, exceptional scores, soft and
hard caps, the 54.0 maximum, unusable dates, ratings, slopes and stroke-index
lines, rounds of one date, files over 200 lines), works out each golfer's
lines from the rules in Python, and compares them with the tool's output byte
for byte. Prints how often each rule was met and the first mismatches.

usage: scripts/whs-crosscheck.py PATH/TO/tarnbeck-cli [FOLDERS [SEED]]"""

import datetime
import os
import random
import re
import subprocess
import sys
import tempfile


# ---- reading, as the program's readers do -------------------------------------------

def split_lines(data):
    lines = re.split(rb"\r\n|\n|\r", data)
    if lines and lines[-1] == b"":
        lines.pop()
    return lines


def str_to_int(text):
    m = re.fullmatch(r" *([+-]?)(\$[0-9A-Fa-f]+|[0-9]+)", text)
    if not m:
        return None
    body = m.group(2)
    value = int(body[1:], 16) if body.startswith("$") else int(body)
    value = -value if m.group(1) == "-" else value
    return value if -2**31 <= value < 2**31 else None


def rating10(text):
    if not re.fullmatch(r"[0-9]+(\.[0-9])?", text):
        return None
    whole, _, tenth = text.partition(".")
    value = int(whole) * 10 + (int(tenth) if tenth else 0)
    return value if value > 0 else None


def slope_of(text):
    if not re.fullmatch(r"[0-9]+", text):
        return None
    value = int(text)
    return value if 55 <= value <= 155 else None


def is_day(date):
    if not re.fullmatch(r"[0-9]{8}", date):
        return False
    try:
        year = int(date[:4])
        if year < 1:
            return False
        datetime.date(year, int(date[4:6]), int(date[6:]))
        return True
    except ValueError:
        return False


def day_number(date):
    return datetime.date(int(date[:4]), int(date[4:6]), int(date[6:])).toordinal()


def round_div(num, den):
    """num / den to the nearest whole number, halves away from zero."""
    sign = -1 if (num < 0) != (den < 0) else 1
    num, den = abs(num), abs(den)
    return sign * ((2 * num + den) // (2 * den))


def read_rounds(path):
    with open(path, "rb") as f:
        lines = split_lines(f.read())[:200]
    rounds = []
    for position, line in enumerate(lines):
        if not line:
            continue
        fields = line.decode("latin-1").split("~")
        # The reader keeps this many characters of each field.
        date = fields[0][:8]
        if len(date) == 6:
            date = ("19" if date[0] >= "7" else "20") + date
        rounds.append(dict(position=position, date=date, course=fields[1][:30],
                           score=fields[2][:3], rating=fields[3][:4], slope=fields[4][:3],
                           holes=[h[:2] for h in fields[6:24]], adj=fields[42][:3]))
    return rounds


def read_courses(folder):
    courses = {}
    with open(os.path.join(folder, "courses.vxc"), "rb") as f:
        for line in split_lines(f.read())[:200]:
            fields = line.decode("latin-1").split("~")
            courses.setdefault(fields[0][:30], [p[:1] for p in fields[4:22]])
    return courses


def read_stroke_indexes(folder):
    path = os.path.join(folder, "strokeidx.vxc")
    usable, seen = {}, set()
    if not os.path.exists(path):
        return usable
    with open(path, "rb") as f:
        for line in split_lines(f.read()):
            fields = line.decode("latin-1").split("~")
            if len(fields) < 20 or fields[0] in seen:
                continue
            seen.add(fields[0])
            values = [str_to_int(v) for v in fields[1:19]]
            if sorted(v if v is not None else 0 for v in values) == list(range(1, 19)):
                usable[fields[0]] = values
    return usable


# ---- the rules ------------------------------------------------------------

TABLE = {3: (1, -20), 4: (1, -10), 5: (1, 0), 6: (2, -10), 7: (2, 0), 8: (2, 0)}


def table(n):
    if n in TABLE:
        return TABLE[n]
    for top, count in ((11, 3), (14, 4), (16, 5), (18, 6), (19, 7)):
        if n <= top:
            return count, 0
    return 8, 0


def strokes(ch, si):
    if ch >= 0:
        return ch // 18 + (1 if si <= ch % 18 else 0)
    c = -ch
    return -(c // 18 + (1 if si >= 19 - c % 18 else 0))


def ags_of(rnd, hi10, r10, s, courses, strokeidx):
    holes = [str_to_int(h) for h in rnd["holes"]]
    above = [h is not None and h > 0 for h in holes]
    if all(above):
        pars = courses.get(rnd["course"])
        par_values = [str_to_int(p) for p in pars] if pars is not None else None
        si = strokeidx.get(rnd["course"])
        if par_values and all(p is not None and p > 0 for p in par_values) and si:
            total_par = sum(par_values)
            ch = round_div(hi10 * s + 113 * (r10 - 10 * total_par), 1130) if hi10 is not None else None
            if ch is not None:
                FEATURES["ndb_with_index" if ch >= 0 else "ndb_plus"] += 1
            total = 0
            for h, p, k in zip(holes, par_values, si):
                most = p + 5 if ch is None else p + 2 + strokes(ch, k)
                total += min(h, most)
            return total
    elif any(above):
        return None  # incomplete
    for text in (rnd["adj"], rnd["score"]):
        value = str_to_int(text)
        if value is not None and value > 0:
            return value
    return None


def fmt(tenths):
    sign = "-" if tenths < 0 else ""
    return "%s%d.%d" % (sign, abs(tenths) // 10, abs(tenths) % 10)


FEATURES = dict(exceptional=0, low=0, soft_cap=0, hard_cap=0, max54=0, plus_index=0,
                ndb_with_index=0, ndb_plus=0)


def whs_lines(rounds, courses, strokeidx):
    order = sorted(rounds, key=lambda r: (r["date"], -r["position"]))
    done = []  # dicts: date, day, diffs (list index shared), index, n
    diffs = []
    lines = []
    for rnd in order:
        if not is_day(rnd["date"]):
            continue
        r10, s = rating10(rnd["rating"]), slope_of(rnd["slope"])
        if r10 is None or s is None:
            continue
        hi10 = done[-1]["index"] if len(done) >= 3 else None
        ags = ags_of(rnd, hi10, r10, s, courses, strokeidx)
        if ags is None:
            continue
        d10 = round_div((10 * ags - r10) * 113, s)
        diffs.append(d10)
        n = len(diffs)
        exceptional = 0
        if hi10 is not None and hi10 - d10 >= 70:
            exceptional = -20 if hi10 - d10 >= 100 else -10
            FEATURES["exceptional"] += 1
            for j in range(max(0, n - 20), n):
                diffs[j] += exceptional
        index = low = None
        if n >= 3:
            count, adjustment = table(n)
            lowest = sorted(diffs[-20:])[:count]
            index = round_div(sum(lowest), count) + adjustment
            day = day_number(rnd["date"])
            earlier = [e["index"] for e in done
                       if e["n"] >= 20 and day - 365 <= e["day"] <= day - 1]
            if earlier:
                low = min(earlier)
                FEATURES["low"] += 1
                if index > low + 30:
                    FEATURES["soft_cap"] += 1
                    index = low + 30 + round_div(index - low - 30, 2)
                if index > low + 50:
                    FEATURES["hard_cap"] += 1
                index = min(index, low + 50)
            if index > 540:
                FEATURES["max54"] += 1
            index = min(index, 540)
            if index < 0:
                FEATURES["plus_index"] += 1
        day = day_number(rnd["date"])
        done.append(dict(day=day, index=index, n=n))
        d = rnd["date"]
        lines.append("\t".join([d[4:6] + "/" + d[6:] + "/" + d[:4], rnd["course"], str(ags),
                                fmt(diffs[-1]), fmt(exceptional),
                                fmt(index) if index is not None else "-",
                                fmt(low) if low is not None else "-"]))
    return lines


# ---- generated folders ----------------------------------------------------

def gen_folder(folder, rng):
    names = ["OAK %c" % chr(65 + i) for i in range(14)]
    pars = {}
    course_lines = []
    for i, name in enumerate(names):
        p = [rng.choice("3445") for _ in range(18)]
        if i == 0:
            p = ["1"] * 9 + ["3"] * 9  # par-1 holes: maxima of 0 or less
        if i == 1:
            p[5] = "0"  # a par not above 0
        if i == 2:
            p[7] = "x"
        pars[name] = p
        course_lines.append("%s~%s~%d~%d~%s~" % (name, "71.0", 120, 72, "~".join(p)))
    rng.shuffle(course_lines)
    with open(os.path.join(folder, "courses.vxc"), "wb") as f:
        f.write("\r\n".join(course_lines).encode("latin-1") + b"\r\n")
    si_lines = []
    for i, name in enumerate(names[:11]):
        perm = list(range(1, 19))
        rng.shuffle(perm)
        if i == 3:
            si_lines.append(name + "~1~2~")  # broken, the next line counts
        if i == 4:
            perm[0] = perm[1]  # not usable
        if i == 5:
            perm = [" +%d" % v for v in perm]  # StrToInt reads spaces and signs
        si_lines.append(name + "~" + "~".join(map(str, perm)) + "~" + ("extra~" if i == 6 else ""))
        if i == 7:
            si_lines.append(name + "~" + "~".join(map(str, range(1, 19))) + "~")  # later: ignored
    with open(os.path.join(folder, "strokeidx.vxc"), "wb") as f:
        f.write("\n".join(si_lines).encode("latin-1") + b"\n")
    golfers = []
    for g in range(14):
        short = "G%02d" % g
        golfers.append("Golfer %d~%s~%d~" % (g, short, g % 2))
        count = 240 if g == 0 else rng.choice([0, 2, 3, 5, 12, 19, 21, 25, 40, 70, 120])
        write_scores(os.path.join(folder, short + ".vxp"), count, names + ["NOWHERE"], pars, rng,
                     plus=(g == 1))
    with open(os.path.join(folder, "golfers.vxc"), "wb") as f:
        f.write("\r\n".join(golfers).encode("latin-1") + b"\r\n")


def write_scores(path, count, names, pars, rng, plus):
    day = datetime.date(2016, 1, 1) + datetime.timedelta(rng.randrange(0, 400))
    skill = rng.uniform(-1.5, 2.5) if not plus else -1.2
    lines = []
    for _ in range(count):
        day += datetime.timedelta(rng.choice([0, 0, 1, 3, 7, 14, 30, 90, 200]))
        if rng.random() < 0.1:
            skill += rng.uniform(-1.5, 2.0)
        date = day.strftime("%Y%m%d")
        roll = rng.random()
        if roll < 0.04:
            date = rng.choice(["20230229", "20231301", "2023011", "00000101", "abcdefgh"])
        elif roll < 0.1:
            date = date[2:]  # six digits, widened by the reader
        course = rng.choice(names)
        rating = rng.choice(["71.5"] * 6 + ["72", "68.3", "0.0", "7x", "71.", "100.5", ""])
        slope = rng.choice([str(rng.randrange(100, 150))] * 8 + ["55", "155", "54", "156", "055", ""])
        p = pars.get(course, ["4"] * 18)
        holes = []
        for par in p:
            base = str_to_int(par) or 4
            value = max(1, round(base + skill + rng.gauss(0, 1.0)))
            if rng.random() < 0.03:
                value += rng.randrange(3, 8)
            if plus and rng.random() < 0.3:
                value = max(1, base - 1)
            holes.append(str(value))
        kind = rng.random()
        if kind < 0.15:
            holes = [rng.choice(["0", ""])] * 18  # typed as a total
        elif kind < 0.2:
            holes[rng.randrange(18)] = rng.choice(["0", "", "-1", "x"])  # incomplete
        total = sum(str_to_int(h) or 0 for h in holes) or rng.randrange(70, 110)
        adj = rng.choice([str(total - rng.randrange(0, 5)), "0", "", str(total)])
        score = rng.choice([str(total)] * 8 + ["0", "x"])
        if rng.random() < 0.03:
            score, adj = "0", "0"  # no score
        line = "~".join([date, course, score, rating, slope, "c"] + holes + ["2"] * 18 + [adj]) + "~"
        lines.append(line)
    lines.reverse()  # newest first, as saved
    if lines and rng.random() < 0.3:
        lines.insert(rng.randrange(len(lines)), "")
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("latin-1") + (b"\r\n" if lines else b""))


def main():
    cli = sys.argv[1]
    folders = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    rng = random.Random(seed)
    checked = lines_checked = 0
    mismatches = 0
    for _ in range(folders):
        with tempfile.TemporaryDirectory() as folder:
            gen_folder(folder, rng)
            courses = read_courses(folder)
            strokeidx = read_stroke_indexes(folder)
            for g in range(14):
                short = "G%02d" % g
                expected = whs_lines(read_rounds(os.path.join(folder, short + ".vxp")), courses,
                                     strokeidx)
                run = subprocess.run([cli, "--dir", folder, "whs", short], capture_output=True)
                got = run.stdout.decode("latin-1").split("\n")[:-1]
                checked += 1
                lines_checked += len(expected)
                if got != expected or run.returncode != 0:
                    mismatches += 1
                    if mismatches <= 3:
                        print("MISMATCH", short, "exit", run.returncode, run.stderr[:200])
                        for i, (a, b) in enumerate(zip(got, expected)):
                            if a != b:
                                print(" line", i, "\n  tool:", a, "\n  mine:", b)
                                break
                        print(" counts", len(got), len(expected))
                        subprocess.run(["cp", "-r", folder, "/tmp/whs-mismatch-%d" % mismatches])
    print(FEATURES)
    print("golfers checked: %d, lines: %d, mismatches: %d" % (checked, lines_checked, mismatches))
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
