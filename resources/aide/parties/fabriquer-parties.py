#!/usr/bin/env python3
# Writes the two saved games whose pictures illustrate the help: a game in progress, with two
# wrong digits, and a grid typed in creation mode. Run it again after changing the grids below.
import os
import struct

SOLUTION = ["468931527", "751624839", "392578461", "134756298", "289413675",
            "675289314", "846192753", "513867942", "927345186"]
DONNEES = ["x.x..x.x.", "..xx...x.", ".x..x.x.x", "x...x..x.", ".x.x.x.x.",
           ".x..x...x", "x.x.x..x.", ".x...xx..", ".x.x..x.x"]
# Digits of the player, (column, row): digit. (3, 4) and (7, 6) are wrong.
JOUEUR = {(2, 1): 6, (5, 1): 3, (1, 2): 7, (1, 3): 3, (1, 5): 2, (9, 5): 5, (2, 7): 4,
          (9, 8): 2, (1, 9): 9, (3, 4): 9, (7, 6): 8}


def enregistrement(texte, balise):
    """One 15-byte record: tagged text (type 8, length) or plain text (length only)."""
    octets = texte.encode("cp1252")
    tete = struct.pack("<HH", 8, len(octets)) if balise else struct.pack("<H", len(octets))
    return (tete + octets).ljust(15, b"\0")


def partie(mode, secondes, niveau, cellule):
    f = b"".join(enregistrement(t, True) for t in (mode, secondes, niveau)) + bytes(7 * 15)
    for c in range(1, 10):
        for r in range(1, 10):
            f += b"".join(enregistrement(t, False) for t in cellule(c, r))
    return f + enregistrement("#", True)


def jeu(c, r):
    s, donnee = SOLUTION[r - 1][c - 1], DONNEES[r - 1][c - 1] == "x"
    return s, "True" if donnee else "False", s if donnee else str(JOUEUR.get((c, r), 0))


def creation(c, r):
    d = SOLUTION[r - 1][c - 1] if DONNEES[r - 1][c - 1] == "x" else "0"
    return d, "Faux" if d == "0" else "Vrai", "0"


ICI = os.path.dirname(os.path.abspath(__file__))
for nom, octets in (("jeu.sdk", partie(" 1", " 754", " 1", jeu)),
                    ("creation.sdk", partie(" 2", " 0", " 0", creation))):
    assert len(octets) == 254 * 15
    with open(os.path.join(ICI, nom), "wb") as f:
        f.write(octets)
