#!/usr/bin/env python3
# Makes the saved-game files the core tests read, byte by byte, independently of the game's writer.
import os

ICI = os.path.dirname(os.path.abspath(__file__))
TAILLE = 15

# The known game, rows top to bottom, columns left to right.
SOLUTION = ["123456789", "456789123", "789123456", "234567891", "567891234",
            "891234567", "345678912", "678912345", "912345678"]
DONNEES = ["x..x..x..", ".x..x..x.", "..x..x..x", "x...x...x", ".x.x.x.x.",
           "x...x...x", "x..x..x..", ".x..x..x.", "..x..x..x"]
# Player digits: (column, row) -> digit; (1, 2) and (5, 7) are wrong (their solutions are 4 and 7).
JOUEUR = {(2, 1): 2, (1, 2): 9, (1, 5): 5, (5, 7): 1}


def sol(c, r): return int(SOLUTION[r - 1][c - 1])
def donnee(c, r): return DONNEES[r - 1][c - 1] == "x"
def montre(c, r): return sol(c, r) if donnee(c, r) else JOUEUR.get((c, r), 0)
def case(n): return (n - 1) // 9 + 1, (n - 1) % 9 + 1


def balise(texte, queue=0):
    b = bytes([8, 0, len(texte), 0]) + texte.encode("cp1252")
    return b + bytes([queue]) * (TAILLE - len(b))


def simple(texte, queue=0):
    b = bytes([len(texte), 0]) + texte.encode("cp1252")
    return b + bytes([queue]) * (TAILLE - len(b))


def vide(queue=0): return bytes([queue]) * TAILLE


def entete(mode, secondes, niveau, queue=0, entre=0):
    return (balise(mode, queue) + balise(secondes, queue) + balise(niveau, queue)
            + vide(entre) * 7)


def ecrire(nom, octets):
    with open(os.path.join(ICI, nom), "wb") as f:
        f.write(octets)


# What the game itself writes: every tail zero, all 254 records.
f = entete(" 1", " 754", " 3")
for n in range(1, 82):
    c, r = case(n)
    f += simple(str(sol(c, r))) + simple("True" if donnee(c, r) else "False") + simple(str(montre(c, r)))
f += balise("#")
assert len(f) == 254 * TAILLE
ecrire("jeu_ecrit.sdk", f)

# The same game from another program: tails and records 4-10 full of junk, Booleans in any
# case or as numbers, givens left at 0 on odd cells, a digit with a blank, an end record cut
# right after its "#".
VRAIS, FAUX = ["VRAI", "True", "1", "vrai", "-1", "TRUE"], ["faux", "FALSE", "0", "False", "Faux"]
f = entete(" 1", " 754", " 3", 0xCC, 0x5A)
for n in range(1, 82):
    c, r = case(n)
    b = VRAIS[n % len(VRAIS)] if donnee(c, r) else FAUX[n % len(FAUX)]
    m = 0 if donnee(c, r) and n % 2 else montre(c, r)
    s = " " + str(sol(c, r)) if n == 17 else str(sol(c, r))
    premier = simple(s, 0xCC)
    if n == 30:  # a "#" in the tail of a one-character text is no end record
        premier = premier[:4] + b"#" + premier[5:]
    f += premier + simple(b, 0xCC) + simple(str(m), 0xCC)
f += bytes([8, 0, 1, 0, 0x23])
ecrire("jeu_etranger.sdk", f)

# All 81 cells, no end record, the last record not padded.
f = entete(" 1", " 754", " 3")
for n in range(1, 82):
    c, r = case(n)
    f += simple(str(sol(c, r))) + simple("True" if donnee(c, r) else "False") + simple(str(montre(c, r)))
f = f[:-(TAILLE - 3)]
ecrire("jeu_sans_fin.sdk", f)


# A solved creation grid saved while its solution shows: the typed digits are the givens above.
def tape(c, r): return sol(c, r) if donnee(c, r) else 0


f = entete(" 2", " 61", " 2")
for n in range(1, 82):
    c, r = case(n)
    d = tape(c, r)
    f += simple(str(d)) + simple("Vrai" if d else "Faux") + simple("0")
f += balise("#")
ecrire("creation_ecrit.sdk", f)

# A creation grid that stops after 40 cells: once at the end of the data, once at an end record
# followed by records that must not be read.
f = entete(" 2", " 0", " 0")
for n in range(1, 41):
    c, r = case(n)
    d = tape(c, r)
    f += simple(str(d)) + simple("Vrai" if d else "Faux") + simple("0")
ecrire("creation_40.sdk", f[:-(TAILLE - 3)])
f += balise("#", 0x77) + simple("9", 0x77) * 9
ecrire("creation_fin.sdk", f)
