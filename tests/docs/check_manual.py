#!/usr/bin/env python3
"""Checks the manual Kelvari.htm in real headless Chromium: it renders without console
errors, every internal link (#id) has its target, it loads nothing from outside, and every
command word and every error message of the program appears in it.

    check_manual.py CHROMIUM KELVARI.HTM
"""
import html.parser
import os
import re
import subprocess
import sys
import tempfile

COMMANDS = ['MESSAGEBOX', 'INPUTBOX', 'LISTBOX', 'FILEOPENBOX', 'FILESAVEBOX', 'QUERYFOLDERBOX',
            'CHECKDRIVE', 'CHECKLABEL', 'PLAY', 'HELP', 'INFO', 'INTERNALERROR', '_ERROR:OS=NT',
            'KVRESULT', 'kv.cmd']
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
]


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.hrefs, self.external, self.text = set(), [], [], []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
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

    def handle_data(self, data):
        self.text.append(data)


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

    for f in failures:
        print('FAIL', f)
    print('%d links, %d ids, %d checks of words and messages' %
          (len(parser.hrefs), len(parser.ids), len(COMMANDS) + len(MESSAGES)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
