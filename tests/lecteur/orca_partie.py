#!/usr/bin/python3
"""A game played with the real screen reader, Orca, on its default settings and in French: each
step checks what Orca speaks, as its debug log records it.

Usage: orca_partie.py PROGRAM   (exit 0, 1; 77 skipped where Orca cannot run)

Run it on a display with a session bus and the accessibility bus (tests/support/sous-lecteur.sh).
It starts its own speech server and its own Orca, in a process namespace of their own so that
another Orca of the same user elsewhere on the machine is no obstacle.
"""
import os
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

DELAI = 20  # seconds for Orca, then the game, to start, and for each spoken answer
DEMARRAGE_ORCA = "Lecteur d’écran activé."

# The known game: rows top to bottom, columns left to right; every cell is given but these.
SOLUTION = ["123456789", "456789123", "789123456", "234567891", "567891234",
            "891234567", "345678912", "678912345", "912345678"]
VIDES = [(5, 5), (5, 6), (6, 6), (2, 8)]


def sol(c, r):
    return int(SOLUTION[r - 1][c - 1])


def echec(texte):
    print("ÉCHEC :", texte, flush=True)
    sys.exit(1)


def sauter(texte):
    print(texte + ": skipped", flush=True)
    sys.exit(77)


def partie_enregistree(chemin):
    """The known game as the game saves it: mode, clock, level, then (solution, given, shown)
    for the 81 cells column by column."""
    def texte(t, balise):
        b = (bytes([8, 0]) if balise else b"") + bytes([len(t), 0]) + t.encode("cp1252")
        return b + bytes(15 - len(b))
    f = texte(" 1", True) + texte(" 0", True) + texte(" 1", True) + bytes(15 * 7)
    for c in range(1, 10):
        for r in range(1, 10):
            donnee = (c, r) not in VIDES
            f += texte(str(sol(c, r)), False) + texte("True" if donnee else "False", False)
            f += texte(str(sol(c, r)) if donnee else "0", False)
    f += texte("#", True)
    with open(chemin, "wb") as sortie:
        sortie.write(f)


class Journal:
    """Orca's debug log read as it is written: a terminal makes Orca write it line by line."""

    MOTIF = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S)

    def __init__(self, copie):
        self.maitre, esclave = pty.openpty()
        tty.setraw(esclave)
        self.chemin = os.ttyname(esclave)
        self.esclave = esclave
        self.texte = ""
        self.lu = 0  # where the utterances not yet parsed start
        self.phrases = []
        self.verrou = threading.Lock()
        self.copie = open(copie, "w", encoding="utf-8")
        threading.Thread(target=self._lire, daemon=True).start()

    def _lire(self):
        while True:
            try:
                b = os.read(self.maitre, 65536)
            except OSError:
                return
            if not b:
                return
            t = b.decode("utf-8", "replace")
            self.copie.write(t)
            with self.verrou:
                self.texte += t
                for m in self.MOTIF.finditer(self.texte, self.lu):
                    self.phrases.append(" ".join(m.group(1).split()))
                    self.lu = m.end()
                # What was parsed is kept only as far as an utterance may still be open.
                if self.lu > 1 << 20:
                    self.texte, self.lu = self.texte[self.lu:], 0

    def marque(self):
        with self.verrou:
            return len(self.phrases)

    def depuis(self, marque):
        with self.verrou:
            return list(self.phrases[marque:])

    def attendre(self, marque, motif, delai=DELAI):
        """The utterances since `marque` once one of them matches `motif`."""
        fin = time.monotonic() + delai
        while time.monotonic() < fin:
            dites = self.depuis(marque)
            if any(re.search(motif, p) for p in dites):
                return dites
            time.sleep(0.05)
        echec("Orca never said %r; it said %s" % (motif, self.depuis(marque)))

    def calme(self, marque, duree=1.0):
        """The utterances since `marque` once Orca has said nothing more for `duree` seconds."""
        vu, depuis = -1, time.monotonic()
        while time.monotonic() - depuis < duree:
            n = len(self.depuis(marque))
            if n != vu:
                vu, depuis = n, time.monotonic()
            time.sleep(0.05)
        return self.depuis(marque)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=DELAI)


