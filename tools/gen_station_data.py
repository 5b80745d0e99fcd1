#!/usr/bin/env python3
"""Writes the shipped circuit data: data/stations and data/weights.

The circuit has 24 strength machines. For each station the table below gives
its name, the range of a progressive lift that staff may enter (pounds) and
the plate step of its weight stack (pounds).

Work-weight rule: for every station and for 40, 50 and 70 percent, one row per
progressive lift from the station's maximum down to its minimum in steps of
its plate step; the work weight is lift x percent / 100 rounded to the nearest
plate step (halves round up), and never less than one plate step. Rows are
written from the highest lift down, as the reader expects.

The chest press (station 0) and the leg press (station 1) are the stations of
the strength norms; their weight-stack multipliers turn a stack reading into
the pounds actually moved (the leg press sled adds a lever ratio).

Run from the repository root: python3 tools/gen_station_data.py
"""

import os

STATIONS = [
    # name, min, max, plate step
    ("Chest Press", 10, 300, 10),
    ("Leg Press", 20, 600, 20),
    ("Lat Pulldown", 10, 300, 10),
    ("Shoulder Press", 10, 250, 10),
    ("Seated Row", 10, 300, 10),
    ("Leg Extension", 10, 300, 10),
    ("Seated Leg Curl", 10, 250, 10),
    ("Abdominal Crunch", 10, 200, 10),
    ("Lower Back Extension", 10, 250, 10),
    ("Biceps Curl", 5, 150, 5),
    ("Triceps Extension", 5, 150, 5),
    ("Hip Abduction", 10, 250, 10),
    ("Hip Adduction", 10, 250, 10),
    ("Standing Calf Raise", 10, 400, 10),
    ("Pectoral Fly", 10, 250, 10),
    ("Rear Deltoid", 5, 200, 5),
    ("Glute Kickback", 10, 250, 10),
    ("Rotary Torso", 10, 200, 10),
    ("Assisted Dip", 10, 250, 10),
    ("Assisted Chin-Up", 10, 250, 10),
    ("Lateral Raise", 5, 150, 5),
    ("Incline Press", 10, 300, 10),
    ("Hack Squat", 20, 500, 20),
    ("Low Row", 10, 300, 10),
]
PERCENTS = (40, 50, 70)
CHEST_PRESS, LEG_PRESS = 0, 1
CHEST_MULT, LEG_MULT = "1.00", "1.50"


def work_weight(lift, percent, step):
    raw = lift * percent / 100.0
    plates = int(raw / step + 0.5)
    return max(step, plates * step)


def write(path, header, rows):
    with open(path, "w", newline="\n") as f:
        f.write(header + "\n")
        for row in rows:
            f.write(row + "\n")


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    stn = os.path.join(root, "stations")
    wt = os.path.join(root, "weights")
    os.makedirs(stn, exist_ok=True)
    os.makedirs(wt, exist_ok=True)

    write(os.path.join(stn, "snames.dat"), "Station names",
          [s[0] for s in STATIONS] + ["@"])
    write(os.path.join(stn, "sverify.dat"), "Minimum\tMaximum",
          [f"{lo}\t{hi}" for _, lo, hi, _ in STATIONS] + ["@"])
    write(os.path.join(stn, "indices.dat"), "Chest press station, leg press station",
          [str(CHEST_PRESS), str(LEG_PRESS)])
    write(os.path.join(wt, "chestpress.dat"), "Chest press weight-stack multiplier", [CHEST_MULT])
    write(os.path.join(wt, "legpress.dat"), "Leg press weight-stack multiplier", [LEG_MULT])

    for i, (name, lo, hi, step) in enumerate(STATIONS):
        for p in PERCENTS:
            rows = [f"{lift}\t{work_weight(lift, p, step)}"
                    for lift in range(hi, lo - 1, -step)]
            write(os.path.join(stn, f"s{i:02d}{p:02d}.dat"),
                  f"{name} at {p} percent: progressive lift\twork weight", rows + ["@"])


if __name__ == "__main__":
    main()
