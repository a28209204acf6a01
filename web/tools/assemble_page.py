#!/usr/bin/env python3
"""Puts the page's files, the artwork it shows and its Spanish texts into the served folder.

    assemble_page.py TOP OUT SITE_ADDRESS

The page asks for its texts as tr("Context", "English") in its modules; every such text must
have a finished Spanish translation in translations/baralune_es.ts, or the build stops.
"""
import hashlib
import json
import os
import re
import shutil
import sys
import xml.etree.ElementTree as ET

top, out, site = sys.argv[1], sys.argv[2], sys.argv[3]
page = os.path.join(top, "web", "page")
os.makedirs(out, exist_ok=True)

# The page's own files, and the artwork: faces at both sizes and densities, backs, icon.
for name in sorted(os.listdir(page)):
    shutil.copy2(os.path.join(page, name), os.path.join(out, name))
assets = os.path.join(top, "assets")
for folder in ("large", "large@2x", "small", "small@2x"):
    target = os.path.join(out, "cards", folder)
    os.makedirs(target, exist_ok=True)
    for name in sorted(os.listdir(os.path.join(assets, "cards", folder))):
        shutil.copy2(os.path.join(assets, "cards", folder, name), os.path.join(target, name))
for name in ("back.png", "back@2x.png", "back_small.png", "back_small@2x.png", "icon.png",
             "icon@2x.png"):
    shutil.copy2(os.path.join(assets, name), os.path.join(out, name))
icons = os.path.join(out, "icons")
os.makedirs(icons, exist_ok=True)
for name in ("icon-192.png", "icon-512.png"):
    shutil.copy2(os.path.join(assets, "icons", "web", name), os.path.join(icons, name))

# The texts the page asks for, and their Spanish.
spanish = {}
for context in ET.parse(os.path.join(top, "translations", "baralune_es.ts")).getroot():
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        if translation.get("type") in (None, ""):
            spanish[name + "\x04" + message.findtext("source")] = translation.text or ""
wanted, missing = {}, []
call = re.compile(r'\btr\(\s*"([^"]+)",\s*"((?:[^"\\]|\\.)*)"')
for name in sorted(os.listdir(page)):
    if not name.endswith(".js"):
        continue
    for context, text in call.findall(open(os.path.join(page, name), encoding="utf-8").read()):
        text = json.loads('"' + text + '"')
        key = context + "\x04" + text
        if key in spanish:
            wanted[key] = spanish[key]
        else:
            missing.append(f"{name}: {context}: {text!r}")
if missing:
    sys.exit("texts without a Spanish translation in translations/baralune_es.ts:\n  " +
             "\n  ".join(missing))
with open(os.path.join(out, "texts.js"), "w", encoding="utf-8") as f:
    f.write("// Written at build time from translations/baralune_es.ts: do not edit.\n")
    f.write("export const siteAddress = " + json.dumps(site) + ";\n")
    f.write("export const spanish = " + json.dumps(wanted, ensure_ascii=False, indent=0) + ";\n")

# Every file the service worker keeps, and a version that changes with any of them.
files, digest = [], hashlib.sha256()
for folder, _, names in sorted(os.walk(out)):
    for name in sorted(names):
        path = os.path.join(folder, name)
        relative = os.path.relpath(path, out).replace(os.sep, "/")
        if relative in ("sw.js", "files.js"):
            continue
        files.append(relative)
        digest.update(relative.encode() + b"\0" + open(path, "rb").read())
with open(os.path.join(out, "files.js"), "w", encoding="utf-8") as f:
    f.write("// Written at build time: the page's files, kept by the service worker.\n")
    f.write("self.PAGE_VERSION = " + json.dumps(digest.hexdigest()[:16]) + ";\n")
    f.write("self.PAGE_FILES = " + json.dumps(["./"] + files, indent=0) + ";\n")