class Joueur:
    def __init__(self, journal, programme, env, dossier):
        self.journal = journal
        self.c, self.r = 5, 5
        partie = os.path.join(dossier, "presque.sdk")
        partie_enregistree(partie)
        marque = journal.marque()
        self.jeu = subprocess.Popen([programme, partie], env=env)
        self.entendu = journal.attendre(marque, r"^Ligne \d, colonne \d : ")
        self.entendu = journal.calme(marque)

    def dire(self, touches, motif, calme=False):
        """Presses the keys and returns what Orca said, once it has said `motif`."""
        marque = self.journal.marque()
        for t in touches:
            if t == "barre d'état":  # Orca+KP_Enter twice, Insert being the Orca key
                xdotool("keydown", "Insert", "key", "--delay", "80", "KP_Enter", "KP_Enter", "keyup", "Insert")
            else:
                xdotool("key", "--delay", "40", t)
        dites = self.journal.attendre(marque, motif)
        return self.journal.calme(marque) if calme else dites

    def aller(self, c, r):
        """Moves the cursor to (c, r); each arrow must speak the new cell alone."""
        while (self.c, self.r) != (c, r):
            if self.c != c:
                touche, self.c = ("Right", self.c + 1) if c > self.c else ("Left", self.c - 1)
            else:
                touche, self.r = ("Down", self.r + 1) if r > self.r else ("Up", self.r - 1)
            dites = self.dire([touche], r"^Ligne %d, colonne %d : " % (self.r, self.c), calme=True)
            cases = [p for p in dites if re.match(r"^Ligne \d, colonne \d", p)]
            if len(cases) != 1:
                echec("%s spoke %d cells: %s" % (touche, len(cases), dites))
        return cases

    def arreter(self):
        if self.jeu.poll() is None:
            self.jeu.kill()
        self.jeu.wait()


