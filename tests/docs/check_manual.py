#!/usr/bin/env python3
"""Checks the manual Kelvari.htm in real headless Chromium: it renders without console
errors, every internal link (#id) has its target, it loads nothing from outside, every
command word and every error message of the program appears in it, every table of the ways a
dialog ends holds exactly the ends below, and every example that reads an answer tests the
exit code first (3 first when it sets KVTIMEOUT).

    check_manual.py CHROMIUM KELVARI.HTM
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile

COMMANDS = ['MESSAGEBOX', 'INPUTBOX', 'PASSWORDBOX', 'LISTBOX', 'FILEOPENBOX', 'FILESAVEBOX',
            'QUERYFOLDERBOX', 'FOLDERBOX', 'CHECKDRIVE', 'CHECKLABEL', 'PLAY', 'HELP', 'INFO', 'INTERNALERROR',
            '_ERROR:OS=NT', 'KVRESULT', 'KVTIMEOUT', 'kv.cmd']
COMMANDS += ['BUTTONBOX', 'NOTICEBOX', 'PROGRESSBOX', 'PROGRESS']
# The fixed parts of every message the program can show.
MESSAGES = [
    'Ausführungsfehler:',
    "Es ist nicht genügend Platz zum Anlegen der Umgebungsvariablen 'KVRESULT' vorhanden",
    '> Ändern Sie die unter Windows 95 über die Eigenschaften der betreffenden Stapeldatei.',
    '> Unter Windows NT müssen Sie ggf. die Umgebungsvariable mit einem Dummy-Wert über',
    'die Systemeigenschaften vorbelegen.',
    'Es wurde kein Kommando zur Ausführung angegeben.',
    "Das Kommando '", "' ist nicht bekannt.",
    'Der Name der Parameterdatei wurde nicht angegeben.',
    "Die Parameterdatei '", "' konnte nicht gefunden werden.",
    "Für das Kommando '", "' wurden", 'zu wenig Angaben in der Parameterdatei gemacht.',
    'Befehl MESSAGEBOX: Unbekanntes Attribut',
    'Befehl LISTBOX: Unbekanntes Attribut',
    'LISTBOX: Die Datei', 'mit dem', 'Listeninhalt konnte nicht gefunden werden.',
    "' wurden zu wenig Parameter übergeben.",
    'Kelvari ist unter Windows NT nicht lauffähig!',
    'Unerwarteter Fehler ... ???',
    "Die Ergebnisdatei '", "' konnte nicht geschrieben werden:",
    "' konnte nicht gelesen werden:",
    "' enthält mehr als 32767 Zeilen.",
    'Ein Text mit mehr als 32767 Wörtern kann nicht zerlegt werden.',
    'Interner Fehler: Das Kommando konnte nicht ausgeführt werden.',
    'HTML-Hilfetext wurde an den Standard-Browser geschickt ...',
    'Info über Kelvari',
    "Die Umgebungsvariable KVTIMEOUT hat den ungültigen Wert '",
    'Erlaubt ist eine ganze Zahl von Sekunden von 1 bis 86400.',
    'Das eingegebene Kennwort enthält Zeichen, die im Zeichensatz von Windows (ANSI) nicht '
    'darstellbar sind.',
    'Es kann so nicht an die Stapeldatei weitergegeben werden. Bitte ändern Sie das Kennwort.',
]
MESSAGES += [
    'Befehl BUTTONBOX: Unbekanntes Attribut', 'Befehl NOTICEBOX: Unbekanntes Attribut',
    'Befehl PROGRESSBOX: Unbekanntes Attribut', ': Ungültiger Wert',
    'Befehl BUTTONBOX: Zeile 3 muss 1 bis 6 Schaltflächen nennen, durch | getrennt und keine leer.',
]

# How each dialog ends, as the program and its end-to-end tests have it: (way, answer, exit
# code) as patterns over the cells of a row of the table "So endet der Dialog" of that
# command. Every row of the table must match one of them, and each of them one row.
NONE = r'^keine: nicht definiert, die Ergebnisdatei bleibt unberührt$'
STAYS = r'^keine: das Fenster bleibt offen'
MESSAGE_BOX = [(r'^OK, Enter, Esc oder Schließfeld der Meldung$', NONE)]
# With KVTIMEOUT every window of the program ends by itself: exit code 3, but 2 for a failure.
TIMEOUT = r'^Zeit aus KVTIMEOUT abgelaufen$'
TYPED = [
    (r'^OK \(Alt\+O\)$', r'^der Text im Feld', '0'), (r'^Enter$', r'^wie OK$', '0'),
    (r'^Abbrechen \(Alt\+A\)$', r'^nicht definiert \(die Ergebnisdatei erhält eine leere Zeile\)$',
     '1'),
    (r'^Esc$', r'^wie Abbrechen$', '1'), (r'^Schließfeld$', r'^wie Abbrechen$', '1'),
    (TIMEOUT, r'^der Text im Feld, wie OK \(nichts eingegeben: der Vorschlag aus Zeile 2\)$', '3')]
ENDS = {
    'MESSAGEBOX': [
        (r'^OK$', r'^OK$', '0'), (r'^Abbrechen\b', r'^ABBRECHEN$', '0'),
        (r'^Wiederholen$', r'^WIEDERHOLEN$', '0'), (r'^Ignorieren$', r'^IGNORIEREN$', '0'),
        (r'^Ja$', r'^JA$', '0'), (r'^Nein$', r'^NEIN$', '0'),
        (r'^Enter$', r'^wie die vorgewählte Schaltfläche$', '0'),
        (r'^Esc oder Schließfeld bei OA, JNA, WA$', r'^ABBRECHEN$', '0'),
        (r'^Esc oder Schließfeld bei OK allein$', r'^OK$', '0'),
        (r'^Esc oder Schließfeld bei JN, AWI$', STAYS, '–'),
        (TIMEOUT, r'^wie die vorgewählte Schaltfläche \(wie Enter\)', '3')],
    'INPUTBOX': TYPED,
    'PASSWORDBOX': TYPED,
    'LISTBOX': [
        (r'^OK \(Alt\+O\)$', r'^die Auswahl', '0'), (r'^Doppelklick', r'^die Auswahl', '0'),
        (r'^Abbrechen \(Alt\+A\)$', NONE, '1'), (r'^Schließfeld$', r'^wie Abbrechen$', '1'),
        (r'^Enter oder Esc, während die Liste den Fokus hat$', STAYS, '–'),
        (r'^Enter, während OK den Fokus hat \(mit Tab dorthin gebracht\)$', r'^wie OK$', '0'),
        (r'^Enter, während Abbrechen den Fokus hat', r'^wie Abbrechen$', '1'),
        (r'^Esc, während eine Schaltfläche den Fokus hat$', STAYS, '–'),
        (TIMEOUT, r'^mit SELECTED=: die vorgewählten Einträge, wie OK; ohne: ' + NONE[1:-1] +
         r' \(wie Abbrechen\)$', '3')],
    'FILEOPENBOX FILESAVEBOX': [
        (r'^Öffnen bzw\. Speichern$', r'^der vollständige Pfad', '0'),
        (r'^Enter oder Doppelklick auf eine Datei$', r'^wie Öffnen bzw\. Speichern$', '0'),
        (r'^Abbrechen$', r'^Zeile 2, unverändert', '1'),
        (r'^Esc$', r'^wie Abbrechen$', '1'), (r'^Schließfeld$', r'^wie Abbrechen$', '1'),
        (TIMEOUT, r'^Zeile 2, unverändert, wie Abbrechen', '3')],
    'QUERYFOLDERBOX': [
        (r'^OK$', r'^der gewählte Ordner', '0'), (r'^Enter$', r'^wie OK$', '0'),
        (r'^Abbrechen$', r'^nicht definiert \(die Ergebnisdatei erhält eine leere Zeile\)$', '1'),
        (r'^Esc$', r'^wie Abbrechen$', '1'), (r'^Schließfeld$', r'^wie Abbrechen$', '1'),
        (TIMEOUT, r'^nicht definiert \(die Ergebnisdatei erhält eine leere Zeile\), wie Abbrechen$',
         '3')],
    'FOLDERBOX': [
        (r'^OK$', r'^der gewählte Ordner', '0'), (r'^Enter$', r'^wie OK$', '0'),
        (r'^OK mit einem Pfad, den es nicht gibt', r'^nach „Ja“: der angelegte Ordner', '0'),
        (r'^Abbrechen$', r'^nicht definiert \(die Ergebnisdatei erhält eine leere Zeile\)$', '1'),
        (r'^Esc$', r'^wie Abbrechen$', '1'), (r'^Schließfeld$', r'^wie Abbrechen$', '1'),
        (TIMEOUT, r'^nicht definiert \(die Ergebnisdatei erhält eine leere Zeile\), wie Abbrechen$',
         '3')],
    'HELP': [way + ('0',) for way in MESSAGE_BOX] + [(TIMEOUT, NONE, '3')],
    'INFO': [
        (r'^„Dieses Fenster schliessen“ \(Alt\+S\)$', NONE, '0'),
        (r'^Schließfeld$', r'^wie „Dieses Fenster schliessen“$', '0'),
        (r'^„Eine E-Mail an mich schreiben“ \(Alt\+E\), „Die \'News\'-Seite', STAYS, '–'),
        (r'^Enter, während „Dieses Fenster schliessen“ den Fokus hat \(so beim Öffnen\)$',
         r'^wie „Dieses Fenster schliessen“$', '0'),
        (r'^Enter, während eine der beiden anderen Schaltflächen', STAYS, '–'),
        (r'^Esc$', r'^wie „Dieses Fenster schliessen“$', '0'), (TIMEOUT, NONE, '3')],
    'INTERNALERROR _ERROR:OS=NT': [way + ('2',) for way in MESSAGE_BOX] + [(TIMEOUT, NONE, '2')],
    'Fehlermeldung': [way + ('2',) for way in MESSAGE_BOX] + [(TIMEOUT, NONE, '2')],
}
ENDS.update({
    'BUTTONBOX': [
        (r'^eine Schaltfläche', r'^ihre Beschriftung ohne &; mit NUMERIC ihre Nummer$', '0'),
        (r'^Enter$', r'^wie die Schaltfläche, die den Fokus hat', '0'),
        (r'^Esc oder Schließfeld mit CANCEL=n$', r'^wie Schaltfläche n$', '0'),
        (r'^Esc oder Schließfeld ohne CANCEL=$', STAYS, '–'),
        (TIMEOUT, r'^wie die vorgewählte Schaltfläche \(wie Enter\)$', '3')],
    'NOTICEBOX': [
        (r'^der Aufruf: sofort', NONE, '0'), (r'^Klick auf den Hinweis', r'^–', '–'),
        (r'^Enter, Esc$', r'^– \(der Hinweis nimmt keine Tasten', '–'),
        (r'^Schließfeld$', r'^–', '–'), (TIMEOUT, r'^– \(gilt nicht für ihn', '–')],
    'PROGRESSBOX PROGRESS': [
        (r'^PROGRESSBOX: sofort', NONE, '0'), (r'^PROGRESS n oder ENDE', NONE, '0'),
        (r'^Abbrechen, Esc \(mit ABBRECHEN\) oder Schließfeld', NONE, '1'),
        (r'^PROGRESS ohne Fenster', NONE, '2'), (r'^Enter im Fenster$', STAYS, '–'),
        (TIMEOUT, STAYS, '–')],
})


def check_ends(tables, failures):
    for command, expected in ENDS.items():
        rows = tables.get(command)
        if rows is None:
            failures.append('no table of ends for ' + command)
            continue
        if not rows or rows[0] != ['So endet der Dialog', 'Antwort (KVRESULT)', 'Exit-Code']:
            failures.append('%s: the table of ends has not the three columns' % command)
            continue
        unmatched = list(expected)
        for row in rows[1:]:
            hit = next((e for e in unmatched if len(row) == 3 and re.search(e[0], row[0]) and
                        re.search(e[1], row[1]) and row[2] == e[2]), None)
            if hit is None:
                failures.append('%s: row not true: %s' % (command, ' | '.join(row)))
            else:
                unmatched.remove(hit)
        for e in unmatched:
            failures.append('%s: no row for the end %s' % (command, e[0]))
        ways = ' '.join(row[0] for row in rows[1:])
        for way in ('Enter', 'Esc', 'Schließfeld'):
            if way not in ways:
                failures.append('%s: the table of ends misses %s' % (command, way))
    for command in tables:
        if command not in ENDS:
            failures.append('table of ends for an unknown command: ' + command)


def check_examples(examples, failures):
    """An example that reads an answer tests the exit code before it, and one that sets
    KVTIMEOUT tests exit code 3 before any other."""
    for example in examples:
        reads = [m.start() for m in re.finditer(r'%KVRESULT%|%ANTWORT%|defined KVRESULT',
                                                 example)]
        if not reads or not re.search(r'^(call kv\.cmd|"[^"]*kelvari\.exe")', example, re.M):
            continue
        test = re.search(r'errorlevel|%RC%', example, re.I)
        if not test or test.start() > reads[0]:
            failures.append('example reads the answer before it tests the exit code: ' +
                            example.splitlines()[0])
        # "if errorlevel 2" holds for 3 too: with KVTIMEOUT set, 3 has to be tested first.
        first = re.search(r'errorlevel\s+(\d+)', example, re.I)
        if re.search(r'^set "?KVTIMEOUT=\s*\d', example, re.M | re.I) and \
                (not first or first.group(1) != '3'):
            failures.append('example sets KVTIMEOUT but does not test exit code 3 first: ' +
                            example.splitlines()[0])


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.hrefs, self.external, self.text = set(), [], [], []
        self.ends, self.examples = {}, []
        self.rows = self.cell = self.pre = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == 'table' and 'enden' in (a.get('class') or '').split():
            self.rows = self.ends.setdefault(a.get('data-kommando') or '', [])
        elif tag == 'tr' and self.rows is not None:
            self.rows.append([])
        elif tag in ('td', 'th') and self.rows is not None:
            self.cell = []
        elif tag == 'pre':
            self.pre = []
        if 'id' in a:
            self.ids.add(a['id'])
        if tag == 'a' and 'href' in a:
            self.hrefs.append(a['href'])
        for key in ('src', 'href'):
            value = a.get(key) or ''
            if re.match(r'^(https?:)?//', value) and tag != 'a':
                self.external.append(value)
        if tag == 'script' and a.get('src'):
            self.external.append(a['src'])

    def handle_endtag(self, tag):
        if tag == 'table':
            self.rows = None
        elif tag in ('td', 'th') and self.cell is not None:
            self.rows[-1].append(re.sub(r'\s+', ' ', ''.join(self.cell)).strip())
            self.cell = None
        elif tag == 'pre' and self.pre is not None:
            self.examples.append(''.join(self.pre))
            self.pre = None

    def handle_data(self, data):
        self.text.append(data)
        if self.cell is not None:
            self.cell.append(data)
        if self.pre is not None:
            self.pre.append(data)


def main(chromium, page):
    page = os.path.abspath(page)
    failures = []
    with tempfile.TemporaryDirectory() as profile:
        run = subprocess.run(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--no-first-run', '--user-data-dir=' + profile, '--enable-logging=stderr', '--v=0',
             '--dump-dom', 'file://' + page],
            capture_output=True, text=True, timeout=120)
    if run.returncode != 0 or '</html>' not in run.stdout:
        failures.append('Chromium did not render the page (exit %d)' % run.returncode)
    for line in run.stderr.splitlines():
        if 'CONSOLE' in line or 'Uncaught' in line:
            failures.append('console: ' + line)

    parser = Links()
    parser.feed(run.stdout)
    for href in parser.hrefs:
        if href.startswith('#') and href[1:] not in parser.ids:
            failures.append('link without target: ' + href)
    for url in parser.external:
        failures.append('loads from outside: ' + url)
    text = re.sub(r'\s+', ' ', ''.join(parser.text))
    for word in COMMANDS + MESSAGES:
        if re.sub(r'\s+', ' ', word) not in text:
            failures.append('missing: ' + word)
    if not parser.hrefs:
        failures.append('no links found')
    check_ends(parser.ends, failures)
    check_examples(parser.examples, failures)

    for f in failures:
        print('FAIL', f)
    print('%d links, %d ids, %d checks of words and messages, %d tables of ends, %d examples' %
          (len(parser.hrefs), len(parser.ids), len(COMMANDS) + len(MESSAGES), len(parser.ends),
           len(parser.examples)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
