#!/usr/bin/env python3
"""A player's own evaluation of a slip, written plainly: every row's hits and rank against a
winning row, then the rows per rank. The yardstick for `remisator-cli auswerten` (see the
README); it reads the same slip file and writes a line per row as the command does.

    python3 bench/treffer.py SCHEIN 3,8,15,22,30,41 12
"""
import sys

RAENGE = ["", "6 Ri.", "5 + ZS", "5 Ri.", "4 Ri.", "3 + ZS", "3 Ri."]


def rang(treffer, mit_zs):
    if treffer == 6:
        return 1
    if treffer == 5:
        return 2 if mit_zs else 3
    if treffer == 4:
        return 4
    if treffer == 3:
        return 5 if mit_zs else 6
    return 0


def main():
    if len(sys.argv) != 4:
        sys.exit("Aufruf: treffer.py SCHEIN N,N,N,N,N,N ZS")
    schein, gewinnreihe, zs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    gewinn = {int(z) for z in gewinnreihe.split(",")}
    anzahl = [0] * 7
    aus = sys.stdout
    aus.write("Reihe  Zahlen  GKl.\n")
    with open(schein, encoding="cp1252") as f:
        for nummer, zeile in enumerate(f, 1):
            zahlen = [int(z) for z in zeile.split(",") if z.strip()]
            mit_zs = zs in zahlen
            treffer = len(gewinn.intersection(z for z in zahlen if z != zs))
            r = rang(treffer, mit_zs)
            anzahl[r] += 1
            zahlentext = " ".join(str(z) for z in zahlen)
            aus.write(f"{nummer}  {zahlentext}  {RAENGE[r] if r else treffer}\n")
    aus.write("\n")
    for r in range(1, 7):
        aus.write(f"{RAENGE[r]}  {anzahl[r]}\n")


if __name__ == "__main__":
    main()
