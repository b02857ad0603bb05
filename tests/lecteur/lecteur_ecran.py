#!/usr/bin/python3
"""The running game as a screen reader sees it over AT-SPI, heard as Orca hears it: the object
that takes the focus, and the notifications that are shown (Orca speaks no change of a name).

Usage: lecteur_ecran.py PROGRAM            check the tree, then a few keys (exit 0, 1; 77 skipped)
       lecteur_ecran.py --ecouter PROGRAM  start the game and say aloud (print) what a reader
                                           would speak, until the game is closed

Run it on a display with a session bus and the accessibility bus (tests/support/sous-lecteur.sh).
"""
import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("pyatspi missing: skipped")
    sys.exit(77)

BOUTONS = ["Solution", "Vérifier", "Indice", "Imprimer", "Impr. grilles", "Nouvelle"]
DELAI = 20  # seconds for the game to appear, and for the whole check after that


def echec(texte):
    print("ÉCHEC :", texte)
    sys.exit(1)


def application(pid):
    """The game's application in the desktop's tree, once it is there."""
    fin = time.monotonic() + DELAI
    while time.monotonic() < fin:
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            app = bureau.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except GLib.GError:
                pass
        time.sleep(0.2)
    echec("the game never appeared on the accessibility bus")


def parcourir(racine):
    """Every object under `racine`, depth first; the cells of the board stay inside it."""
    pile = [racine]
    while pile:
        o = pile.pop()
        yield o
        if o.name != "Grille":
            pile.extend(o.getChildAtIndex(i) for i in reversed(range(o.childCount)))


def verifier_arbre(app):
    grilles, boutons, barres, avis = [], {}, [], []
    for o in parcourir(app):
        role = o.getRole()
        if o.name == "Grille":
            grilles.append(o)
        elif role == pyatspi.ROLE_PUSH_BUTTON:
            boutons[o.name] = o
        elif role == pyatspi.ROLE_STATUS_BAR:
            barres.append(o)
        elif role == pyatspi.ROLE_NOTIFICATION:
            avis.append(o)
    if len(grilles) != 1:
        echec("%d boards instead of one" % len(grilles))
    grille = grilles[0]
    # A reader that finds a table reads a whole row of it when the cursor changes rows.
    if "Table" in pyatspi.listInterfaces(grille) or grille.childCount != 81:
        echec("the board is a table, or has %d cells" % grille.childCount)
    for r in range(9):
        for c in range(9):
            nom = grille.getChildAtIndex(9 * r + c).name
            if not nom.startswith("Ligne %d, colonne %d : " % (r + 1, c + 1)):
                echec("cell (%d, %d) is named %r" % (c + 1, r + 1, nom))
    absents = [b for b in BOUTONS if b not in boutons]
    if absents:
        echec("buttons without their name: %s (named: %s)" % (absents, sorted(boutons)))
    if len(barres) != 1 or len(avis) != 1:
        echec("%d status bars and %d notices instead of one each" % (len(barres), len(avis)))
    etat = [barres[0].getChildAtIndex(i).name for i in range(barres[0].childCount)]
    if etat[:2] != ["Mode Jeu", "Facile"] or not etat[3].startswith("Chiffre choisi : "):
        echec("the status bar says %s" % etat)
    print("tree: 9 x 9 named cells, no table; buttons %s; status %s" % (", ".join(BOUTONS), etat))
    return grille


class Oreille:
    """Hears what Orca speaks: the object that takes the focus, a notification shown."""

    def __init__(self, bavard):
        self.entendu = []
        self.bavard = bavard
        pyatspi.Registry.registerEventListener(
            self.evenement, "object:state-changed:focused", "object:state-changed:showing"
        )

    def evenement(self, e):
        if not e.detail1:
            return
        try:
            phrase = e.source.name
            role = e.source.getRole()
        except GLib.GError:
            return
        if e.type.startswith("object:state-changed:showing") and role != pyatspi.ROLE_NOTIFICATION:
            return
        quoi = "focus" if "focused" in e.type else "avis"
        self.entendu.append((quoi, phrase))
        if self.bavard:
            print("%-5s %s" % (quoi, phrase), flush=True)

    def attendre(self, quoi, debut, delai=5):
        """Runs the bus until a `quoi` event whose text starts with `debut` is heard."""
        fin = time.monotonic() + delai
        contexte = GLib.MainContext.default()
        while time.monotonic() < fin:
            while contexte.pending():
                contexte.iteration(False)
            for q, phrase in self.entendu:
                if q == quoi and phrase.startswith(debut):
                    self.entendu.clear()
                    return phrase
            time.sleep(0.02)
        echec("no %s event for %r; heard %s" % (quoi, debut, self.entendu))


def touche(nom):
    subprocess.run(["xdotool", "key", "--clearmodifiers", nom], check=True)


def verifier_clavier(grille):
    oreille = Oreille(bavard=True)
    time.sleep(0.5)  # the game learns that someone listens
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Sudoku Lumio$", "windowactivate"],
                   check=True, timeout=DELAI, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fin = time.monotonic() + DELAI
    while not grille.getState().contains(pyatspi.STATE_FOCUSED):
        if time.monotonic() > fin:
            echec("the board never got the keyboard")
        time.sleep(0.05)
    # To the first empty cell on the right of the centre, as a player would go.
    c = 6
    touche("Right")
    oreille.attendre("focus", "Ligne 5, colonne 6 : ")
    while not grille.getChildAtIndex(4 * 9 + c - 1).name.endswith(": vide"):
        if c == 9:
            print("no empty cell right of the centre: keyboard not tried")
            return
        c += 1
        touche("Right")
        oreille.attendre("focus", "Ligne 5, colonne %d : " % c)
    # With a reader the main keyboard's digits place them: the keypad is the reader's.
    touche("5")
    oreille.attendre("avis", "5 placé.")
    touche("Delete")
    oreille.attendre("avis", "5 effacé.")
    print("keyboard: the cursor is heard cell by cell, a digit placed and erased")


def main():
    arguments = sys.argv[1:]
    ecouter = arguments[:1] == ["--ecouter"]
    if ecouter:
        arguments = arguments[1:]
    if len(arguments) != 1:
        print(__doc__)
        sys.exit(2)
    for outil in ("xdotool",):
        if subprocess.run(["which", outil], stdout=subprocess.DEVNULL).returncode:
            print(outil + " missing: skipped")
            sys.exit(77)
    with tempfile.TemporaryDirectory() as config:
        # The game talks to the bus even where no reader has asked the desktop for it yet.
        env = dict(os.environ, XDG_CONFIG_HOME=config, HOME=config, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        jeu = subprocess.Popen([arguments[0]], env=env)
        try:
            app = application(jeu.pid)
            if ecouter:
                Oreille(bavard=True)
                while jeu.poll() is None:
                    GLib.MainContext.default().iteration(False) or time.sleep(0.02)
                return
            verifier_clavier(verifier_arbre(app))
        finally:
            if jeu.poll() is None:
                jeu.kill()
            jeu.wait()


if __name__ == "__main__":
    main()
