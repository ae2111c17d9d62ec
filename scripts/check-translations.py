#!/usr/bin/env python3
"""Checks the translations against the code: every text of every layer is translated into each
language (no entry unfinished, none missing: lupdate is run on copies of the sources), each
translation keeps its source's placeholders (%1, %n, %L1) and keyboard accelerators (&), and every
text that counts with %n has its English plural forms. Prints each fault; exits non-zero when
there is one."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LAYERS = ["i18n", "xmlstore", "diary", "widgets", "welcome", "report", "mainwindow", "program"]
LANGUAGES = ["de", "fr", "es"]
PLACEHOLDER = re.compile(r"%L?(\d+|n)")


def lupdate():
    for name in ("lupdate-qt6", "lupdate"):
        path = shutil.which(name)
        if path:
            return path
    return "/usr/lib/qt6/bin/lupdate"


def placeholders(text):
    return sorted(m.group(1) for m in PLACEHOLDER.finditer(text or ""))


def accelerators(text):
    return (text or "").replace("&&", "").count("&")


def forms(message):
    translation = message.find("translation")
    if translation is None:
        return []
    numerus = translation.findall("numerusform")
    return [n.text or "" for n in numerus] if numerus else [translation.text or ""]


def check_file(path, label, english):
    faults = []
    for context in ET.parse(path).getroot().iter("context"):
        cname = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{label}: {cname}: \"{source}\""
            kind = message.find("translation").get("type") if message.find("translation") is not None else None
            if kind in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: {kind}")
                continue
            texts = forms(message)
            if not texts or any(t == "" for t in texts):
                faults.append(f"{where}: no translation")
                continue
            if english:
                continue
            for text in texts:
                wanted = placeholders(source)
                got = placeholders(text)
                # A plural form may leave the number out ("un jour"); never adds one.
                if message.get("numerus") == "yes":
                    if not set(got) <= set(wanted) or not set(wanted) - {"n"} <= set(got):
                        faults.append(f"{where}: placeholders {got} against {wanted}")
                elif got != wanted:
                    faults.append(f"{where}: placeholders {got} against {wanted}")
                if accelerators(text) != accelerators(source):
                    faults.append(f"{where}: accelerators differ in \"{text}\"")
    return faults


def main():
    tool = lupdate()
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for layer in LAYERS:
            copies = []
            for language in LANGUAGES + ["en"]:
                source = os.path.join(ROOT, "i18n", "ts", f"{layer}_{language}.ts")
                if not os.path.exists(source):
                    faults.append(f"{layer}_{language}.ts: missing")
                    continue
                copy = os.path.join(scratch, f"{layer}_{language}.ts")
                shutil.copy(source, copy)
                copies.append((language, copy))
            others = [c for lang, c in copies if lang != "en"]
            english = [c for lang, c in copies if lang == "en"]
            base = [tool, "-silent", "-locations", "none", "-no-obsolete", "-extensions", "cpp,h",
                    os.path.join(ROOT, layer)]
            if others:
                subprocess.run(base + ["-ts"] + others, check=True, stderr=subprocess.DEVNULL)
            if english:
                subprocess.run(base + ["-pluralonly", "-ts"] + english, check=True,
                               stderr=subprocess.DEVNULL)
            for language, copy in copies:
                faults += check_file(copy, f"{layer}_{language}.ts", language == "en")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} faults; after changing texts run scripts/update-translations.sh "
              "and translate what it marks unfinished")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
