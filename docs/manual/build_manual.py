#!/usr/bin/env python3
"""Builds Kelvari.htm from its template: every <!--SHOT:name--> becomes a figure with the
screenshot SHOTS/name.png embedded as a data URI, or disappears when there is no such picture
(a dialog that the program does not have yet).

    build_manual.py TEMPLATE SHOTS OUTPUT
"""
import base64
import os
import re
import sys

CAPTIONS = {
    'messagebox': 'MESSAGEBOX mit JN FRAGE: eine Ja/Nein-Frage',
    'messagebox-jna': 'MESSAGEBOX mit JNA WARNUNG RECHTS: „Abbrechen“ ist vorgewählt',
    'inputbox': 'INPUTBOX mit Vorschlag im Eingabefeld',
    'listbox': 'LISTBOX mit MULTISELECT',
    'fileopenbox': 'FILEOPENBOX: der Dialog „Öffnen“',
    'filesavebox': 'FILESAVEBOX: der Dialog „Speichern unter“',
    'queryfolderbox': 'QUERYFOLDERBOX: die Ordnerauswahl',
    'help': 'HELP: die Bestätigung, nachdem die Hilfe an den Browser ging',
    'info': 'INFO: das Fenster „Info über Kelvari“',
    'error': 'Eine Fehlermeldung: Wort 2 ist kein Kommando',
}


def figure(name, shots):
    path = os.path.join(shots, name + '.png')
    if not os.path.exists(path):
        return ''
    with open(path, 'rb') as f:
        data = base64.b64encode(f.read()).decode('ascii')
    caption = CAPTIONS.get(name, name)
    return ('<figure id="bild-%s"><img src="data:image/png;base64,%s" alt="%s">'
            '<figcaption>%s</figcaption></figure>' % (name, data, caption, caption))


def main(template, shots, output):
    with open(template, encoding='utf-8') as f:
        text = f.read()
    text = re.sub(r'<!--SHOT:([a-z-]+)-->\n?', lambda m: figure(m.group(1), shots) and
                  figure(m.group(1), shots) + '\n', text)
    with open(output, 'w', encoding='utf-8', newline='\n') as f:
        f.write(text)


if __name__ == '__main__':
    main(*sys.argv[1:4])