def verifier(joueur, version):
    """Each point a blind player needs, as Orca speaks it."""
    j = joueur
    etapes = []

    def noter(quoi, dites):
        etapes.append((quoi, dites))
        print("%-34s %s" % (quoi, " | ".join(dites)), flush=True)

    cases = [p for p in j.entendu if p.startswith("Ligne ")]
    if cases != ["Ligne 5, colonne 5 : vide."]:
        echec("at start Orca should speak the cursor cell alone: %s" % j.entendu)
    noter("start", j.entendu)

    noter("pencil mark (Ctrl+4)", j.dire(["ctrl+4"], r"^notification Crayon 4 écrit\.$"))
    d = sol(5, 5)
    noter("digit %d typed" % d, j.dire([str(d)], r"^notification %d placé\.$" % d))
    noter("Down arrow", j.aller(5, 6))
    faux = sol(5, 6) % 9 + 1
    noter("wrong digit %d typed" % faux, j.dire([str(faux)], r"^notification %d placé\.$" % faux))
    noter("check (F5)", j.dire(["F5"], r"^1 chiffre faux : ligne 6, colonne 5\.$", calme=True))
    noter("the box closed", j.dire(["Escape"], r"^Ligne 6, colonne 5 : %d\.$" % faux, calme=True))
    noter("erased (Delete)", j.dire(["Delete"], r"^notification %d effacé\.$" % faux))
    noter("digit on a given", j.dire(["Right", "Right", "1"], r"^notification Refusé : case donnée\.$"))
    j.c += 2

    dites = j.dire(["F6"], r"^notification Indice : \d en ligne \d, colonne \d\.$")
    noter("hint (F6)", dites)
    m = re.search(r"Indice : (\d) en ligne (\d), colonne (\d)\.", " ".join(dites))
    d, hr, hc = (int(x) for x in m.groups())
    if (hc, hr) not in VIDES[1:] or d != sol(hc, hr):
        echec("the hint %s is not a solution digit of an empty cell" % m.group(0))

    dites = j.dire(["barre d'état"], r"^Chiffre choisi : \d(, épuisé)?\.$", calme=True)
    for attendu in [r"^barre d’état\.$", r"^Mode Jeu\.$", r"^Facile\.$", r"^\d+:\d\d\.$"]:
        if not any(re.search(attendu, p) for p in dites):
            echec("the status bar lacks %r: %s" % (attendu, dites))
    noter("status bar (Orca+Enter twice)", dites)

    noter("about (Alt+?, p)", j.dire(["alt+question", "p"], r"^A propos boîte de dialogue Sudoku-Lumio, version %s\.$"
                                     % re.escape(version), calme=True))
    j.dire(["Escape"], r"^Ligne \d, colonne \d : ", calme=True)

    restantes = [(c, r) for (c, r) in VIDES[1:] if (c, r) != (hc, hr)]
    for (c, r) in restantes[:-1]:
        j.aller(c, r)
        noter("digit at (%d, %d)" % (c, r), j.dire([str(sol(c, r))], r"^notification %d placé\.$" % sol(c, r)))
    c, r = restantes[-1]
    j.aller(c, r)
    dites = j.dire([str(sol(c, r))], r"^BRAVO !!! boîte de dialogue Temps : \d+ secondes?\.", calme=True)
    noter("last digit: victory", dites)
    dites = j.dire(["Return"], r"^Meilleurs temps boîte de dialogue Facile : \d+ secondes?, Pilou\. "
                               r"Moyen : aucun temps\.", calme=True)
    noter("name kept: best times", dites)
    j.dire(["Escape"], r"^Ligne \d, colonne \d : ", calme=True)
    noter("new game (Ctrl+N)", j.dire(["ctrl+n"], r"^notification Nouvelle partie, niveau facile\.$", calme=True))
    return etapes


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    programme = os.path.abspath(sys.argv[1])
    for outil in ("orca", "speech-dispatcher", "espeak-ng", "xdotool", "localedef", "unshare"):
        if not shutil.which(outil):
            sauter(outil + " missing (scripts/installer-dependances.sh installs the screen reader's test tools)")
    if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"):
        sauter("speech-dispatcher-espeak-ng missing")
    version = subprocess.run([programme, "--version"], capture_output=True, text=True).stdout.split()[-1]

    with tempfile.TemporaryDirectory() as dossier:
        # A user of its own: settings, speech server socket and Orca's preferences all private.
        env = dict(os.environ)
        for cle, sous in (("HOME", "maison"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "donnees"),
                          ("XDG_CACHE_HOME", "cache")):
            env[cle] = os.path.join(dossier, sous)
            os.makedirs(env[cle])
        # Orca and its speech server speak the language of the locale, built here for this run.
        locales = os.path.join(dossier, "locales")
        os.makedirs(locales)
        if subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", os.path.join(locales, "fr_FR.UTF-8")],
                          capture_output=True).returncode not in (0, 1):
            sauter("the French locale cannot be built (package locales)")
        env.update(LOCPATH=locales, LANG="fr_FR.UTF-8", LANGUAGE="fr", LC_ALL="")
        # Qt's bridge must wait for the reader, as on a real desktop.
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        # Without a sound card the speech server would wait for one, and Orca with it.
        speechd = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(speechd)
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule espeak-ng\n'
                       'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
        serveur = subprocess.Popen(["speech-dispatcher", "--run-single", "--timeout", "0"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        journal = Journal(os.path.join(dossier, "orca.log"))
        # Orca refuses to start beside another Orca of the same user: its own process namespace
        # hides the others.
        isolement = ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child"]
        if os.getuid() != 0:
            isolement[1:1] = ["--user", "--map-root-user"]
        erreurs = open(os.path.join(dossier, "orca.err"), "w+")
        orca = subprocess.Popen(isolement + ["orca", "--debug-file=" + journal.chemin], env=env,
                                stdout=subprocess.DEVNULL, stderr=erreurs)
        joueur = None
        try:
            fin = time.monotonic() + DELAI
            while DEMARRAGE_ORCA not in journal.depuis(0):
                if orca.poll() is not None:
                    erreurs.seek(0)
                    sauter("Orca did not start: " + erreurs.read().strip()[-300:])
                if time.monotonic() > fin:
                    echec("Orca did not speak within %d s: %s" % (DELAI, journal.depuis(0)))
                time.sleep(0.1)
            joueur = Joueur(journal, programme, env, dossier)
            verifier(joueur, version)
            print("Orca spoke each point: digit, Down, hint, check, status bar, about, victory, best times")
        finally:
            if joueur:
                joueur.arreter()
            for p in (orca, serveur):
                if p.poll() is None:
                    p.send_signal(signal.SIGTERM)
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()


if __name__ == "__main__":
    main()
